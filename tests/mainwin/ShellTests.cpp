// The shell around the main window: command line, closing with unsaved
// changes, context help, splash window and About box.
#include "mainwin/AboutBox.h"
#include "mainwin/HelpViewer.h"
#include "mainwin/MainCommandLine.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "mainwin/SplashWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

TEST(ShellCommandLine, OptionsThenTheFileNameJoinedWithBlanks)
{
    const MainCommandLine plain = ParseMainCommandLine({"/home/op/my", "radio.qx"});
    EXPECT_TRUE(plain.options.empty());
    EXPECT_EQ(plain.fileName, "/home/op/my radio.qx");

    const MainCommandLine options = ParseMainCommandLine({"--no-splash", "--exit-when-shown", "a.qx"});
    EXPECT_TRUE(options.Has(OptionNoSplash));
    EXPECT_TRUE(options.Has(OptionExitWhenShown));
    EXPECT_EQ(options.fileName, "a.qx");

    // "--" ends the options, and only leading arguments are options.
    const MainCommandLine ended = ParseMainCommandLine({"--no-splash", "--", "--odd name.qx"});
    EXPECT_EQ(ended.fileName, "--odd name.qx");
    const MainCommandLine late = ParseMainCommandLine({"a", "--no-splash"});
    EXPECT_FALSE(late.Has(OptionNoSplash));
    EXPECT_EQ(late.fileName, "a --no-splash");
    EXPECT_TRUE(ParseMainCommandLine({}).fileName.empty());
    EXPECT_TRUE(ParseMainCommandLine({"--no-splash"}).fileName.empty());
}

TEST(ShellCommandLine, UnknownOptionsAreFoundTheToolkitsAreNot)
{
    const struct
    {
        std::vector<std::string> arguments;
        std::vector<std::string> unknown;
    } cases[] = {
        {{"--simualte"}, {"--simualte"}},
        {{"--no-splash", "--no-splash=1", "--helpme", "a.qx"}, {"--no-splash=1", "--helpme"}},
        {{"--simulate=KK,0F", "--simulate-if-no-radio", "--help", "--exit-when-shown"}, {}},
        {{"--platform", "offscreen", "--style=fusion"}, {}},
        {{"--", "--simualte.qx"}, {}},
        {{"a.qx", "--simualte"}, {}},
        {{"--lang=ja", "--lang=de", "--lang=en"}, {}},
        {{"--lang=fr", "--lang", "--lang=", "--lang=JA"}, {"--lang=fr", "--lang", "--lang=", "--lang=JA"}},
    };
    for (const auto& test : cases) {
        const MainCommandLine parsed = ParseMainCommandLine(test.arguments);
        EXPECT_EQ(parsed.unknown, test.unknown) << test.arguments.front();
    }
    EXPECT_TRUE(ParseMainCommandLine({"--help"}).Has(OptionHelp));
    EXPECT_EQ(ParseMainCommandLine({"--lang=de", "a.qx"}).language, "de");
    EXPECT_EQ(ParseMainCommandLine({"--lang=fr"}).language, "");
}

// --help and a mistyped option are answered before any window, so also
// where there is no display at all.
TEST(ShellCommandLine, HelpAndUnknownOptionsWithoutADisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    const struct
    {
        QStringList arguments;
        int status;
        bool usageOnStandardOutput;
        const char* firstLine;
    } cases[] = {
        {{"--help"}, 0, true, "Usage: tslq [OPTION]... [--] [DATA FILE]"},
        {{"--no-splash", "--help", "radio.qx"}, 0, true, "Usage: tslq [OPTION]... [--] [DATA FILE]"},
        {{"--simualte"}, 2, false, "tslq: unknown option --simualte"},
        {{"--lang=xx"}, 2, false, "tslq: unknown option --lang=xx"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TSLQ_PROGRAM, test.arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), test.status);
        const std::string out = program.readAllStandardOutput().toStdString();
        const std::string err = program.readAllStandardError().toStdString();
        const std::string& shown = test.usageOnStandardOutput ? out : err;
        EXPECT_EQ(shown.substr(0, shown.find('\n')), test.firstLine);
        EXPECT_NE(shown.find(MainUsage()), std::string::npos);
        EXPECT_EQ(test.usageOnStandardOutput ? err : out, "");
    }
}

TEST(ShellClosing, UnchangedDataClosesWithoutAsking)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    MessageRecorder messages;
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.Count(), 0);
}

TEST(ShellClosing, NoClosesAndCancelKeepsTheWindow)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    form->show();
    form->SetDataChanged(true);
    {
        MessageRecorder messages({MessageButton::Cancel});
        EXPECT_FALSE(form->close());
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::SaveChanges);
        EXPECT_EQ(messages.LastText(), "Data is changed.\nDo you want to save the changes?");
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->DataChanged());
    }
    {
        MessageRecorder messages({MessageButton::No});
        form->exitAction_->trigger();
        EXPECT_EQ(messages.Count(), 1);
        EXPECT_FALSE(form->isVisible());
    }
}

