// The help viewer: shows the program's HTML help topics from the help folder.
// A context request names a topic by its context number through the folder's
// "contexts.txt" (one "number file" pair per line); the contents request
// shows "index.html". Requests for a number without a topic do nothing.
// Back, Forward and Contents walk the topics as in a browser; the window
// opens beside the main window so that both stay in view. In German or
// Japanese the pages come from the language's folder (help/de, help/ja), and
// a page that folder lacks is the English one.
#pragma once

#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// Where a window of the given size goes beside an owner's frame on a screen's
// available area: right of the owner when it fits there, else left of it,
// else on the side with more room; always kept on the screen.
QPoint PlaceBeside(const QRect& owner, const QSize& size, const QRect& screen);

class HelpViewer : public QWidget
{
    Q_OBJECT

  public:
    explicit HelpViewer(const QString& helpFolder, QWidget* parent = nullptr);

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
    QToolButton* Button_Back;
    QToolButton* Button_Forward;
    QToolButton* Button_Contents;

  private:
    bool ShowTopic(const QString& fileName);
    void LoadContexts();
    // Moves the hidden window beside its owner before it is shown.
    void PlaceBesideOwner();

    QString folder_;
    QString pages_; // the language's folder, or folder_ for English
    QMap<int, QString> contexts_;
    QString currentTopic_;
    int lastContext_ = 0;
};
