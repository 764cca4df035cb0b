// The main window as a screen reader and a keyboard reach it: every page of
// both kinds of market names its controls; grid cells are said with their
// channel and column; F2, Enter, Shift+F10, the Menu key and Ctrl+Shift+S
// work without a mouse; the Find count and Undo/Redo are announced.
#include "channels/ChannelFilter.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChannelsPage.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "mainwin/MenuPages.h"
#include "support/AccessibleEvents.h"
#include "support/AccessibleWalk.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

using tslq::test::AccessibleEventLog;
using tslq::test::MakeMainForm;
using tslq::test::SpokenName;
using tslq::test::StoreFor;

namespace {

const std::string Repeater = "012,00146940000,0,2,0,1,0,0,12,08,000,000600000,0,0,,,,W1AW";
const std::string LockedOut = "040,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,";

class Accessibility : public ::testing::Test
{
  protected:
    void Open(const std::string& type)
    {
        form_.reset(); // before the store it uses
        store_ = StoreFor(type, "ZT-Q2");
        form_ = MakeMainForm(*store_);
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        tslq::test::EditImage(form_->Doc(), [](RadioImage& image) {
            image.SetMemoryRecord(12, Repeater);
            image.SetMemoryRecord(40, LockedOut);
            image.SetDtmfRecord(2, "02,5551212,OFFICE");
        });
        form_->SetDataChanged(false);
    }
    void SetUp() override { Open("KK,0F"); }
    void TearDown() override
    {
        for (QWidget* popup = QApplication::activePopupWidget(); popup;
             popup = QApplication::activePopupWidget())
            popup->close();
        form_->SetDataChanged(false);
        form_.reset();
        QGuiApplication::clipboard()->clear();
    }

    void Focus(GridId id, int row)
    {
        form_->pages_->setCurrentWidget(form_->memoryPage_);
        tslq::test::FocusGrid(*form_, id, row);
    }
    ChannelsPage& Channels()
    {
        form_->pages_->setCurrentWidget(form_->channelsPage_);
        QApplication::processEvents();
        return *form_->channelsPage_;
    }
    // The current cell of the Channels page on a slot's row.
    void ChannelsCell(int slot, ChannelColumn column)
    {
        // A pop-up menu shown before took the activation with it.
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        ChannelsPage& page = Channels();
        const QModelIndex source = page.Model().index(slot, static_cast<int>(column));
        page.View()->setFocus(Qt::MouseFocusReason);
        page.View()->setCurrentIndex(page.Filter().mapFromSource(source));
        QApplication::processEvents();
    }

    std::unique_ptr<MemoryConfigStore> store_;
    std::unique_ptr<MainWindow> form_;
};

// What a screen reader says on a table cell: its row heading, its column
// heading and its text, as the accessible table interfaces give them.
QString Announcement(QAbstractItemView* view, int row, int column)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, column);
    if (!cell || !cell->tableCellInterface()) return QStringLiteral("(no cell)");
    const auto first = [](const QList<QAccessibleInterface*>& headers) {
        return headers.isEmpty() ? QStringLiteral("(none)") : headers.front()->text(QAccessible::Name);
    };
    return QStringList{first(cell->tableCellInterface()->rowHeaderCells()),
                       first(cell->tableCellInterface()->columnHeaderCells()), cell->text(QAccessible::Name)}
        .join(QStringLiteral(", "));
}

QString Description(QAbstractItemView* view, int row, int column)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    return table->tableInterface()->cellAt(row, column)->text(QAccessible::Description);
}

TEST_F(Accessibility, EveryPageOfBothKindsOfMarketNamesEveryControl)
{
    for (const std::string type : {"KK,0F", "JJ,0F"}) {
        Open(type);
        for (QWidget* page : {form_->memoryPage_, form_->menu1Page_, form_->menu2Page_,
                              static_cast<QWidget*>(form_->channelsPage_)}) {
            form_->pages_->setCurrentWidget(page);
            QApplication::processEvents();
            EXPECT_EQ(tslq::test::AccessibilityProblems(form_.get()).join(u'\n').toStdString(), "")
                << type << ' ' << form_->pages_->tabText(form_->pages_->currentIndex()).toStdString();
        }
        const std::pair<QWidget*, QString> named[] = {
            {form_->Grid(GridId::Memory), "Memory channels"},
            {form_->Grid(GridId::Vfo), "VFO"},
            {form_->Grid(GridId::Call), "CALL channels"},
            {form_->Grid(GridId::Dtmf), "DTMF memories"},
            {form_->channelsPage_->View(), "Channels"},
            {form_->channelsPage_->FilterBox(), "Find"},
            {form_->channelsPage_->FilterBox()->findChild<QToolButton*>(), "Clear Find"},
            {form_->pages_, "Pages"},
            {form_->commentEdit_, "Comment"},
            {form_->menuPages_->ComboBox_Save, "Battery Saver"},
            {form_->menuPages_->RadioGroup_Band, "Operation Band"},
            {form_->menuPages_->CheckBox_0, "Group link 0"},
            {form_->menuPages_->CheckBox_7, "Group link 7"},
        };
        for (const auto& [widget, name] : named)
            EXPECT_EQ(SpokenName(widget), name) << type;
        // Boxes and radio groups are announced with their own title, also
        // inside another box.
        for (QGroupBox* box : form_->findChildren<QGroupBox*>()) {
            if (!box->title().isEmpty()) {
                EXPECT_EQ(SpokenName(box), QString(box->title()).remove(u'&'));
            }
        }
    }
}

