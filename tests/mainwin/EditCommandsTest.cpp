// The edit commands on a real main window: Cut, Copy, Paste, Delete and Lock
// Out through the Edit menu, the toolbar and the grids' pop-up menus, with
// the enabled state of every control, and the memory sort dialog.
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "mainwin/SortDialog.h"
#include "rules/PasteRules.h"
#include "ui/Clipboard.h"

#include "model/Profile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const std::string Repeater = "000,00145500000,0,2,0,1,0,0,08,08,000,000600000,0,1,,,,RPT,A";
const std::string Simplex = "001,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,SIMPLEX";

class EditCommands : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        form_.reset();
        QGuiApplication::clipboard()->clear();
    }

    MainWindow& Form(const char* type = "KK,0F", const char* model = "ZT-Q2")
    {
        store_.Write("Type", type);
        store_.Write("Model", model);
        MainWindow::Options options;
        options.store = &store_;
        options.showSplash = false;
        options.workingDirectory = QStringLiteral("/tmp");
        options.showSetup = [](SetupDialog&) {};
        form_ = std::make_unique<MainWindow>(options);
        form_->show();
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        QGuiApplication::clipboard()->clear();
        return *form_;
    }

    // Gives the grid the focus and selects a row (row 1 = first record), as a
    // click on it does.
    void Select(GridId id, int row)
    {
        form_->Grid(id)->setFocus(Qt::MouseFocusReason);
        form_->SelectRow(id, row);
        QApplication::processEvents();
        ASSERT_EQ(form_->ActiveGrid(), id);
        ASSERT_EQ(form_->SelectedRow(id), row);
    }

    int VfoRowOfBand(int band)
    {
        for (int row = 1; row <= form_->Grid(GridId::Vfo)->rowCount(); ++row) {
            if (form_->VfoBandOfRow(row) == band) return row;
        }
        return 0;
    }

    std::vector<bool> PasteStates() const
    {
        const MainWindow& f = *form_;
        return {f.pasteAction_->isEnabled(),     f.memoryPasteAction_->isEnabled(),
                f.vfoPasteAction_->isEnabled(),  f.callPasteAction_->isEnabled(),
                f.dtmfPasteAction_->isEnabled(), f.PasteButton->isEnabled()};
    }

    std::vector<bool> CutDeleteStates() const
    {
        const MainWindow& f = *form_;
        return {f.cutAction_->isEnabled(), f.memoryCutAction_->isEnabled(), f.CutButton->isEnabled(),
                f.deleteAction_->isEnabled(), f.memoryDeleteAction_->isEnabled()};
    }

    static std::vector<bool> All(bool state, std::size_t count) { return std::vector<bool>(count, state); }

    static QByteArray ClipboardBytes()
    {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data ? data->data(ClipboardFormat) : QByteArray();
    }

    MemoryConfigStore store_;
    std::unique_ptr<MainWindow> form_;
};

TEST_F(EditCommands, CopyThroughTheEditMenuPutsOnlyTheRecordInTheOwnFormat)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(0, Repeater); });
    form.RefreshAllViews();
    form.SetDataChanged(false);
    Select(GridId::Memory, 1);

    form.copyAction_->trigger();
    EXPECT_EQ(ClipboardBytes(), QByteArray(Repeater.data(), static_cast<qsizetype>(Repeater.size())) + '\0');
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList{ClipboardFormat});
    EXPECT_FALSE(data->hasText());
    EXPECT_FALSE(form.DataChanged());
    EXPECT_EQ(form.Image().PasteBuffer(), Repeater);

    // Paste it through the Edit menu onto channel 010.
    Select(GridId::Memory, 11);
    EXPECT_EQ(PasteStates(), All(true, 6));
    form.pasteAction_->trigger();
    EXPECT_EQ(form.Image().GetMemoryRecord(10),
              "010,00145500000,0,2,0,1,0,0,08,08,000,000600000,0,1,,,,RPT,A");
    EXPECT_TRUE(form.DataChanged());
    EXPECT_EQ(form.GridCell(GridId::Memory, 0, 11), "*");
    EXPECT_EQ(form.GridCell(GridId::Memory, 3, 11), "RPT,A");
    EXPECT_EQ(form.Image().GetMemoryRecord(0), Repeater);
}

TEST_F(EditCommands, CopyOfAnEmptyChannelLeavesNothingToPaste)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(0, Repeater); });
    form.RefreshAllViews();
    Select(GridId::Memory, 1);
    form.CopyButton->trigger();
    Select(GridId::Memory, 3);
    ASSERT_TRUE(form.pasteAction_->isEnabled());

    form.memoryCopyAction_->trigger(); // channel 002 is empty
    EXPECT_EQ(ClipboardBytes(), QByteArray(1, '\0'));
    EXPECT_EQ(form.Image().PasteBuffer(), "");
    EXPECT_EQ(PasteStates(), All(false, 6));
    for (GridId id : {GridId::Vfo, GridId::Call, GridId::Dtmf}) {
        Select(id, 1);
        EXPECT_EQ(PasteStates(), All(false, 6));
    }
}

