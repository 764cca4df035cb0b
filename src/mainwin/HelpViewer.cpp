// The help viewer window and its context-number table.
#include "mainwin/HelpViewer.h"

#include "ui/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextStream>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The pages of a language's folder (help/de): a page or picture the language
// lacks is the English one of the help folder, under the same name, so that
// its links stay in the language's pages.
class TopicBrowser : public QTextBrowser
{
  public:
    TopicBrowser(const QString& english, const QString& pages, QWidget* parent)
        : QTextBrowser(parent), english_(english), pages_(pages)
    {
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (pages_ != english_ && name.isLocalFile() && !QFileInfo::exists(name.toLocalFile())) {
            const QString relative = QDir(pages_).relativeFilePath(name.toLocalFile());
            if (!relative.startsWith(QStringLiteral("..")))
                return QTextBrowser::loadResource(type,
                                                  QUrl::fromLocalFile(QDir(english_).filePath(relative)));
        }
        return QTextBrowser::loadResource(type, name);
    }

  private:
    QString english_;
    QString pages_;
};

} // namespace

QPoint PlaceBeside(const QRect& owner, const QSize& size, const QRect& screen)
{
    const int roomRight = screen.right() - owner.right();
    const int roomLeft = owner.left() - screen.left();
    int x = 0;
    if (roomRight >= size.width())
        x = owner.right() + 1;
    else if (roomLeft >= size.width())
        x = owner.left() - size.width();
    else
        x = roomRight >= roomLeft ? screen.right() + 1 - size.width() : screen.left();
    const int y = owner.top();
    const auto clamp = [](int value, int low, int high) { return std::max(low, std::min(value, high)); };
    return {clamp(x, screen.left(), screen.right() + 1 - size.width()),
            clamp(y, screen.top(), screen.bottom() + 1 - size.height())};
}

HelpViewer::HelpViewer(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(helpFolder), pages_(helpFolder)
{
    // The same topics and context numbers in every language.
    if (const QDir language(QDir(folder_).filePath(InstalledLanguage()));
        InstalledLanguage() != QStringLiteral("en") && language.exists())
        pages_ = language.path();
    setWindowTitle(tr("TSL-Q2/Q3 Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 4, 4, 4);
    const auto button = [this, buttons](const QString& text, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        buttons->addWidget(b);
        return b;
    };
    Button_Back = button(tr("&Back"), QStyle::SP_ArrowBack);
    Button_Forward = button(tr("&Forward"), QStyle::SP_ArrowForward);
    Button_Contents = button(tr("&Contents"), QStyle::SP_DirHomeIcon);
    buttons->addStretch();
    layout->addLayout(buttons);
    Browser = new TopicBrowser(folder_, pages_, this);
    Browser->setOpenExternalLinks(true);
    Browser->setSearchPaths({pages_, folder_});
    Browser->setAccessibleName(tr("Help topic"));
    layout->addWidget(Browser);
    Button_Back->setEnabled(false);
    Button_Forward->setEnabled(false);
    Button_Back->setShortcut(QKeySequence::Back);
    Button_Forward->setShortcut(QKeySequence::Forward);
    connect(Button_Back, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(Button_Forward, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Button_Contents, &QToolButton::clicked, this, [this] { ShowTableOfContents(); });
    connect(Browser, &QTextBrowser::backwardAvailable, Button_Back, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, Button_Forward, &QToolButton::setEnabled);
    // A link followed inside the viewer is the topic shown now.
    connect(Browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        if (!url.isLocalFile()) return;
        QString topic = QDir(pages_).relativeFilePath(url.toLocalFile());
        if (url.hasFragment()) topic += u'#' + url.fragment();
        currentTopic_ = topic;
    });
    // A window of its own, but closed like a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(640, 520);
    LoadContexts();
}

void HelpViewer::PlaceBesideOwner()
{
    const QWidget* owner = parentWidget();
    if (owner == nullptr || !owner->isVisible()) return;
    const QScreen* screen = owner->screen();
    if (screen == nullptr) return;
    const QRect frame = owner->frameGeometry();
    // The window's frame is unknown before it is first shown; take the
    // owner's border as a guess.
    const QSize extra = frame.size() - owner->size();
    const QSize size = this->size() + extra;
    move(PlaceBeside(frame, size, screen->availableGeometry()));
}

void HelpViewer::LoadContexts()
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

QString HelpViewer::TopicOfContext(int context) const
{
    return contexts_.value(context);
}

bool HelpViewer::ShowTopic(const QString& fileName)
{
    // A topic may name an anchor inside its file ("grids.html#vfo").
    const QString path = fileName.section(u'#', 0, 0);
    const QString anchor = fileName.section(u'#', 1);
    const QFileInfo info(QDir(pages_).filePath(path));
    if (path.isEmpty() || !(info.isFile() || QFileInfo(QDir(folder_).filePath(path)).isFile())) return false;
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (!anchor.isEmpty()) url.setFragment(anchor);
    if (!isVisible()) PlaceBesideOwner();
    Browser->setSource(url);
    currentTopic_ = fileName;
    show();
    raise();
    activateWindow();
    return true;
}

bool HelpViewer::ShowContext(int context)
{
    const QString topic = TopicOfContext(context);
    if (topic.isEmpty() || !ShowTopic(topic)) return false;
    lastContext_ = context;
    return true;
}

bool HelpViewer::ShowTableOfContents()
{
    lastContext_ = 0;
    return ShowTopic(QStringLiteral("index.html"));
}