TEST_F(Accessibility, GridCellsAreSaidWithTheirChannelAndColumn)
{
    struct Case
    {
        GridId grid;
        int row, column; // of the table
        QString said;
    };
    const Case cases[] = {
        {GridId::Memory, 12, 2, "012, Rx(Tx) Freq., 146.940"},
        {GridId::Memory, 12, 3, "012, Name, W1AW"},
        {GridId::Memory, 12, 1, "012, ch., 012"},
        {GridId::Memory, 13, 3, "013, Name, empty"},
        {GridId::Memory, 12, 0, "012, Lockout, not locked out"},
        {GridId::Memory, 40, 0, "040, Lockout, locked out"},
        {GridId::Memory, 41, 0, "041, Lockout, empty"},
        {GridId::Vfo, 0, 2, "A 144MHz, Freq., 144.000"},
        {GridId::Dtmf, 2, 2, "2, DTMF Code, 5551212"},
        {GridId::Dtmf, 3, 2, "3, DTMF Code, empty"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Announcement(form_->Grid(c.grid), c.row, c.column), c.said);

    // The status bar's texts are the description of every cell of the row.
    Focus(GridId::Memory, 13);
    EXPECT_EQ(form_->StatusPanelText(1), "-");
    EXPECT_EQ(Description(form_->Grid(GridId::Memory), 12, 3), "Offset : 0.60MHz, minus shift, tone 100.0Hz");
    EXPECT_EQ(Description(form_->Grid(GridId::Dtmf), 2, 1), "Name : OFFICE");

    // The Channels page: rows headed by their channel, also when sorted;
    // headings cut short are said whole; boxes say on or off.
    ChannelsPage& page = Channels();
    page.View()->sortByColumn(static_cast<int>(ChannelColumn::Receive), Qt::DescendingOrder);
    const auto row = [&](int slot) { return page.Filter().mapFromSource(page.Model().index(slot, 0)).row(); };
    const auto column = [](ChannelColumn c) { return static_cast<int>(c); };
    EXPECT_EQ(Announcement(page.View(), row(12), column(ChannelColumn::Receive)),
              "012, Receive (MHz), 146.940");
    EXPECT_EQ(Announcement(page.View(), row(12), column(ChannelColumn::OffsetOrTx)),
              "012, Offset / Tx (MHz), 0.60");
    EXPECT_EQ(Announcement(page.View(), row(40), column(ChannelColumn::Lockout)), "040, Lock out, on");
    EXPECT_EQ(Announcement(page.View(), row(12), column(ChannelColumn::Lockout)), "012, Lock out, off");
    EXPECT_EQ(Announcement(page.View(), row(13), column(ChannelColumn::Name)), "013, Name, empty");
}

TEST_F(Accessibility, EveryGridCommandHasItsKey)
{
    MainWindow& form = *form_;
    int opened = 0;
    for (GridId id : {GridId::Memory, GridId::Vfo, GridId::Call, GridId::Dtmf})
        form.GridEditorHandler[static_cast<std::size_t>(id)] = [&opened] { ++opened; };

    // The first Tab from the page tabs lands on the memory grid's first row,
    // on the channel label.
    QTabBar* tabs = form.pages_->tabBar();
    tabs->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs, Qt::Key_Tab);
    QTableWidget* memory = form.Grid(GridId::Memory);
    ASSERT_EQ(QApplication::focusWidget(), memory);
    EXPECT_EQ(form.SelectedRow(GridId::Memory), 1);
    EXPECT_EQ(memory->currentColumn(), 1);

    Focus(GridId::Memory, 13);
    QTest::keyClick(memory, Qt::Key_F2);
    QTest::keyClick(memory, Qt::Key_Return);
    EXPECT_EQ(opened, 2);

    // Shift+F10 and the Menu key open the grid's pop-up menu at the current
    // cell; so does the platform's keyboard context menu event.
    const QPoint cell =
        memory->viewport()->mapToGlobal(memory->visualRect(memory->currentIndex()).bottomLeft());
    QTest::keyClick(memory, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(form.memoryPopup_->isVisible());
    EXPECT_EQ(form.memoryPopup_->pos(), cell);
    form.memoryPopup_->close();
    Focus(GridId::Dtmf, 3);
    QTest::keyClick(form.Grid(GridId::Dtmf), Qt::Key_Menu);
    EXPECT_TRUE(form.dtmfPopup_->isVisible());
    form.dtmfPopup_->close();
    Focus(GridId::Vfo, 1);
    QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(form.Grid(GridId::Vfo), &fromKeyboard);
    EXPECT_TRUE(form.vfoPopup_->isVisible());
    form.vfoPopup_->close();
    EXPECT_EQ(opened, 2);

    // Channels page: Enter opens the memory editor on the current row; F2
    // edits the cell in place, where Enter ends the edit.
    std::vector<int> editorSlots;
    form.channelsPage_->OpenEditor = [&](int slot) { editorSlots.push_back(slot); };
    ChannelsCell(12, ChannelColumn::Name);
    QTableView* view = form.channelsPage_->View();
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(editorSlots, std::vector<int>{12});
    QTest::keyClick(view, Qt::Key_F2);
    QWidget* editor = view->indexWidget(view->currentIndex());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(editorSlots, std::vector<int>{12});
    QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(form.channelsPage_->popup_->isVisible());
    EXPECT_TRUE(form.channelsPage_->popup_->actions().contains(form.channelsPage_->sortByColumnAction_));
    form.channelsPage_->popup_->close();

    // Ctrl+Shift+S sorts by the current column, then the other way round.
    AccessibleEventLog log;
    ChannelsCell(40, ChannelColumn::Receive);

    QHeaderView* header = view->horizontalHeader();
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(header->sortIndicatorSection(), static_cast<int>(ChannelColumn::Receive));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    const auto hz = [view](int row) {
        return view->model()->index(row, 1).data(ChannelTableModel::SortRole).toLongLong();
    };
    EXPECT_GE(hz(0), hz(1));
    EXPECT_GT(hz(0), 146'940'000);
    EXPECT_EQ(log.Descriptions(view),
              QStringList({"Sorted by Receive (MHz), ascending", "Sorted by Receive (MHz), descending"}));
}

// Tab from the page tabs goes through each page as the eye reads it, past
// the grids and the table rather than through their cells.
TEST_F(Accessibility, TabGoesThroughEachPageAsItReads)
{
    MenuPages& pages = *form_->menuPages_;
    pages.RadioGroup_MemoryMethod->Button(0)->setChecked(true);
    pages.RadioGroup_Battery->Button(0)->setChecked(true);
    const auto tabsFrom = [](QWidget* start, int count) {
        start->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            const QString group = qobject_cast<QGroupBox*>(focus->parentWidget())
                                      ? SpokenName(focus->parentWidget()) + QStringLiteral(": ")
                                      : QString();
            order << group + SpokenName(focus);
        }
        return order;
    };
    QTabBar* tabs = form_->pages_->tabBar();
    form_->pages_->setCurrentWidget(form_->memoryPage_);
    EXPECT_EQ(tabsFrom(tabs, 6),
              QStringList({"Memory Channel: Memory channels", "VFO: VFO", "CALL Channel: CALL channels",
                           "DTMF Memory: DTMF memories", "Comment", "Memory"}));
    form_->pages_->setCurrentWidget(form_->channelsPage_);
    EXPECT_EQ(tabsFrom(tabs, 4), QStringList({"Find", "Hide empty channels", "Channels", "Comment"}));
    form_->pages_->setCurrentWidget(form_->menu2Page_);
    EXPECT_EQ(tabsFrom(pages.RadioGroup_MemoryMethod->Button(0), 3),
              QStringList({"Battery: Lithium", "Memory Group Link: Group link 0",
                           "Memory Group Link: Group link 1"}));
}

