// Undo and Redo on a shown main window: Ctrl+Z after a paste, a sort and a
// menu page change brings back the grid and the page; the commands name the
// step and stay usable on the menu pages; a text box keeps its own Ctrl+Z;
// and undoing back to the saved file leaves nothing to ask on closing.
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "mainwin/MenuPages.h"
#include "mainwin/SortDialog.h"
#include "rules/MenuRules.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

namespace {

const std::string Repeater = "000,00146940000,0,2,0,1,0,0,12,08,000,000600000,0,0,,,,W1AW";
const std::string Simplex = "001,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,SIMPLEX";

class UndoRedo : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        store_ = StoreFor("KK,0F", "ZT-Q2");
        form_ = MakeMainForm(*store_);
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        tslq::test::EditImage(form_->Doc(), [](RadioImage& image) {
            image.SetMemoryRecord(0, "000" + Simplex.substr(3));
            image.SetMemoryRecord(5, "005" + Repeater.substr(3));
        });
        form_->SetDataChanged(false);
    }
    void TearDown() override
    {
        form_->SetDataChanged(false); // no prompt when the window goes
        form_.reset();
        QGuiApplication::clipboard()->clear();
    }

    void Focus(GridId id, int row) { tslq::test::FocusGrid(*form_, id, row); }
    void CtrlZ(QWidget* target = nullptr)
    {
        QTest::keyClick(target ? target : form_.get(), Qt::Key_Z, Qt::ControlModifier);
    }
    QString Cell(GridId id, int column, int row) const { return form_->GridCell(id, column, row); }

    std::unique_ptr<MemoryConfigStore> store_;
    std::unique_ptr<MainWindow> form_;
};

TEST_F(UndoRedo, CtrlZAfterAPasteASortAndAMenuChangeBringsBackGridAndPage)
{
    MainWindow& form = *form_;
    EXPECT_FALSE(form.undoAction_->isEnabled());
    EXPECT_EQ(form.undoAction_->text(), "&Undo");

    // Paste channel 005 onto 030.
    Focus(GridId::Memory, 6);
    form.copyAction_->trigger();
    Focus(GridId::Memory, 31);
    ASSERT_TRUE(form.pasteAction_->isEnabled());
    form.pasteAction_->trigger();
    EXPECT_EQ(Cell(GridId::Memory, 2, 31), "146.940");
    EXPECT_EQ(form.undoAction_->text(), "&Undo Paste into 030");
    EXPECT_TRUE(form.undoAction_->isEnabled());
    EXPECT_EQ(form.UndoButton->toolTip(), "Undo Paste into 030");

    // Sort by frequency: 146.520 (000), 146.940 (005), 146.940 (030) close up.
    SortDialog sort(form.Doc(), &form);
    sort.SortChannels();
    EXPECT_EQ(Cell(GridId::Memory, 2, 1), "146.520");
    EXPECT_EQ(Cell(GridId::Memory, 2, 2), "146.940");
    EXPECT_EQ(Cell(GridId::Memory, 2, 3), "146.940");
    EXPECT_EQ(Cell(GridId::Memory, 2, 6), "");
    EXPECT_EQ(form.undoAction_->text(), "&Undo Sort by frequency");

    // A menu page change, undone on that page, where the Edit menu offers
    // Undo and Redo only.
    form.pages_->setCurrentWidget(form.menu1Page_);
    QApplication::processEvents();
    ASSERT_TRUE(form.editMenu_->menuAction()->isEnabled());
    ASSERT_FALSE(form.cutAction_->isEnabled());
    QCheckBox* keyLock = form.menuPages_->CheckBox_Lock;
    ASSERT_FALSE(keyLock->isChecked());
    keyLock->setFocus();
    keyLock->click();
    ASSERT_TRUE(keyLock->isChecked());
    EXPECT_EQ(form.Image().GetMenuSetting(MenuSetting::KeyLock), "1");
    EXPECT_EQ(form.undoAction_->text(), "&Undo Menu setting Key Lock");
    EXPECT_TRUE(form.undoAction_->isEnabled());
    EXPECT_TRUE(form.UndoButton->isEnabled());

    CtrlZ(keyLock);
    EXPECT_FALSE(keyLock->isChecked());
    EXPECT_EQ(form.Image().GetMenuSetting(MenuSetting::KeyLock), "0");
    EXPECT_EQ(form.redoAction_->text(), "&Redo Menu setting Key Lock");

    form.pages_->setCurrentWidget(form.memoryPage_);
    Focus(GridId::Memory, 1);
    CtrlZ(form.Grid(GridId::Memory));
    EXPECT_EQ(Cell(GridId::Memory, 2, 2), "");
    EXPECT_EQ(Cell(GridId::Memory, 2, 6), "146.940");
    EXPECT_EQ(Cell(GridId::Memory, 2, 31), "146.940");
    CtrlZ(form.Grid(GridId::Memory));
    EXPECT_EQ(Cell(GridId::Memory, 2, 31), "");
    EXPECT_EQ(Cell(GridId::Memory, 3, 31), "");
    EXPECT_FALSE(form.undoAction_->isEnabled());
    EXPECT_FALSE(form.DataChanged());

    // Ctrl+Y and Ctrl+Shift+Z do them again.
    QTest::keyClick(form.Grid(GridId::Memory), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(GridId::Memory, 2, 31), "146.940");
    QTest::keyClick(form.Grid(GridId::Memory), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(GridId::Memory, 2, 2), "146.940");
    EXPECT_EQ(Cell(GridId::Memory, 2, 31), "");
    EXPECT_TRUE(form.DataChanged());
}

TEST_F(UndoRedo, ATextBoxKeepsItsOwnCtrlZ)
{
    MainWindow& form = *form_;
    form.Doc().ToggleLockout(0);
    form.commentEdit_->setFocus();
    QTest::keyClicks(form.commentEdit_, "ab");
    EXPECT_EQ(form.Comment(), "ab");
    CtrlZ(form.commentEdit_);
    // The box took back its typing; the lock out stays.
    EXPECT_EQ(form.commentEdit_->text(), "");
    EXPECT_EQ(form.Comment(), "");
    EXPECT_EQ(Cell(GridId::Memory, 0, 1), "*");
    // The comment typed is one step, undone from the grid.
    QTest::keyClicks(form.commentEdit_, "73");
    Focus(GridId::Memory, 1);
    EXPECT_EQ(form.undoAction_->text(), "&Undo Comment");
    CtrlZ(form.Grid(GridId::Memory));
    EXPECT_EQ(form.commentEdit_->text(), "");
}

TEST_F(UndoRedo, UndoingBackToTheSavedFileLeavesNothingToAskOnClosing)
{
    MainWindow& form = *form_;
    Focus(GridId::Memory, 1);
    form.lockOutAction_->trigger();
    form.SetDataChanged(false); // as a save leaves it
    form.deleteAction_->trigger();
    EXPECT_TRUE(form.DataChanged());
    EXPECT_EQ(form.undoAction_->text(), "&Undo Delete 000");

    MessageRecorder messages;
    form.undoAction_->trigger();
    EXPECT_FALSE(form.DataChanged());
    EXPECT_TRUE(form.close());
    EXPECT_EQ(messages.Count(), 0);

    // Undoing past the save point is a change again: the prompt asks.
    form.show();
    form.undoAction_->trigger();
    EXPECT_TRUE(form.DataChanged());
    EXPECT_FALSE(form.close()); // the recorder answers Cancel
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), "Data is changed.\nDo you want to save the changes?");
}

} // namespace
