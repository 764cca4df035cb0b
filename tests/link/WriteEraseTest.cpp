// What a write will erase, said before it runs, and what the program then
// takes the radio to hold: the window's write confirmation against a
// simulated radio behind COM1, its real message box, and the baseline after
// every kind of write.
#include "document/Document.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "link/CompareDialog.h"
#include "link/LinkCommands.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "sim/SampleLoad.h"
#include "support/ServedRadio.h"
#include "support/TestSupport.h"
#include "support/TransferHarness.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::ServedRadio;
using tslq::test::StoreFor;

namespace {

// Counts the compare views shown and closes them.
struct CompareCounter
{
    int shown = 0;
    ComparePresenter previous = SetComparePresenter([this](CompareDialog&) {
        ++shown;
        return CompareDialog::Choice::Close;
    });
    ~CompareCounter() { SetComparePresenter(std::move(previous)); }
};

} // namespace

// The fault as a ham met it: the radio read, a file of it cut after memory
// 030 opened, Write > All.
TEST(WriteErase, AfterAReadTheConfirmationNamesWhatACutFileLacksAndEveryChannelItEmpties)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    const RadioImage sample = SampleRadioImage("KK,0F", "ZT-Q2");
    ServedRadio served(sample, {}, 1);
    MessageRecorder messages;
    form->readAllAction_->trigger();
    ASSERT_EQ(messages.Count(), 0) << messages.LastText().toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath("cut.qx");
    const std::string file = WriteDataFile(form->Image(), "");
    ASSERT_TRUE(tslq::test::WriteBytes(path.toStdString(),
                                       file.substr(0, file.find('\n', file.find("\n030\t") + 1) + 1)));
    const QString endsEarly =
        "This file ends early: DTMF memories, VFO, CALL and the menu settings are not in "
        "it, and memory channels may be missing; what is missing holds empty or default "
        "values.";
    form->Files().CommandLineLoad(path);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText().toStdString(), endsEarly.toStdString());

    form->writeAllAction_->trigger();
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Messages()[1].kind, MessageKind::WriteQuestion);
    const QStringList lines = messages.LastText().split('\n');
    ASSERT_EQ(lines.size(), 5) << messages.LastText().toStdString();
    EXPECT_EQ(lines[0].toStdString(), endsEarly.toStdString());
    EXPECT_EQ(lines[1].toStdString(), "The write sends those values in their place.");
    EXPECT_TRUE(QRegularExpression("^Against what the radio held at the last read at \\d\\d:\\d\\d:\\d\\d "
                                   "\\(KK,0F ZT-Q2\\), this write changes 21 channels and 4 DTMF "
                                   "memories\\.$")
                    .match(lines[2])
                    .hasMatch())
        << lines[2].toStdString();
    EXPECT_EQ(lines[3].toStdString(),
              "This write empties 21 channels and 4 DTMF memories the radio holds: 031, 040, 050, "
              "051, 060–063, L0, U0, PR1, I-1, I-2, I-3, I-4, I-5, I-6, I-7, I-8, I-9, I-0; "
              "DTMF 0–3.");
    EXPECT_EQ(lines[4].toStdString(), "Do you want to write the data to the radio?");

    // Compare First... compares instead, and nothing is written.
    CompareCounter compare;
    messages.Answer(MessageButton::CompareFirst);
    form->writeAllAction_->trigger();
    EXPECT_EQ(compare.shown, 1);
    EXPECT_EQ(CompareImages(sample, served.Contents()), "");

    // The first save asks: the saved file will look whole.
    const std::string cut = tslq::test::ReadBytes(path.toStdString());
    form->Files().SaveFile();
    EXPECT_EQ(messages.LastText().toStdString(),
              endsEarly.toStdString() + "\nThe saved file will hold those values as if they had been in it."
                                        "\nDo you want to save?");
    EXPECT_EQ(tslq::test::ReadBytes(path.toStdString()), cut);
    messages.Answer(MessageButton::Yes);
    const int asked = messages.Count();
    form->Files().SaveFile();
    form->Files().SaveFile();
    EXPECT_EQ(messages.Count(), asked + 1);
    EXPECT_NE(tslq::test::ReadBytes(path.toStdString()), cut);
}

