// The shell around the main window: the first showing with the splash
// window, closing with the prompt for unsaved changes, help and the About box.
#include "channels/ChannelsPage.h"
#include "mainwin/AboutBox.h"
#include "mainwin/HelpViewer.h"
#include "mainwin/MainWindow.h"
#include "mainwin/SplashWindow.h"
#include "ui/HelpContext.h"
#include "ui/Messages.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

void MainWindow::ConnectShellCommands()
{
    exitAction_->setEnabled(true);
    connect(exitAction_, &QAction::triggered, this, &MainWindow::ExitProgram);
    aboutAction_->setEnabled(true);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::ShowAbout);
    helpTopicsAction_->setEnabled(true);
    connect(helpTopicsAction_, &QAction::triggered, this, &MainWindow::ShowHelpTopics);

    // F1 on a control of the window; a highlighted menu command answers F1
    // in its menu (see eventFilter).
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this]() { ShowContextHelp(); });
    for (QMenu* menu : findChildren<QMenu*>())
        menu->installEventFilter(this);

    // A record copied in another instance becomes pasteable as soon as this
    // window is active again.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) RunUpdateEditCommands();
    });

    helpViewer_ = new HelpViewer(helpFolder_, this);
    // F1 in this window and in every dialog it opens.
    SetContextHelpViewer([viewer = QPointer<HelpViewer>(helpViewer_)](int context) {
        return viewer && viewer->ShowContext(context);
    });
}

void MainWindow::AssignHelpContexts()
{
    const std::pair<QObject*, int> contexts[] = {
        {newAction_, 5},
        {openAction_, 10},
        {saveAction_, 15},
        {saveAsAction_, 20},
        {printAction_, 25},
        {exitAction_, 30},
        {undoAction_, 37},
        {UndoButton, 37},
        {redoAction_, 38},
        {RedoButton, 38},
        {cutAction_, 40},
        {memoryCutAction_, 40},
        {dtmfCutAction_, 40},
        {copyAction_, 45},
        {memoryCopyAction_, 45},
        {vfoCopyAction_, 45},
        {callCopyAction_, 45},
        {dtmfCopyAction_, 45},
        {pasteAction_, 50},
        {memoryPasteAction_, 50},
        {vfoPasteAction_, 50},
        {callPasteAction_, 50},
        {dtmfPasteAction_, 50},
        {deleteAction_, 55},
        {memoryDeleteAction_, 55},
        {dtmfDeleteAction_, 55},
        {sortAction_, 60},
        {setFieldAction_, 62},
        {channelsPage_->lockOutAction_, 545},
        {channelsPage_->View(), 210},
        {channelsPage_->FilterBox(), 211},
        {readMenu_->menuAction(), 65},
        {readAllAction_, 65},
        {readMemoryAction_, 65},
        {readMenuAction_, 65},
        {readAllButtonAction_, 65},
        {readMemoryButtonAction_, 65},
        {readMenuButtonAction_, 65},
        {writeMenu_->menuAction(), 70},
        {writeAllAction_, 70},
        {writeMemoryAction_, 70},
        {writeMenuAction_, 70},
        {writeAllButtonAction_, 70},
        {writeMemoryButtonAction_, 70},
        {writeMenuButtonAction_, 70},
        {portMenu_->menuAction(), 75},
        {helpTopicsAction_, 95},
        {aboutAction_, 100},
        {commentEdit_, 105},
        {memoryGrid_, 200},
        {vfoGrid_, 200},
        {callGrid_, 200},
        {dtmfGrid_, 200},
        {lockOutAction_, 545},
    };
    for (const auto& [target, context] : contexts)
        SetHelpContext(target, context);
    // Every menu command reaches a topic, the later ports too.
    for (QAction* port : portActions_)
        SetHelpContext(port, 75);
}

void MainWindow::SetHelpContext(QObject* target, int context)
{
    ::SetHelpContext(target, context);
}

int MainWindow::HelpContext(const QObject* target)
{
    return ::HelpContext(target);
}

bool MainWindow::ShowContextHelp()
{
    return ShowFocusedControlHelp();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (const GridId id = GridOf(watched); id != GridId::None)
        return GridEvent(id, event) || QMainWindow::eventFilter(watched, event);
    if (auto* menu = qobject_cast<QMenu*>(watched);
        menu && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const int context = HelpContext(menu->activeAction());
        if (context > 0) {
            // The menu closes first, as it does when a command is chosen.
            for (QWidget* popup = QApplication::activePopupWidget(); popup;
                 popup = QApplication::activePopupWidget())
                popup->close();
            helpViewer_->ShowContext(context);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowHelpTopics()
{
    helpViewer_->ShowTableOfContents();
}

void MainWindow::ShowAbout()
{
    AboutBox box(this);
    box.exec();
}

void MainWindow::ExitProgram()
{
    close();
}

void MainWindow::showEvent(QShowEvent* event)
{
    // Now that the window has its frame, centre the frame itself.
    if (!shownOnce_ && centreWhenShown_) CentreOnScreen(this);
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The splash and the command-line load follow once the window is up.
    QTimer::singleShot(0, this, &MainWindow::FormShowFirst);
}

void MainWindow::FormShowFirst()
{
    setAcceptDrops(true);
    if (showSplash_) {
        SplashWindow splash(this);
        splash.exec();
    }
    if (!commandLineFile_.isEmpty() && CommandLineLoadHandler) CommandLineLoadHandler(commandLineFile_);
    OfferRecovery();
    RunUpdateEditCommands();
    emit FirstShown();
}

bool MainWindow::PromptSaveChanges()
{
    if (!DataChanged()) return true;
    switch (ShowMessage(MessageKind::SaveChanges, Msg::DataChanged)) {
    case MessageButton::No:
        return true;
    case MessageButton::Yes:
        // Without the file commands nothing can be saved: keep the data.
        if (!SaveAsHandler || !SaveAsHandler()) return false;
        // A save that failed leaves the data changed flag set; going on now
        // would drop the edits that could not be written.
        return !DataChanged();
    default:
        return false;
    }
}

bool MainWindow::FormCloseQuery()
{
    return PromptSaveChanges();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery()) {
        SaveWindowPlace();
        event->accept();
    } else {
        event->ignore();
    }
}