TEST(ShellClosing, YesClosesOnlyAfterTheSaveSucceeded)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    form->show();
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(7, "007,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,KEEP");
    });
    form->SetDataChanged(true);

    // The operator cancels the save dialog: the window stays.
    int saves = 0;
    form->SaveAsHandler = [&saves]() {
        ++saves;
        return false;
    };
    {
        MessageRecorder messages({MessageButton::Yes});
        EXPECT_FALSE(form->close());
        EXPECT_EQ(saves, 1);
    }
    // The write fails ("File Open error." shown, flag still set): the window
    // stays open with the data intact.
    form->SaveAsHandler = [&saves]() {
        ++saves;
        return true;
    };
    {
        MessageRecorder messages({MessageButton::Yes});
        EXPECT_FALSE(form->close());
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->DataChanged());
        EXPECT_EQ(form->Image().GetMemoryRecord(7).substr(0, 3), "007");
    }
    // The save succeeds and clears the flag: the window closes.
    form->SaveAsHandler = [&saves, &form]() {
        ++saves;
        form->SetDataChanged(false);
        return true;
    };
    {
        MessageRecorder messages({MessageButton::Yes});
        EXPECT_TRUE(form->close());
        EXPECT_EQ(saves, 3);
    }
}

TEST(ShellClosing, YesWithoutAnySaveCommandKeepsTheData)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    form->SaveAsHandler = nullptr; // as before the file commands are connected
    form->show();
    form->SetDataChanged(true);
    MessageRecorder messages({MessageButton::Yes});
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->DataChanged());
}

TEST(ShellHelp, F1OnTheGridsAndMenuCommandsOpensTheirTopics)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    HelpViewer* viewer = form->HelpWindow();
    ASSERT_NE(viewer, nullptr);

    for (GridId id : {GridId::Memory, GridId::Vfo, GridId::Call, GridId::Dtmf}) {
        viewer->hide();
        form->Grid(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form->Grid(id), Qt::Key_F1);
        EXPECT_EQ(viewer->LastContext(), 200);
        EXPECT_EQ(viewer->CurrentTopic(), "grids.html");
        EXPECT_TRUE(viewer->isVisible());
    }

    // A highlighted menu command gives its own topic, every port included.
    EXPECT_EQ(MainWindow::HelpContext(form->portActions_[6]), 75);
    EXPECT_EQ(MainWindow::HelpContext(form->portActions_[2]), 75);
    EXPECT_EQ(MainWindow::HelpContext(form->lockOutAction_), 545);
    EXPECT_EQ(MainWindow::HelpContext(form->commentEdit_), 105);

    form->helpMenu_->popup(form->mapToGlobal(QPoint(10, 10)));
    form->helpMenu_->setActiveAction(form->aboutAction_);
    QTest::keyClick(form->helpMenu_, Qt::Key_F1);
    EXPECT_EQ(viewer->LastContext(), 100);
    EXPECT_FALSE(form->helpMenu_->isVisible());
    viewer->hide();
}

TEST(ShellHelp, ViewerOpensBesideTheMainWindowAndWalksItsTopics)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    form->show();
    HelpViewer* viewer = form->HelpWindow();
    viewer->hide();
    ASSERT_TRUE(viewer->ShowContext(5));
    const QSize border = form->frameGeometry().size() - form->size();
    EXPECT_EQ(viewer->pos(), PlaceBeside(form->frameGeometry(), viewer->size() + border,
                                         form->screen()->availableGeometry()));

    EXPECT_FALSE(viewer->Button_Back->isEnabled());
    ASSERT_TRUE(viewer->ShowContext(200));
    ASSERT_TRUE(viewer->Button_Back->isEnabled());
    QTest::mouseClick(viewer->Button_Back, Qt::LeftButton);
    EXPECT_EQ(viewer->CurrentTopic(), "file.html#new");
    EXPECT_TRUE(viewer->Button_Forward->isEnabled());
    QTest::mouseClick(viewer->Button_Forward, Qt::LeftButton);
    EXPECT_EQ(viewer->CurrentTopic(), "grids.html");
    QTest::mouseClick(viewer->Button_Contents, Qt::LeftButton);
    EXPECT_EQ(viewer->CurrentTopic(), "index.html");
    QTest::mouseClick(viewer->Button_Back, Qt::LeftButton);
    EXPECT_EQ(viewer->CurrentTopic(), "grids.html");
    viewer->hide();
}

