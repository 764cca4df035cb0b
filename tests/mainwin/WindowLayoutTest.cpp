// Where the windows appear and how the main window is laid out: the status
// panels wide enough for their texts in each market's font, grids that grow
// with the window, the remembered place of the main window, windows centred
// on the screen or on the main window, and the setup dialog's first line.
#include "editors/SetupDialog.h"
#include "link/ReadDialog.h"
#include "link/WriteDialog.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "mainwin/SplashWindow.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <string>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

namespace {

void ShowAndWait(QWidget& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
}

QRect ScreenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Centres may differ by the half pixel of an odd size.
void ExpectCentredOn(const QWidget& window, const QRect& area, const char* what)
{
    const QPoint offset = window.frameGeometry().center() - area.center();
    EXPECT_LE(offset.manhattanLength(), 2) << what << ": off by " << offset.x() << ',' << offset.y();
}

// Rows of a grid that are wholly visible.
int VisibleRows(const QTableWidget* grid)
{
    int rows = 0;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(row, 1))) &&
            !grid->visualRect(grid->model()->index(row, 1)).isEmpty())
            ++rows;
    }
    return rows;
}

} // namespace

// Every text a panel shows is drawn whole in the market's font: the longest
// transmit frequency, shift, tone and program VFO range, and a DTMF name.
TEST(WindowLayout, StatusPanelsShowTheirLongestTextsWhole)
{
    for (const char* type : {"KK,0F", "JJ,01", "ME,0B"}) {
        auto store = StoreFor(type, "ZT-Q3");
        auto form = MakeMainForm(*store);
        ShowAndWait(*form);
        RadioImage image = form->Image();
        image.SetMemoryRecord(0, "000,01240000000,0,3,1,0,0,1,08,08,103,020000000,0,0,01299991670,0,,WIDE");
        image.SetMemoryRecord(1, "001,00888888880,0,2,1,0,1,0,08,41,000,088880000,0,0,,,,WIDE");
        image.SetProgramVfoRecord(0, "0,01888,01888");
        image.SetDtmfRecord(0, "00,0,WWWWWWWW");
        tslq::test::EditImage(form->Doc(), [&](RadioImage& shown) { shown = image; });
        const QList<QLabel*> panels = form->statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(panels.size(), 4);
        const auto check = [&](GridId id, int row) {
            form->Grid(id)->setFocus(Qt::MouseFocusReason);
            form->SelectRow(id, row);
            QApplication::processEvents();
            for (int panel = 0; panel < 4; ++panel) {
                const QLabel* label = panels[panel];
                EXPECT_GE(label->width(), label->sizeHint().width())
                    << type << " grid " << static_cast<int>(id) << " row " << row << " panel " << panel + 1
                    << ": \"" << label->text().toStdString() << '"';
            }
        };
        check(GridId::Memory, 1);
        check(GridId::Memory, 2);
        check(GridId::Vfo, 1);
        ASSERT_EQ(form->StatusPanelText(3), "Programmable VFO : 1888-1888");
        check(GridId::Dtmf, 1);
        // The last panel takes the rest of the bar, up to the size grip.
        const QSizeGrip* grip = form->statusBar()->findChild<QSizeGrip*>();
        const int end = grip && grip->isVisible() ? grip->geometry().left() : form->statusBar()->width();
        EXPECT_GE(panels[3]->geometry().right(), end - 12) << type;
    }
}

// The window starts at the size its pages need, with at least 15 memory rows,
// and can grow: the memory grid takes the height, the other three share the
// column beside it. However small it is made, 15 memory rows stay.
TEST(WindowLayout, GridsGrowWithTheWindow)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    ShowAndWait(*form);
    const QSize first = form->size();
    QTableWidget* memory = form->Grid(GridId::Memory);
    EXPECT_GE(VisibleRows(memory), 15);
    EXPECT_LT(form->minimumWidth(), form->maximumWidth());

    form->resize(1200, 900);
    QApplication::processEvents();
    ASSERT_EQ(form->size(), QSize(1200, 900));
    EXPECT_GE(VisibleRows(memory), 15 + (900 - first.height()) / memory->rowHeight(0) - 2);
    // No empty band below the memory grid.
    EXPECT_GE(memory->geometry().bottom(), form->memoryGroup_->contentsRect().bottom() - 8);
    for (GridId id : {GridId::Vfo, GridId::Call, GridId::Dtmf}) {
        const QTableWidget* grid = form->Grid(id);
        EXPECT_EQ(VisibleRows(grid), grid->rowCount()) << static_cast<int>(id);
    }
    EXPECT_GT(form->vfoGroup_->width(), 400);

    form->resize(200, 200);
    QApplication::processEvents();
    EXPECT_GE(VisibleRows(memory), 15);
}