TEST_F(EditCommands, CutThroughTheToolbarEmptiesTheChannel)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(1, Simplex); });
    form.RefreshAllViews();
    form.SetDataChanged(false);
    Select(GridId::Memory, 2);
    ASSERT_TRUE(form.CutButton->isEnabled());

    form.CutButton->trigger();
    EXPECT_EQ(form.Image().GetMemoryRecord(1), "");
    EXPECT_EQ(form.GridCell(GridId::Memory, 1, 2), "001");
    EXPECT_EQ(form.GridCell(GridId::Memory, 2, 2), "");
    EXPECT_EQ(form.GridCell(GridId::Memory, 3, 2), "");
    EXPECT_EQ(ClipboardBytes(), QByteArray(Simplex.c_str()) + '\0');
    EXPECT_TRUE(form.DataChanged());

    // The cut channel goes onto a priority channel with that slot's label.
    Select(GridId::Memory, 421);
    ASSERT_TRUE(form.PasteButton->isEnabled());
    form.PasteButton->trigger();
    EXPECT_EQ(form.Image().GetMemoryRecord(420),
              "PR1,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,SIMPLEX");
}

TEST_F(EditCommands, DeleteFromThePopupLeavesTheClipboardAlone)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(0, Repeater); });
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(1, Simplex); });
    form.RefreshAllViews();
    Select(GridId::Memory, 1);
    form.memoryCopyAction_->trigger();
    Select(GridId::Memory, 2);
    form.SetDataChanged(false);
    form.memoryDeleteAction_->trigger();
    EXPECT_EQ(form.Image().GetMemoryRecord(1), "");
    EXPECT_EQ(form.GridCell(GridId::Memory, 2, 2), "");
    EXPECT_TRUE(form.DataChanged());
    EXPECT_EQ(ClipboardBytes(), QByteArray(Repeater.c_str()) + '\0');
}

TEST_F(EditCommands, DtmfPopupCutsAndPastesMemories)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetDtmfRecord(2, "02,5551234,HOME"); });
    form.RefreshAllViews();
    Select(GridId::Dtmf, 3);
    EXPECT_TRUE(form.dtmfCutAction_->isEnabled());
    EXPECT_TRUE(form.dtmfDeleteAction_->isEnabled());
    EXPECT_EQ(CutDeleteStates(), All(true, 5));

    form.dtmfCutAction_->trigger();
    EXPECT_EQ(form.Image().GetDtmfRecord(2), "");
    EXPECT_EQ(form.GridCell(GridId::Dtmf, 2, 3), "");
    Select(GridId::Dtmf, 8);
    ASSERT_TRUE(form.dtmfPasteAction_->isEnabled());
    form.dtmfPasteAction_->trigger();
    EXPECT_EQ(form.Image().GetDtmfRecord(7), "07,5551234,HOME");
    EXPECT_EQ(form.GridCell(GridId::Dtmf, 2, 8), "5551234");

    // A DTMF record does not fit any channel grid.
    for (GridId id : {GridId::Memory, GridId::Vfo, GridId::Call}) {
        Select(id, 1);
        EXPECT_EQ(PasteStates(), All(false, 6));
    }
}

TEST_F(EditCommands, VfoAndCallPopupsCopyAndPasteByBand)
{
    MainWindow& form = Form("KK,0F", "ZT-Q2");
    // B_144MHz carries 146.52 MHz FM; it fits the 144 MHz CALL channel but
    // not the 440 MHz one.
    const int b144 = VfoRowOfBand(9);
    ASSERT_GT(b144, 0);
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) {
        image.SetVfoRecord(9, "9,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,");
    });
    form.RefreshAllViews();
    Select(GridId::Vfo, b144);
    EXPECT_EQ(CutDeleteStates(), All(false, 5));
    form.vfoCopyAction_->trigger();

    Select(GridId::Call, 1); // "144MHz"
    EXPECT_TRUE(form.callPasteAction_->isEnabled());
    EXPECT_EQ(CutDeleteStates(), All(false, 5));
    form.callPasteAction_->trigger();
    EXPECT_EQ(form.Image().GetCallRecord(0), "0,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,");
    Select(GridId::Call, 3); // "440MHz"
    EXPECT_EQ(PasteStates(), All(false, 6));

    // The A-band VFO takes it inside its program VFO range, onto its own label.
    Select(GridId::Vfo, VfoRowOfBand(0));
    EXPECT_TRUE(form.vfoPasteAction_->isEnabled());
    form.vfoPasteAction_->trigger();
    EXPECT_EQ(form.Image().GetRecordField(RecordKind::Vfo, 0, 0), "0");
    EXPECT_EQ(form.Image().GetRecordField(RecordKind::Vfo, 0, 1), "00146520000");
}