TEST(ShellHelp, PlacedBesideItsOwnerAndOnTheScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(640, 520);
    const struct
    {
        QRect owner;
        QPoint expected;
    } cases[] = {
        {QRect(100, 50, 700, 500), QPoint(800, 50)},   // room on the right
        {QRect(1200, 50, 700, 500), QPoint(560, 50)},  // only on the left
        {QRect(500, 50, 800, 500), QPoint(1280, 50)},  // neither: the side with more room, on screen
        {QRect(600, 50, 800, 500), QPoint(0, 50)},     // more room on the left
        {QRect(100, 800, 700, 500), QPoint(800, 560)}, // kept above the screen's bottom
        {QRect(-300, -20, 700, 500), QPoint(400, 0)},  // owner partly off the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceBeside(c.owner, size, screen), c.expected) << c.owner.x() << "," << c.owner.y();
}

TEST(ShellHelp, TopicsExistForEveryContextNumber)
{
    HelpViewer viewer(QStringLiteral(TSLQ_TEST_DATA_DIR "/../../help"));
    for (int context : {5, 10, 15, 20, 25, 30, 40, 45, 50, 55, 60, 65, 70, 75, 95, 100, 105, 200, 545}) {
        EXPECT_FALSE(viewer.TopicOfContext(context).isEmpty()) << context;
        EXPECT_TRUE(viewer.ShowContext(context)) << context;
    }
    EXPECT_FALSE(viewer.ShowContext(9999));
    EXPECT_TRUE(viewer.ShowTableOfContents());
    EXPECT_EQ(viewer.CurrentTopic(), "index.html");
    // A help folder that does not exist gives no help and no failure.
    HelpViewer missing(QStringLiteral("/nonexistent/help"));
    EXPECT_FALSE(missing.ShowContext(200));
    EXPECT_FALSE(missing.ShowTableOfContents());
}

TEST(ShellSplash, ClosesItselfAfterTwoSeconds)
{
    SplashWindow splash;
    EXPECT_EQ(splash.windowTitle(), "Welcome");
    EXPECT_EQ(splash.size(), QSize(353, 145));
    EXPECT_EQ(splash.closeTimer_->interval(), 2000);
    QTimer::singleShot(0, &splash, [&splash]() {
        EXPECT_TRUE(splash.closeTimer_->isActive());
        // Fire the timer at once instead of waiting two seconds.
        splash.closeTimer_->setInterval(1);
    });
    // Closed by its own timer, the first time it ran out.
    int timeouts = 0;
    QObject::connect(splash.closeTimer_, &QTimer::timeout, [&timeouts] { ++timeouts; });
    splash.exec();
    EXPECT_FALSE(splash.closeTimer_->isActive());
    EXPECT_EQ(timeouts, 1);
}

TEST(ShellSplash, FirstShowingLoadsTheCommandLineFileAfterwards)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    MainWindow::Options options;
    options.store = store.get();
    options.showSplash = false;
    options.commandLineFile = QStringLiteral("/tmp/my radio.qx");
    MainWindow form(options);
    QStringList loaded;
    int updates = 0;
    form.CommandLineLoadHandler = [&loaded](const QString& name) { loaded << name; };
    form.UpdateEditCommandsHandler = [&updates]() { ++updates; };
    QSignalSpy shown(&form, &MainWindow::FirstShown);
    form.show();
    ASSERT_TRUE(shown.wait(2000));
    EXPECT_EQ(loaded, QStringList{"/tmp/my radio.qx"});
    EXPECT_GE(updates, 1);
    EXPECT_TRUE(form.acceptDrops());
    // Showing again does not load again.
    form.hide();
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(loaded.size(), 1);
}

TEST(ShellAbout, BoxShowsNameAndVersion)
{
    AboutBox box;
    EXPECT_EQ(box.windowTitle(), "About TSL-Q2/Q3");
    EXPECT_TRUE(box.OKButton->isDefault());
    QStringList texts;
    for (QLabel* label : box.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Tessaline for ZT-Q2/Q3"));
    EXPECT_TRUE(texts.contains("Version 1.00"));
}

TEST(ShellMessages, ButtonsFollowTheKindAndThePresenterIsReplaceable)
{
    MessageRecorder outer({MessageButton::Yes});
    EXPECT_EQ(ShowMessage(MessageKind::Question, Msg::WriteConfirm), MessageButton::Yes);
    {
        MessageRecorder inner;
        EXPECT_EQ(ShowMessage(MessageKind::Error, Msg::FileOpenError), MessageButton::Ok);
        EXPECT_EQ(inner.Count(), 1);
    }
    // The inner recorder handed the presenter back.
    EXPECT_EQ(ShowMessage(MessageKind::SaveChanges, Msg::DataChanged), MessageButton::Cancel);
    EXPECT_EQ(outer.Count(), 2);
    EXPECT_EQ(Msg::PortInvalid(10), "COM10 is invalid.\nPlease check comport status.");

    // The real box: its caption, and Escape answering Cancel.
    SetMessagePresenter({});
    QTimer::singleShot(0, []() {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "TSL-Q2/Q3");
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(ShowMessage(MessageKind::SaveChanges, Msg::DataChanged), MessageButton::Cancel);
}
