// Radio > Port Select on a real main window: testing and choosing a port,
// the check marks, the stored port, the device set by hand, the status tips
// and the simulated radio behind the checked port.
#include "mainwin/PortSelect.h"
#include "mainwin/MainTestSupport.h"

#include "link/PortMap.h"
#include "link/RadioPort.h"
#include "sim/SimServer.h"
#include "support/TestPty.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;
using tslq::test::TestPty;

namespace {

class PortSelect : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // No real adapters of this machine take part.
        ThePortMap().SetDeviceDir(noDevices_.path().toStdString());
        store_ = StoreFor("KK,0F", "ZT-Q2");
        store_->Write("CommPort", "COM2");
        form_ = MakeMainForm(*store_);
    }
    void TearDown() override
    {
        form_.reset();
        ThePortMap().SetDeviceDir("/dev");
        for (int n = 1; n <= 10; ++n)
            ThePortMap().SetRunOnlyDevice(n, "");
    }
    std::vector<bool> Marks() const
    {
        std::vector<bool> marks;
        for (QAction* item : form_->portActions_)
            marks.push_back(item->isChecked());
        return marks;
    }
    static std::vector<bool> Only(int port)
    {
        std::vector<bool> marks(10, false);
        if (port > 0) marks[static_cast<std::size_t>(port - 1)] = true;
        return marks;
    }

    QTemporaryDir noDevices_;
    std::unique_ptr<MemoryConfigStore> store_;
    std::unique_ptr<MainWindow> form_;
};

} // namespace

TEST_F(PortSelect, UsablePortTakesTheMarkAndIsStored)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    ThePortMap().SetRunOnlyDevice(3, pty.Device());
    ASSERT_EQ(Marks(), Only(2));
    MessageRecorder messages;
    form_->portActions_[2]->trigger();
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(Marks(), Only(3));
    EXPECT_EQ(form_->PortName(), QStringLiteral("COM3"));
    EXPECT_EQ(store_->Read("CommPort"), "COM3");

    // The item that already carries the mark keeps it and is stored again.
    const int writes = store_->WriteCount();
    form_->portActions_[2]->trigger();
    EXPECT_EQ(Marks(), Only(3));
    EXPECT_EQ(store_->WriteCount(), writes + 1);
}

TEST_F(PortSelect, PortHeldByAnotherOpenerIsRefusedAndLosesOnlyItsOwnMark)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    ThePortMap().SetRunOnlyDevice(2, pty.Device());
    RadioPort holder;
    holder.SetDeviceName(pty.Device());
    holder.OpenCommport();
    ASSERT_TRUE(holder.GetPortStatus());

    MessageRecorder messages;
    form_->portActions_[1]->trigger(); // "Com&2" carried the mark
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.LastText(),
              QString::fromStdString("COM2 is invalid.\nPlease check comport status.\n\n" + pty.Device() +
                                     " is in use by another program."));
    EXPECT_EQ(Marks(), Only(0));
    EXPECT_EQ(form_->PortName(), QStringLiteral("COM2"));
    EXPECT_EQ(store_->Read("CommPort"), "COM2");
}

TEST_F(PortSelect, PortWithoutADeviceIsRefusedAndOtherMarksStay)
{
    MessageRecorder messages;
    form_->portActions_[9]->trigger();
    EXPECT_EQ(
        messages.LastText(),
        QStringLiteral("COM10 is invalid.\nPlease check comport status.\n\nNo device is set for this port: "
                       "plug in the USB serial adapter, or choose a device with Radio > Port Select > "
                       "Device..."));
    EXPECT_EQ(Marks(), Only(2));
    EXPECT_EQ(form_->PortName(), QStringLiteral("COM2"));
    EXPECT_NE(form_->portActions_[9]->statusTip().indexOf(QStringLiteral("no device")), -1);
}

TEST_F(PortSelect, DeviceSetByHandIsStoredForTheCheckedPortAndShownInItsTip)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_NE(form_->portDeviceAction_, nullptr);
    std::vector<std::pair<int, QString>> asked;
    std::optional<QString> answer = QString::fromStdString("  " + pty.Device() + " ");
    form_->AskPortDevice = [&](int port, const QString& current) {
        asked.emplace_back(port, current);
        return answer;
    };
    form_->portDeviceAction_->trigger();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].first, 2);
    EXPECT_EQ(asked[0].second, QString());
    EXPECT_EQ(store_->Read("CommDevice2"), pty.Device());
    EXPECT_EQ(form_->portActions_[1]->statusTip(),
              QString::fromStdString("COM2 reaches " + pty.Device() + " (set by hand)"));

    // The port now opens through its stored device.
    MessageRecorder messages;
    form_->portActions_[1]->trigger();
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(Marks(), Only(2));

    // Cancel keeps it, an empty answer removes it.
    answer.reset();
    form_->portDeviceAction_->trigger();
    EXPECT_EQ(asked.back().second, QString::fromStdString(pty.Device()));
    EXPECT_EQ(store_->Read("CommDevice2"), pty.Device());
    answer = QString();
    form_->portDeviceAction_->trigger();
    EXPECT_EQ(store_->Read("CommDevice2"), "");
}

