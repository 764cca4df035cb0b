// The shell around the main window: the first showing with the splash
// window, closing with the prompt for unsaved changes, help and the About box.
#include "mainwin/About.h"
#include "mainwin/Main.h"
#include "mainwin/Messages.h"
#include "mainwin/Ownhtmlhelpunit.h"
#include "mainwin/Welcome.h"
#include "mainwin/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

namespace {
const char HelpContextProperty[] = "tslqHelpContext";
}

void TMainForm::ConnectShellCommands()
{
    Exit1->setEnabled(true);
    connect(Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);
    About1->setEnabled(true);
    connect(About1, &QAction::triggered, this, &TMainForm::About1Click);
    Help2->setEnabled(true);
    connect(Help2, &QAction::triggered, this, &TMainForm::Help2Click);

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

    helpViewer_ = new TOwnHTMLHelpViewer(helpFolder_, this);
}

void TMainForm::AssignHelpContexts()
{
    const std::pair<QObject*, int> contexts[] = {
        {New1, 5},
        {Open1, 10},
        {Save1, 15},
        {Save2, 20},
        {Print1, 25},
        {Exit1, 30},
        {Cut1, 40},
        {Cut2, 40},
        {Cut5, 40},
        {Copy1, 45},
        {Copy2, 45},
        {Copy3, 45},
        {Copy4, 45},
        {Copy5, 45},
        {Paste1, 50},
        {Paste2, 50},
        {Paste3, 50},
        {Paste4, 50},
        {Paste5, 50},
        {Delete1, 55},
        {Delete2, 55},
        {Delete5, 55},
        {MemorySort1, 60},
        {Read1->menuAction(), 65},
        {ReadAll1, 65},
        {ReadMemory1, 65},
        {ReadMenu1, 65},
        {ReadAll2, 65},
        {ReadMemory2, 65},
        {ReadMenu2, 65},
        {Write1->menuAction(), 70},
        {WriteAll1, 70},
        {WriteMemory1, 70},
        {WriteMenu1, 70},
        {WriteAll2, 70},
        {WriteMemory2, 70},
        {WriteMenu2, 70},
        {PortSelect1->menuAction(), 75},
        {Help2, 95},
        {About1, 100},
        {Edit_Comment, 105},
        {StringGrid1, 200},
        {StringGrid2, 200},
        {StringGrid3, 200},
        {StringGrid4, 200},
        {Lockout2, 545},
    };
    for (const auto& [target, context] : contexts)
        SetHelpContext(target, context);
    // Every menu command reaches a topic, the later ports too.
    for (QAction* port : Com)
        SetHelpContext(port, 75);
}

void TMainForm::SetHelpContext(QObject* target, int context)
{
    if (target) target->setProperty(HelpContextProperty, context);
}

int TMainForm::HelpContext(const QObject* target)
{
    return target ? target->property(HelpContextProperty).toInt() : 0;
}

bool TMainForm::ShowContextHelp()
{
    // Only the control itself counts: one without a number gives no help.
    const int context = HelpContext(QApplication::focusWidget());
    return context > 0 && helpViewer_->ShowContext(context);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
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

void TMainForm::Help2Click()
{
    helpViewer_->ShowTableOfContents();
}

void TMainForm::About1Click()
{
    TAboutBox box(this);
    box.exec();
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::showEvent(QShowEvent* event)
{
    // Now that the window has its frame, centre the frame itself.
    if (!shownOnce_ && centreWhenShown_) CentreOnScreen(this);
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The splash and the command-line load follow once the window is up.
    QTimer::singleShot(0, this, &TMainForm::FormShowFirst);
}

void TMainForm::FormShowFirst()
{
    setAcceptDrops(true);
    if (showSplash_) {
        TWelcomeForm splash(this);
        splash.exec();
    }
    if (!commandLineFile_.isEmpty() && CommandLineLoadHandler) CommandLineLoadHandler(commandLineFile_);
    RunUpdateEditCommands();
    emit FirstShown();
}

bool TMainForm::PromptSaveChanges()
{
    if (!dataChanged_) return true;
    switch (ShowMessage(MessageKind::SaveChanges, Msg::DataChanged)) {
    case MessageButton::No:
        return true;
    case MessageButton::Yes:
        // Without the file commands nothing can be saved: keep the data.
        if (!SaveAsHandler || !SaveAsHandler()) return false;
        // A save that failed leaves the data changed flag set; going on now
        // would drop the edits that could not be written.
        return !dataChanged_;
    default:
        return false;
    }
}

bool TMainForm::FormCloseQuery()
{
    return PromptSaveChanges();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery()) {
        SaveWindowPlace();
        event->accept();
    } else {
        event->ignore();
    }
}
