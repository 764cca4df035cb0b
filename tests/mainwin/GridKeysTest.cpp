// Keys and commands on the grids and the comment box of a shown main window:
// Cut and Delete without a row to act on, the row the keyboard moves to, the
// Delete key, and a comment pasted from the clipboard.
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using tslq::test::MakeMainForm;
using tslq::test::StoreFor;

namespace {

const std::string Simplex = "001,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,SIMPLEX";

class GridKeys : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        store_ = StoreFor("KK,0F", "ZT-Q2");
        form_ = MakeMainForm(*store_);
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        tslq::test::EditImage(form_->Doc(), [&](RadioImage& image) { image.SetMemoryRecord(1, Simplex); });
        tslq::test::EditImage(form_->Doc(),
                              [&](RadioImage& image) { image.SetDtmfRecord(2, "02,5551212,OFFICE"); });
        form_->RefreshAllViews();
        form_->SetDataChanged(false);
    }
    void TearDown() override
    {
        form_.reset();
        QGuiApplication::clipboard()->clear();
    }

    void Focus(GridId id, int row) { tslq::test::FocusGrid(*form_, id, row); }

    std::unique_ptr<MemoryConfigStore> store_;
    std::unique_ptr<MainWindow> form_;
};

TEST_F(GridKeys, CutAndDeleteWithoutATargetRowChangeNothing)
{
    MainWindow& form = *form_;
    const auto tryAll = [&](const char* when) {
        for (QAction* command : {form.CutButton, form.cutAction_, form.deleteAction_, form.dtmfCutAction_,
                                 form.dtmfDeleteAction_}) {
            command->trigger();
            EXPECT_FALSE(form.DataChanged()) << when << ' ' << command->text().toStdString();
        }
        EXPECT_EQ(form.Image().GetMemoryRecord(1), Simplex) << when;
        EXPECT_EQ(form.Image().GetDtmfRecord(2), "02,5551212,OFFICE") << when;
    };
    ASSERT_EQ(form.ActiveGrid(), GridId::None);
    tryAll("at start");
    Focus(GridId::Memory, 2);
    form.commentEdit_->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(form.ActiveGrid(), GridId::None);
    tryAll("after leaving the grid");
}

// Whatever key moves the memory grid's current row, that row is the one shown
// selected, since it is the row Copy, Cut and the status bar act on.
TEST_F(GridKeys, TheRowTheCommandsActOnIsAlwaysShownSelected)
{
    QTableWidget* grid = form_->Grid(GridId::Memory);
    struct Move
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row; // expected grid row, 0: anywhere
    };
    const Move moves[] = {{Qt::Key_End, Qt::ControlModifier, 432}, {Qt::Key_Home, Qt::ControlModifier, 1},
                          {Qt::Key_PageDown, Qt::NoModifier, 0},   {Qt::Key_End, Qt::NoModifier, 0},
                          {Qt::Key_Home, Qt::NoModifier, 0},       {Qt::Key_Down, Qt::NoModifier, 0},
                          {Qt::Key_Left, Qt::NoModifier, 0},       {Qt::Key_Home, Qt::ControlModifier, 1}};
    // Tab into a grid that has no current row yet makes its first row current.
    QTableWidget* vfo = form_->Grid(GridId::Vfo);
    vfo->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(form_->SelectedRow(GridId::Vfo), 1);
    EXPECT_TRUE(vfo->selectionModel()->isRowSelected(0, {}));
    EXPECT_EQ(form_->StatusPanelText(3), "Programmable VFO : 137-173");

    Focus(GridId::Memory, 40);
    for (const Move& move : moves) {
        QTest::keyClick(grid, move.key, move.modifiers);
        QApplication::processEvents();
        const int row = form_->SelectedRow(GridId::Memory);
        if (move.row) {
            EXPECT_EQ(row, move.row) << move.key;
        }
        ASSERT_GE(row, 1) << move.key;
        EXPECT_TRUE(grid->selectionModel()->isRowSelected(row - 1, {})) << move.key << " row " << row;
        EXPECT_EQ(grid->selectionModel()->selectedRows(1).size(), 1) << move.key;
    }
}

TEST_F(GridKeys, DeleteKeyDeletesInTheGridsAndEditsInTheCommentBox)
{
    MainWindow& form = *form_;
    Focus(GridId::Memory, 2);
    QTest::keyClick(form.Grid(GridId::Memory), Qt::Key_Delete);
    EXPECT_EQ(form.Image().GetMemoryRecord(1), "");
    EXPECT_TRUE(form.DataChanged());

    form.SetDataChanged(false);
    Focus(GridId::Dtmf, 3);
    QTest::keyClick(form.Grid(GridId::Dtmf), Qt::Key_Delete);
    EXPECT_EQ(form.Image().GetDtmfRecord(2), "");
    EXPECT_TRUE(form.DataChanged());

    // The VFO grid has no Delete; the information channels of market K keep theirs.
    form.SetDataChanged(false);
    const std::string vfo = form.Image().GetVfoRecord(0);
    Focus(GridId::Vfo, 1);
    QTest::keyClick(form.Grid(GridId::Vfo), Qt::Key_Delete);
    EXPECT_EQ(form.Image().GetVfoRecord(0), vfo);
    const std::string weather = form.Image().GetMemoryRecord(422);
    Focus(GridId::Memory, 423);
    QTest::keyClick(form.Grid(GridId::Memory), Qt::Key_Delete);
    EXPECT_EQ(form.Image().GetMemoryRecord(422), weather);
    EXPECT_FALSE(form.DataChanged());

    tslq::test::EditImage(form.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(1, Simplex); });
    tslq::test::LoadComment(form.Doc(), QStringLiteral("abc"));
    Focus(GridId::Memory, 2);
    form.commentEdit_->setFocus(Qt::TabFocusReason);
    form.commentEdit_->setCursorPosition(0);
    QTest::keyClick(form.commentEdit_, Qt::Key_Delete);
    EXPECT_EQ(form.Comment(), "bc");
    EXPECT_EQ(form.Image().GetMemoryRecord(1), Simplex);
}

TEST_F(GridKeys, PastedCommentKeepsItsFirstFiftyCharacters)
{
    MainWindow& form = *form_;
    QLineEdit* comment = form.commentEdit_;
    const QString pasted = QStringLiteral("0123456789").repeated(6);
    QGuiApplication::clipboard()->setText(pasted);
    comment->setFocus(Qt::TabFocusReason);
    comment->paste();
    EXPECT_EQ(form.Comment(), pasted.left(50));
    EXPECT_TRUE(form.DataChanged());

    // Pasted between typed text, only what fits arrives, and the text after
    // the cursor stays.
    tslq::test::LoadComment(form.Doc(), QString(40, u'a') + QString(5, u'z'));
    comment->setCursorPosition(40);
    QGuiApplication::clipboard()->setText(QStringLiteral("XYZXYZXYZ"));
    comment->paste();
    EXPECT_EQ(form.Comment(), QString(40, u'a') + QStringLiteral("XYZXY") + QString(5, u'z'));
    EXPECT_EQ(comment->cursorPosition(), 45);

    // A full comment takes nothing more; a longer one from a file stays whole.
    comment->paste();
    EXPECT_EQ(form.Comment().size(), 50);
    const QString fromFile(70, u'f');
    tslq::test::LoadComment(form.Doc(), fromFile);
    comment->setCursorPosition(70);
    comment->paste();
    EXPECT_EQ(form.Comment(), fromFile);
}

} // namespace
