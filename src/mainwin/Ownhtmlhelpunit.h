// The help viewer: shows the program's HTML help topics from the help folder.
// A context request names a topic by its context number through the folder's
// "contexts.txt" (one "number file" pair per line); the contents request
// shows "index.html". Requests for a number without a topic do nothing.
#pragma once

#include <QMap>
#include <QString>
#include <QWidget>

class QTextBrowser;

class TOwnHTMLHelpViewer : public QWidget
{
    Q_OBJECT

  public:
    explicit TOwnHTMLHelpViewer(const QString& helpFolder, QWidget* parent = nullptr);

    // Shows the topic of a context number; false when there is none.
    bool ShowContext(int context);
    // Shows the table of contents; false when the help folder has none.
    bool ShowTableOfContents();

    // The topic file of a context number, empty when there is none.
    QString TopicOfContext(int context) const;
    const QString& HelpFolder() const { return folder_; }
    // File name of the topic shown last (for the program's own checks).
    const QString& CurrentTopic() const { return currentTopic_; }
    int LastContext() const { return lastContext_; }

    QTextBrowser* Browser;

  private:
    bool ShowTopic(const QString& fileName);
    void LoadContexts();

    QString folder_;
    QMap<int, QString> contexts_;
    QString currentTopic_;
    int lastContext_ = 0;
};
