// The help viewer window and its context-number table.
#include "mainwin/Ownhtmlhelpunit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>
#include <QVBoxLayout>

TOwnHTMLHelpViewer::TOwnHTMLHelpViewer(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(helpFolder)
{
    setWindowTitle(QStringLiteral("TSL-Q2/Q3 Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    Browser->setSearchPaths({folder_});
    layout->addWidget(Browser);
    resize(640, 520);
    LoadContexts();
}

void TOwnHTMLHelpViewer::LoadContexts()
{
    QFile file(QDir(folder_).filePath(QStringLiteral("contexts.txt")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        bool ok = false;
        const int number = parts.value(0).toInt(&ok);
        if (ok && number > 0 && parts.size() >= 2) contexts_.insert(number, parts[1]);
    }
}

QString TOwnHTMLHelpViewer::TopicOfContext(int context) const
{
    return contexts_.value(context);
}

bool TOwnHTMLHelpViewer::ShowTopic(const QString& fileName)
{
    // A topic may name an anchor inside its file ("grids.html#vfo").
    const QString path = fileName.section(u'#', 0, 0);
    const QString anchor = fileName.section(u'#', 1);
    const QFileInfo info(QDir(folder_).filePath(path));
    if (path.isEmpty() || !info.isFile()) return false;
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (!anchor.isEmpty()) url.setFragment(anchor);
    Browser->setSource(url);
    currentTopic_ = fileName;
    show();
    raise();
    activateWindow();
    return true;
}

bool TOwnHTMLHelpViewer::ShowContext(int context)
{
    const QString topic = TopicOfContext(context);
    if (topic.isEmpty() || !ShowTopic(topic)) return false;
    lastContext_ = context;
    return true;
}

bool TOwnHTMLHelpViewer::ShowTableOfContents()
{
    lastContext_ = 0;
    return ShowTopic(QStringLiteral("index.html"));
}