// First run: the window is centred on the screen. On closing it remembers its
// place, which the next run takes when it is on a screen.
TEST(WindowLayout, MainWindowIsCentredThenTakesItsRememberedPlace)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    const std::map<std::string, std::string> profile = store->Values();
    QSize first;
    {
        auto form = MakeMainForm(*store);
        ShowAndWait(*form);
        first = form->size();
        ExpectCentredOn(*form, ScreenArea(), "first run");
        form->move(ScreenArea().topLeft() + QPoint(17, 23));
        form->resize(first + QSize(30, 40));
        QApplication::processEvents();
        ASSERT_TRUE(form->close());
    }
    // The profile's own values stay as they were.
    for (const auto& [name, value] : profile)
        EXPECT_EQ(store->Read(name), value) << name;
    {
        auto form = MakeMainForm(*store);
        ShowAndWait(*form);
        EXPECT_EQ(form->pos(), ScreenArea().topLeft() + QPoint(17, 23));
        EXPECT_EQ(form->size(), first + QSize(30, 40));
        form->move(ScreenArea().bottomRight() + QPoint(500, 500)); // a screen no longer there
        QApplication::processEvents();
        ASSERT_TRUE(form->close());
    }
    auto form = MakeMainForm(*store);
    ShowAndWait(*form);
    ExpectCentredOn(*form, ScreenArea(), "place off every screen");
    EXPECT_EQ(form->size(), first + QSize(30, 40));
}

// The splash window and the setup dialog are centred on the screen, the
// Read and Write dialogs on the main window, wherever that is.
TEST(WindowLayout, DialogsAreCentredOnTheScreenOrTheMainWindow)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    ShowAndWait(*form);
    form->move(ScreenArea().topLeft() + QPoint(3, 5));
    QApplication::processEvents();

    SplashWindow splash(form.get());
    ShowAndWait(splash);
    ExpectCentredOn(splash, ScreenArea(), "splash");
    splash.close();

    // The setup dialog comes before the main window is shown.
    auto hidden = MakeMainForm(*store);
    SetupDialog setup(hidden.get());
    ShowAndWait(setup);
    ExpectCentredOn(setup, ScreenArea(), "setup");
    setup.close();

    MessageRecorder messages; // the transfer stops at once: no radio on port 9
    RadioImage image = form->Image();
    ReadDialog read(image, LinkScope::All, 9, form.get());
    read.show();
    ExpectCentredOn(read, form->frameGeometry(), "read");
    WriteDialog write(image, LinkScope::All, 9, form.get());
    write.show();
    ExpectCentredOn(write, form->frameGeometry(), "write");
    QTest::qWait(50);
}

TEST(WindowLayout, SetupDialogSaysWhatToChooseAboveTheChoices)
{
    SetupDialog setup;
    ShowAndWait(setup);
    const QList<QLabel*> labels = setup.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), "Choose the version of your radio:");
    EXPECT_LT(labels[0]->geometry().bottom(), setup.usaButton_->mapTo(&setup, QPoint(0, 0)).y());
    EXPECT_TRUE(setup.usaButton_->isChecked());
}

// A place is taken from the store only when all of it is there and readable;
// any other store starts the window centred.
TEST(WindowLayout, StoredPlaceIsTakenOnlyWhenWhole)
{
    const WindowPlace place{QRect(-40, 12, 800, 600), true};
    MemoryConfigStore store;
    EXPECT_FALSE(ReadWindowPlace(store));
    WriteWindowPlace(store, place);
    const std::optional<WindowPlace> read = ReadWindowPlace(store);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->geometry, place.geometry);
    EXPECT_TRUE(read->maximized);
    for (const char* bad : {"", "12x", "x", "0", "-5", "99999999999", " 7"}) {
        MemoryConfigStore garbled = store;
        garbled.Write("WindowWidth", bad);
        EXPECT_FALSE(ReadWindowPlace(garbled)) << '"' << bad << '"';
    }
    // Reachable when enough of its top edge is on a screen.
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_TRUE(IsPlaceOnScreens(QRect(-40, 12, 800, 600), screens));
    EXPECT_TRUE(IsPlaceOnScreens(QRect(2500, 900, 800, 600), screens));
    EXPECT_FALSE(IsPlaceOnScreens(QRect(-790, 12, 800, 600), screens));
    EXPECT_FALSE(IsPlaceOnScreens(QRect(100, -30, 800, 600), screens));
    EXPECT_FALSE(IsPlaceOnScreens(QRect(2000, 1070, 800, 600), screens));
    EXPECT_EQ(CentredTopLeft(QSize(400, 300), QRect(0, 0, 1000, 800)), QPoint(300, 250));
    EXPECT_EQ(CentredTopLeft(QSize(1200, 300), QRect(0, 0, 1000, 800)), QPoint(0, 250));
}