TEST_F(Accessibility, FindCountAndUndoRedoAreAnnounced)
{
    AccessibleEventLog log;
    ChannelsPage& page = Channels();
    QLineEdit* find = page.FilterBox();
    find->setFocus(Qt::ShortcutFocusReason);
    QTest::keyClicks(find, QStringLiteral("w1aw"));
    EXPECT_EQ(page.CountLabel()->text(), "1 channel");
    find->clear();
    EXPECT_EQ(page.CountLabel()->text(), "432 channels");
    EXPECT_EQ(log.Descriptions(find).last(), "432 channels");
    EXPECT_TRUE(log.Descriptions(find).contains("1 channel"));

    // Undo and Redo say the step, on the control the operator is on.
    MainWindow& form = *form_;
    Focus(GridId::Memory, 13);
    form.copyAction_->trigger();
    Focus(GridId::Memory, 31);
    form.pasteAction_->trigger();
    log.Clear();
    QTableWidget* memory = form.Grid(GridId::Memory);
    QTest::keyClick(memory, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.GridCell(GridId::Memory, 2, 31), "");
    QTest::keyClick(memory, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.GridCell(GridId::Memory, 2, 31), "146.940");
    form.UndoButton->trigger();
    EXPECT_EQ(log.Descriptions(memory),
              QStringList({"Undo Paste into 030", "Redo Paste into 030", "Undo Paste into 030"}));
    // Once the focus moves on, the grid has its own description back.
    form.commentEdit_->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(memory->accessibleDescription().left(8), "Enter or");
}

} // namespace
