// Two running copies of the program on one X display: a channel copied in one
// is pasted in the other once that window is active again. The test starts a
// private Xvfb server and runs this test program twice more as the two
// copies; they signal each other through files in a scratch folder.
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"

#include "model/Profile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const RoleVariable = "TSLQ_EDIT_INSTANCE_ROLE";
const char* const FolderVariable = "TSLQ_EDIT_INSTANCE_DIR";
const std::string Record = "000,00145500000,0,2,0,1,0,0,08,08,000,000600000,0,1,,,,CLUB";

bool WaitFor(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) return false;
        QTest::qWait(20);
    }
    return true;
}

void Signal(const QString& folder, const QString& name, const QByteArray& content = {})
{
    QFile file(folder + "/" + name + ".tmp");
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
        file.close();
        QFile::rename(file.fileName(), folder + "/" + name);
    }
}

bool Signalled(const QString& folder, const QString& name)
{
    return QFile::exists(folder + "/" + name);
}

std::unique_ptr<MainWindow> ChildForm(MemoryConfigStore& store)
{
    store.Write("Type", "KK,0F");
    store.Write("Model", "ZT-Q2");
    MainWindow::Options options;
    options.store = &store;
    options.showSplash = false;
    options.workingDirectory = QDir::tempPath();
    options.showSetup = [](SetupDialog&) {};
    auto form = std::make_unique<MainWindow>(options);
    form->show();
    form->activateWindow();
    return form;
}

// One of the two copies; does nothing unless started by the test below.
TEST(EditInstances, Child)
{
    const QString role = qEnvironmentVariable(RoleVariable);
    const QString folder = qEnvironmentVariable(FolderVariable);
    if (role.isEmpty())
        GTEST_SKIP() << "runs only as a copy started by EditInstances.CopyInOnePasteInTheOther";

    MemoryConfigStore store;
    std::unique_ptr<MainWindow> form = ChildForm(store);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get(), 10000));
    // Without a window manager the window takes the focus only when asked.
    auto activate = [&] {
        form->activateWindow();
        return WaitFor([&] { return form->isActiveWindow(); }, 10000);
    };
    QTableWidget* memory = form->Grid(GridId::Memory);

    if (role == "copy") {
        // Taking the focus deactivates the other copy.
        ASSERT_TRUE(activate());
        tslq::test::EditImage(form->Doc(), [&](RadioImage& image) { image.SetMemoryRecord(0, Record); });
        form->RefreshAllViews();
        memory->setFocus(Qt::MouseFocusReason);
        form->SelectRow(GridId::Memory, 1);
        QApplication::processEvents();
        form->copyAction_->trigger();
        Signal(folder, "copied");
        // The clipboard is served from here: stay until the other copy is done.
        WaitFor([&] { return Signalled(folder, "done"); }, 30000);
        return;
    }

    ASSERT_TRUE(activate());
    memory->setFocus(Qt::MouseFocusReason);
    form->SelectRow(GridId::Memory, 6);
    QApplication::processEvents();
    ASSERT_EQ(form->ActiveGrid(), GridId::Memory);
    Signal(folder, "paster-ready");
    ASSERT_TRUE(WaitFor([&] { return Signalled(folder, "copied"); }, 20000));
    ASSERT_TRUE(WaitFor([&] { return !form->isActiveWindow(); }, 10000)) << "the copy never took the focus";
    const bool pasteBefore = form->pasteAction_->isEnabled();

    form->activateWindow();
    const bool pasteable = WaitFor([&] { return form->pasteAction_->isEnabled(); }, 10000);
    QByteArray result = "never-enabled";
    if (pasteBefore) {
        result = "enabled-before-activation";
    } else if (pasteable) {
        form->pasteAction_->trigger();
        result = QByteArray::fromStdString(form->Image().GetMemoryRecord(5));
    }
    Signal(folder, "pasted", result);
}

TEST(EditInstances, CopyInOnePasteInTheOther)
{
    if (!qEnvironmentVariableIsEmpty(RoleVariable)) GTEST_SKIP() << "a copy does not start copies";
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh installs it); "
                        "the clipboard between two running copies is not checked";

    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("800x600x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
    QByteArray display;
    const bool started = server.waitForStarted(5000) && WaitFor(
                                                            [&] {
                                                                display += server.readAllStandardOutput();
                                                                return display.contains('\n');
                                                            },
                                                            10000);
    if (!started) {
        server.kill();
        server.waitForFinished();
        GTEST_SKIP() << "Xvfb could not start: " << server.readAllStandardError().toStdString();
    }
    const QString displayName = QStringLiteral(":") + QString::fromLatin1(display.trimmed());

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto startCopy = [&](QProcess& process, const QString& role) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), displayName);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QString::fromLatin1(RoleVariable), role);
        environment.insert(QString::fromLatin1(FolderVariable), folder.path());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=EditInstances.Child")});
    };
    QProcess paster;
    QProcess copier;
    // The copy that pastes is up and has its row selected before the other
    // one starts, so that the focus moves from the first to the second.
    startCopy(paster, QStringLiteral("paste"));
    if (WaitFor(
            [&] {
                return Signalled(folder.path(), "paster-ready") || paster.state() == QProcess::NotRunning;
            },
            30000))
        startCopy(copier, QStringLiteral("copy"));

    const bool pasted = WaitFor([&] { return Signalled(folder.path(), "pasted"); }, 60000);
    Signal(folder.path(), "done");
    for (QProcess* process : {&paster, &copier}) {
        if (!process->waitForFinished(15000)) process->kill();
        process->waitForFinished();
    }
    server.terminate();
    server.waitForFinished(5000);

    ASSERT_TRUE(pasted) << "paste copy:\n"
                        << paster.readAll().toStdString() << "\ncopy copy:\n"
                        << copier.readAll().toStdString();
    QFile result(folder.path() + "/pasted");
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll().toStdString(), "005,00145500000,0,2,0,1,0,0,08,08,000,000600000,0,1,,,,CLUB");
    EXPECT_EQ(paster.exitCode(), 0) << paster.readAll().toStdString();
    EXPECT_EQ(copier.exitCode(), 0) << copier.readAll().toStdString();
}

} // namespace