TEST_F(EditCommands, PasteOntoAnEmptyVfoSlotGetsTheBandCode)
{
    MainWindow& form = Form("KK,0F", "ZT-Q2");
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(0, "000,00440000000,0,0,0,0,0,0,08,08,000,005000000,0,0,,,,");
    });
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetVfoRecord(12, ""); });
    form.RefreshAllViews();
    Select(GridId::Memory, 1);
    form.copyAction_->trigger();
    Select(GridId::Vfo, VfoRowOfBand(12));
    ASSERT_TRUE(form.pasteAction_->isEnabled());
    form.pasteAction_->trigger();
    EXPECT_EQ(form.Image().GetVfoRecord(12), "C,00440000000,0,0,0,0,0,0,08,08,000,005000000,0,,,,,");
}

TEST_F(EditCommands, InformationChannelsByMarket)
{
    for (const char* type : {"KK,0F", "JJ,01", "ME,0B", "MM,07"}) {
        MainWindow& form = Form(type, "ZT-Q3");
        tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(0, Repeater); });
        form.RefreshAllViews();
        Select(GridId::Memory, 1);
        form.copyAction_->trigger();
        Select(GridId::Memory, 423); // "I-1"
        const bool editable = type[1] == 'E' || type[1] == 'M';
        EXPECT_EQ(CutDeleteStates(), All(editable, 5)) << type;
        EXPECT_EQ(PasteStates(), All(true, 6)) << type;
        Select(GridId::Memory, 422); // "PR2"
        EXPECT_EQ(CutDeleteStates(), All(true, 5)) << type;
        TearDown();
    }
}

TEST_F(EditCommands, MenuPagesDisableTheEditCommands)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(0, Repeater); });
    form.RefreshAllViews();
    Select(GridId::Memory, 1);
    form.copyAction_->trigger();
    ASSERT_TRUE(form.cutAction_->isEnabled());
    for (int page : {1, 2}) {
        form.pages_->setCurrentIndex(page);
        QApplication::processEvents();
        // The Edit menu stays open for Undo and Redo; its edit commands are off.
        EXPECT_TRUE(form.editMenu_->menuAction()->isEnabled());
        for (QAction* item :
             {form.cutAction_, form.copyAction_, form.pasteAction_, form.deleteAction_, form.sortAction_})
            EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
        EXPECT_FALSE(form.CutButton->isEnabled());
        EXPECT_FALSE(form.CopyButton->isEnabled());
        EXPECT_FALSE(form.PasteButton->isEnabled());
        form.RunUpdateEditCommands(); // as on activation of the application
        EXPECT_EQ(CutDeleteStates(), All(false, 5));
        EXPECT_FALSE(form.PasteButton->isEnabled());
    }
    form.pages_->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_TRUE(form.editMenu_->menuAction()->isEnabled());
    EXPECT_TRUE(form.copyAction_->isEnabled());
    EXPECT_TRUE(form.sortAction_->isEnabled());
    EXPECT_TRUE(form.CopyButton->isEnabled());
    EXPECT_TRUE(form.CutButton->isEnabled());
}

TEST_F(EditCommands, ThePasteBufferOutlivesForeignClipboardContents)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(0, Repeater); });
    form.RefreshAllViews();
    Select(GridId::Memory, 1);
    form.copyAction_->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("plain text from elsewhere"));
    Select(GridId::Memory, 6);
    EXPECT_EQ(form.Image().PasteBuffer(), Repeater);
    EXPECT_TRUE(form.pasteAction_->isEnabled());

    // An oversized payload in the own format is ignored as well.
    auto* data = new QMimeData;
    data->setData(ClipboardFormat, QByteArray(150, 'x') + '\0');
    QGuiApplication::clipboard()->setMimeData(data);
    form.RunUpdateEditCommands();
    EXPECT_EQ(form.Image().PasteBuffer(), Repeater);
}