TEST_F(PortSelect, DeviceAnswersAreCheckedBeforeTheyAreStored)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    QTemporaryDir dir;
    const QString file = dir.filePath("notes.txt");
    QFile(file).open(QIODevice::WriteOnly);
    const QString link = dir.filePath("by-id-link");
    ASSERT_TRUE(QFile::link(QString::fromStdString(pty.Device()), link));
    const QString missing = dir.filePath("ttyUSB7");
    const QString kept = QString::fromStdString(pty.Device());
    const struct
    {
        QString answer;
        std::string stored; // what CommDevice2 holds afterwards
        QString message;    // empty: none
    } cases[] = {
        {kept, pty.Device(), {}},
        {link, link.toStdString(), {}},
        {file, pty.Device(), file + " is not a serial device.\nPlease check and try again."},
        {dir.path(), pty.Device(), dir.path() + " is not a serial device.\nPlease check and try again."},
        {file + "/ttyUSB0", pty.Device(),
         file + "/ttyUSB0 is not a serial device.\nPlease check and try again."},
        {missing, missing.toStdString(),
         missing + " does not exist yet.\nCOM2 will reach it once the adapter is plugged in."},
        {QString(), "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        store_->Write("CommDevice2", pty.Device());
        form_->AskPortDevice = [&](int, const QString&) { return std::optional<QString>(c.answer); };
        MessageRecorder messages;
        form_->portDeviceAction_->trigger();
        EXPECT_EQ(store_->Read("CommDevice2"), c.stored);
        EXPECT_EQ(messages.Count(), c.message.isEmpty() ? 0 : 1);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(messages.LastText(), c.message);
            EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
        }
    }
}

TEST_F(PortSelect, TipsNameTheNthUsbAdapter)
{
    QTemporaryDir dev;
    for (const char* name : {"ttyUSB1", "ttyACM0"})
        QFile(dev.filePath(name)).open(QIODevice::WriteOnly);
    ThePortMap().SetDeviceDir(dev.path().toStdString());
    EXPECT_EQ(PortStatusTip(2),
              QStringLiteral("COM2 reaches %1/ttyACM0 (the 2nd USB serial adapter)").arg(dev.path()));
    EXPECT_EQ(PortStatusTip(3), QStringLiteral("COM3 reaches no device; set one with Device..."));
}

TEST_F(PortSelect, SimulatedRadioSitsBehindTheCheckedPortWithoutBeingStored)
{
    const int writes = store_->WriteCount();
    ASSERT_TRUE(form_->StartSimulation(QString()));
    EXPECT_NE(form_->portActions_[1]->statusTip().indexOf(QStringLiteral("simulated radio")), -1);
    RadioPort comm;
    EXPECT_TRUE(comm.CheckCommportValid("\\\\.\\COM2"));
    EXPECT_EQ(store_->WriteCount(), writes);
    StopSimulatedRadio();

    MessageRecorder messages;
    EXPECT_FALSE(form_->StartSimulation(QStringLiteral("XX,99")));
    EXPECT_EQ(messages.Count(), 1);
}

TEST(PortSelectOptions, SimulateOptionsOfTheProgram)
{
    QString type;
    bool onlyWithoutRadio = true;
    EXPECT_TRUE(SimulateOption("simulate", type, onlyWithoutRadio));
    EXPECT_TRUE(type.isEmpty());
    EXPECT_FALSE(onlyWithoutRadio);
    EXPECT_TRUE(SimulateOption("simulate=JJ,01", type, onlyWithoutRadio));
    EXPECT_EQ(type, QStringLiteral("JJ,01"));
    EXPECT_TRUE(SimulateOption("simulate-if-no-radio", type, onlyWithoutRadio));
    EXPECT_TRUE(onlyWithoutRadio);
    EXPECT_FALSE(SimulateOption("simulated", type, onlyWithoutRadio));
    EXPECT_FALSE(SimulateOption("no-splash", type, onlyWithoutRadio));
}