TEST(WriteErase, TheBoxHasCompareFirstAndKeepsTheVersionCodeOnOneLine)
{
    const QString text = "Against what the radio held at the last read at 12:31:05 (KK,0F ZT-Q2), this write "
                         "changes 1 channel.\nDo you want to write the data to the radio?";
    QStringList buttons;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        if (const qsizetype i = buttons.indexOf("Compare First..."); i >= 0)
            box->buttons().at(i)->click();
        else
            box->reject();
    });
    EXPECT_EQ(ShowMessage(MessageKind::WriteQuestion, text), MessageButton::CompareFirst);
    EXPECT_EQ(buttons.size(), 3) << buttons.join('|').toStdString();
    EXPECT_EQ(shown, MessageBoxText(text));
    // However narrow the box, "KK,0F" is never split after its comma; a
    // comma before a blank still ends a line.
    int breaks = 0;
    for (int width = 40; width < 700; width += 3) {
        QTextLayout layout(shown, QApplication::font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const QString part = shown.mid(line.textStart(), line.textLength());
            EXPECT_FALSE(part.endsWith("KK,") || part.endsWith("KK,\u2060")) << width;
            breaks += part.endsWith("), ");
        }
        layout.endLayout();
    }
    EXPECT_GT(breaks, 0);
}

// After each kind of write the radio holds, and the program takes it to
// hold, the window's records in every slot the write covers, of every kind;
// outside it what the read found.
TEST(WriteErase, TheBaselineFollowsEveryWriteOfEveryKind)
{
    const RadioImage radio = SampleImage("KK,0F", "ZT-Q2");
    const auto edit = [](RadioImage& image) {
        image.SetMemoryRecord(5, "005,00145520000,5,1,0,1,0,0,12,08,007,000600000,0,0,00146100000,5,,RPT");
        image.SetCallRecord(0, "0,00145100000,5,0,0,0,0,0,08,08,000,000600000,0,,,,,");
        image.SetVfoRecord(12, "C,00440000000,7,0,0,0,0,0,08,08,000,005000000,0,,,,,");
        image.SetProgramVfoRecord(0, "0,00144,00146");
        image.SetDtmfRecord(9, "09,9*9#,LAST");
        image.SetMenuSetting(23, "2");
    };
    // Each write, and the scope of what it leaves as the radio had it.
    const struct
    {
        QAction* MainWindow::*action;
        std::optional<LinkScope> untouched;
    } writes[] = {
        {&MainWindow::writeChangesAction_, std::nullopt},
        {&MainWindow::writeAllAction_, std::nullopt},
        {&MainWindow::writeMemoryAction_, LinkScope::Menu},
        {&MainWindow::writeMenuAction_, LinkScope::Memory},
    };
    for (const auto& write : writes) {
        auto store = StoreFor("KK,0F", "ZT-Q2");
        auto form = MakeMainForm(*store);
        SCOPED_TRACE((form.get()->*write.action)->text().toStdString());
        ServedRadio served(radio, {}, 1);
        MessageRecorder messages({MessageButton::Yes});
        form->readAllAction_->trigger();
        tslq::test::EditImage(form->Doc(), edit);
        const RadioImage window = form->Image();
        const RadioImage read = form->Link().Baseline().Image();
        ASSERT_EQ(DifferingSlots(read, window).Count(), 6);

        (form.get()->*write.action)->trigger();
        const SlotSet outside = write.untouched ? DifferingSlots(read, window, *write.untouched) : SlotSet();
        ASSERT_TRUE(form->Link().Baseline().Has());
        EXPECT_EQ(DifferingSlots(form->Link().Baseline().Image(), window), outside);
        EXPECT_EQ(DifferingSlots(served.Contents(), window), outside);
    }
}