TEST_F(EditCommands, LockOutFromThePopup)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(1, Simplex); });
    form.RefreshAllViews();
    Select(GridId::Memory, 2);
    form.SetDataChanged(false);
    form.MemoryPopupShown();
    ASSERT_TRUE(form.lockOutAction_->isEnabled());
    form.lockOutAction_->trigger();
    EXPECT_EQ(form.GridCell(GridId::Memory, 0, 2), "*");
    EXPECT_TRUE(form.DataChanged());
    form.lockOutAction_->trigger();
    EXPECT_EQ(form.Image().GetMemoryRecord(1), Simplex);
    EXPECT_EQ(form.GridCell(GridId::Memory, 0, 2), "");

    // An empty channel: nothing changes, the data stays unchanged.
    Select(GridId::Memory, 3);
    form.SetDataChanged(false);
    form.lockOutAction_->trigger();
    EXPECT_EQ(form.Image().GetMemoryRecord(2), "");
    EXPECT_FALSE(form.DataChanged());

    for (const auto& [row, enabled] :
         {std::pair{400, true}, {401, false}, {421, false}, {422, false}, {423, true}}) {
        Select(GridId::Memory, row);
        form.MemoryPopupShown();
        EXPECT_EQ(form.lockOutAction_->isEnabled(), enabled) << row;
    }
}

TEST_F(EditCommands, RightButtonSelectsTheRowUnderThePointer)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(4, Simplex); });
    form.RefreshAllViews();
    QTableWidget* memory = form.Grid(GridId::Memory);
    Select(GridId::Dtmf, 1);

    const QRect cell = memory->visualRect(memory->model()->index(4, 1));
    QTest::mousePress(memory->viewport(), Qt::RightButton, {}, cell.center());
    QApplication::processEvents();
    EXPECT_EQ(form.ActiveGrid(), GridId::Memory);
    EXPECT_EQ(form.SelectedRow(GridId::Memory), 5);
    EXPECT_TRUE(form.memoryCutAction_->isEnabled());
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QTest::mouseRelease(memory->viewport(), Qt::RightButton, {}, cell.center());

    // The heading selects the top visible row.
    memory->scrollToBottom();
    QApplication::processEvents();
    const int top = memory->rowAt(0);
    ASSERT_GT(top, 0);
    QTest::mousePress(memory->horizontalHeader(), Qt::RightButton, {}, QPoint(40, 3));
    QApplication::processEvents();
    EXPECT_EQ(form.SelectedRow(GridId::Memory), top + 1);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

TEST_F(EditCommands, ShortcutsReachTheCommandsFromTheGrid)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(0, Repeater); });
    form.RefreshAllViews();
    Select(GridId::Memory, 1);
    QTest::keyClick(form.Grid(GridId::Memory), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardBytes(), QByteArray(Repeater.c_str()) + '\0');
    Select(GridId::Memory, 8);
    QTest::keyClick(form.Grid(GridId::Memory), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Image().GetRecordField(RecordKind::Memory, 7, 1), "00145500000");
    QTest::keyClick(form.Grid(GridId::Memory), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(form.Image().GetMemoryRecord(7), "");
}

TEST_F(EditCommands, SortDialogSortsRenumbersAndMarksTheData)
{
    MainWindow& form = Form();
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(9, "009,00440000000,0,0,0,0,0,0,08,08,000,005000000,0,0,,,,beta");
    });
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(3, "003,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,Alpha");
    });
    form.RefreshAllViews();
    form.SetDataChanged(false);
    {
        SortDialog sort(form.Doc(), &form);
        EXPECT_EQ(sort.windowTitle(), "Memory Channel Sort");
        EXPECT_TRUE(sort.frequencyButton_->isChecked());
        sort.cancelButton_->click();
        EXPECT_EQ(sort.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(form.DataChanged());
    EXPECT_EQ(form.Image().GetRecordField(RecordKind::Memory, 9, 17), "beta");

    // Through the Edit menu, with the dialog answered while it is shown.
    QTimer::singleShot(0, [] {
        auto* sort = qobject_cast<SortDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(sort, nullptr);
        sort->nameButton_->setChecked(true);
        sort->sortButton_->click();
    });
    form.sortAction_->trigger();
    EXPECT_TRUE(form.DataChanged());
    EXPECT_EQ(form.Image().GetMemoryRecord(0),
              "000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,Alpha");
    EXPECT_EQ(form.Image().GetMemoryRecord(1), "001,00440000000,0,0,0,0,0,0,08,08,000,005000000,0,0,,,,beta");
    EXPECT_EQ(form.GridCell(GridId::Memory, 3, 1), "Alpha");
    EXPECT_EQ(form.GridCell(GridId::Memory, 0, 1), "*");
    EXPECT_EQ(form.GridCell(GridId::Memory, 3, 10), "");

    // Nothing to sort: still marked as changed.
    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.ClearImage(); });
    form.SetDataChanged(false);
    SortDialog sort(form.Doc(), &form);
    sort.SortChannels();
    EXPECT_TRUE(form.DataChanged());
}

} // namespace
