// The main window on an isolated profile: first start, grid layouts per
// radio version, the refresh from the image, the status bar and the page rules.
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "model/FieldTexts.h"
#include "model/Profile.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using tslq::test::FocusGrid;
using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

namespace {

QStringList ColumnTexts(const MainWindow& form, GridId id, int column)
{
    QStringList texts;
    for (int row = 1; row <= form.Grid(id)->rowCount(); ++row)
        texts << form.GridCell(id, column, row);
    return texts;
}

} // namespace

TEST(MainWindowStart, FirstStartShowsSetupOnceAndStoresTheChoice)
{
    struct Case
    {
        int choice;
        const char* type;
        const char* model;
    };
    for (const Case& c : {Case{0, "KK,0F", "ZT-Q2"}, Case{1, "ME,0B", "ZT-Q3"}, Case{2, "JJ,01", "ZT-Q3"},
                          Case{3, "MM,07", "ZT-Q3"}}) {
        MemoryConfigStore store;
        int shown = 0;
        {
            auto form = MakeMainForm(store, c.choice, &shown);
            EXPECT_EQ(form->Image().TypeCode(), c.type);
            EXPECT_EQ(form->Image().Model(), c.model);
            EXPECT_FALSE(form->DataChanged());
        }
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(store.Read("Type"), c.type);
        EXPECT_EQ(store.Read("Model"), c.model);
        EXPECT_EQ(store.Read("CommPort"), "COM1");
        // The next start finds the version and asks nothing.
        auto again = MakeMainForm(store, 0, &shown);
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(again->Image().TypeCode(), c.type);
    }
}

TEST(MainWindowStart, SetupDialogClosedUntouchedGivesTheFirstChoice)
{
    SetupDialog setup;
    EXPECT_TRUE(setup.usaButton_->isChecked());
    EXPECT_EQ(setup.ChoiceIndex(), 0);
    setup.generalButton_->setChecked(true);
    EXPECT_EQ(setup.ChoiceIndex(), 3);
    setup.show();
    EXPECT_EQ(setup.windowTitle(), "TSL-Q2/Q3");
    EXPECT_EQ(setup.japanButton_->text(), "ZT-Q3 (Japan)");
}

TEST(MainWindowStart, CaptionPortAndDefaultImage)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    store->Write("CommPort", "COM7");
    auto form = MakeMainForm(*store);
    EXPECT_EQ(form->windowTitle(), "TSL-Q2/Q3 [Untitled]");
    EXPECT_EQ(form->PortName(), "COM7");
    for (int port = 1; port <= 10; ++port)
        EXPECT_EQ(form->portActions_[static_cast<std::size_t>(port - 1)]->isChecked(), port == 7) << port;
    // Market K starts with its weather channels.
    EXPECT_EQ(form->GridCell(GridId::Memory, 1, 423), "I-1");
    EXPECT_EQ(form->GridCell(GridId::Memory, 2, 423), "162.550");
    EXPECT_EQ(form->GridCell(GridId::Memory, 3, 423), "WEATHER");
    EXPECT_EQ(form->Grid(GridId::Memory)->rowCount(), 432);
    EXPECT_EQ(form->Grid(GridId::Dtmf)->rowCount(), 10);
    EXPECT_EQ(form->GridCell(GridId::Dtmf, 1, 10), "9");
    form->ShowRadioCaption();
    EXPECT_EQ(form->windowTitle(), "TSL-Q2/Q3 [Radio]");
    EXPECT_EQ(form->FileName(), "Untitled");
}

TEST(MainWindowGrids, RowLabelsPerVersion)
{
    struct Case
    {
        const char* type;
        const char* model;
        QStringList vfo;
        QStringList call;
    };
    const QStringList bTail = {"B_AM", "B_HF", "B_50MHz", "B_FM", "B_118MHz", "B_144MHz", "B_TV-VHF"};
    const Case cases[] = {
        {"KK,0F",
         "ZT-Q3",
         QStringList{"A_144MHz", "A_220MHz", "A_440MHz"} + bTail +
             QStringList{"B_220MHz", "B_440MHz", "B_TV-UHF", "B_1200MHz"},
         {"144MHz", "220MHz", "440MHz"}},
        {"ME,0B",
         "ZT-Q3",
         QStringList{"A_144MHz", "A_430MHz"} + bTail +
             QStringList{"B_200MHz", "B_430MHz", "B_TV-UHF", "B_1200MHz"},
         {"144MHz", "430MHz"}},
        {"JJ,01",
         "ZT-Q3",
         QStringList{"A_144MHz", "A_430MHz"} + bTail +
             QStringList{"B_200MHz", "B_430MHz", "B_TV-UHF", "B_1200MHz"},
         {"144MHz", "430MHz"}},
        {"MM,07",
         "ZT-Q3",
         QStringList{"A_144MHz", "A_430MHz"} + bTail +
             QStringList{"B_200MHz", "B_430MHz", "B_TV-UHF", "B_1200MHz"},
         {"144MHz", "430MHz"}},
        {"KK,0F",
         "ZT-Q5",
         QStringList{"A_144MHz", "A_220MHz", "A_440MHz", "A_1200MHz"} + bTail +
             QStringList{"B_220MHz", "B_440MHz", "B_TV-UHF", "B_1200MHz"},
         {"144MHz", "220MHz", "440MHz", "1200MHz"}},
        {"ME,0B",
         "ZT-Q5",
         QStringList{"A_144MHz", "A_430MHz", "A_1200MHz"} + bTail +
             QStringList{"B_200MHz", "B_430MHz", "B_TV-UHF", "B_1200MHz"},
         {"144MHz", "430MHz", "1200MHz"}},
    };
    for (const Case& c : cases) {
        auto store = StoreFor(c.type, c.model);
        auto form = MakeMainForm(*store);
        EXPECT_EQ(ColumnTexts(*form, GridId::Vfo, 1), c.vfo) << c.type << ' ' << c.model;
        EXPECT_EQ(ColumnTexts(*form, GridId::Call, 1), c.call) << c.type << ' ' << c.model;
        // Every row shows its own band's default record.
        for (int row = 1; row <= form->Grid(GridId::Vfo)->rowCount(); ++row) {
            const int band = form->VfoBandOfRow(row);
            EXPECT_FALSE(form->Image().GetVfoRecord(band).empty()) << c.type << " row " << row;
            EXPECT_EQ(form->GridCell(GridId::Vfo, 2, row).toStdString(),
                      FormatFrequency(RecordField(form->Image().GetVfoRecord(band), 1)))
                << c.type << ' ' << c.model << " row " << row;
        }
    }
}

TEST(MainWindowGrids, RelayoutAfterTheRadioReportsAnotherVersion)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    ASSERT_EQ(form->Grid(GridId::Vfo)->rowCount(), 14);
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) { image.SetTypeCode("JJ,01"); });
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) { image.SetModel("ZT-Q3"); });
    form->SetupVfoAndCallGrids();
    form->SetMarketFonts();
    form->RefreshAllViews();
    EXPECT_EQ(form->Grid(GridId::Vfo)->rowCount(), 13);
    EXPECT_EQ(form->Grid(GridId::Call)->rowCount(), 2);
    EXPECT_EQ(form->GridCell(GridId::Vfo, 1, 2), "A_430MHz");
    EXPECT_EQ(form->Grid(GridId::Memory)->font().family(),
              QString::fromUtf16(u"\uFF2D\uFF33\u3000\uFF30\u660E\u671D"));
}

TEST(MainWindowGrids, EmptyRecordsNeverShiftOtherRowsOntoAnotherBand)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    RadioImage image = form->Image();
    // The radio reported the 220 MHz CALL slot empty, and a 1200 MHz A-band
    // record exists although this model has no such band.
    image.SetCallRecord(1, "");
    image.SetVfoRecord(3, "3,01250000000,0,0,0,0,0,0,08,08,000,000000000,0,,,,,");
    image.SetVfoRecord(5, "");
    tslq::test::EditImage(form->Doc(), [&](RadioImage& shown) { shown = image; });
    const QStringList call = ColumnTexts(*form, GridId::Call, 2);
    EXPECT_EQ(call[0].toStdString(), FormatFrequency(RecordField(image.GetCallRecord(0), 1)));
    EXPECT_EQ(call[1], "");
    EXPECT_EQ(call[2].toStdString(), FormatFrequency(RecordField(image.GetCallRecord(2), 1)));
    for (int row = 1; row <= form->Grid(GridId::Vfo)->rowCount(); ++row) {
        const int band = form->VfoBandOfRow(row);
        const std::string& record = image.GetVfoRecord(band);
        const QString expected =
            record.empty() ? QString() : QString::fromStdString(FormatFrequency(RecordField(record, 1)));
        EXPECT_EQ(form->GridCell(GridId::Vfo, 2, row), expected) << "row " << row;
        EXPECT_NE(form->GridCell(GridId::Vfo, 2, row), "1250.000");
    }
    EXPECT_EQ(form->GridCell(GridId::Vfo, 2, 5), ""); // B_HF, emptied
}

TEST(MainWindowGrids, RefreshShowsLockoutFrequencyAndNames)
{
    auto store = StoreFor("ME,0B", "ZT-Q3");
    auto form = MakeMainForm(*store);
    RadioImage image = form->Image();
    image.SetMemoryRecord(0, "000,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,CAF\xC9,1");
    image.SetMemoryRecord(1, "001,00118008330,2,0,0,0,0,0,08,08,000,000000000,2,0,,,,");
    image.SetMemoryRecord(5, "005,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,STALE");
    tslq::test::EditImage(form->Doc(), [&](RadioImage& shown) { shown = image; });
    image.SetMemoryRecord(5, "");
    image.SetDtmfRecord(3, "03,1234*#,HOME");
    tslq::test::EditImage(form->Doc(), [&](RadioImage& shown) { shown = image; });
    EXPECT_EQ(form->GridCell(GridId::Memory, 0, 1), "*");
    EXPECT_EQ(form->GridCell(GridId::Memory, 2, 1), "145.500");
    EXPECT_EQ(form->GridCell(GridId::Memory, 3, 1),
              QString::fromUtf16(u"CAF\u00C9,1")); // windows-1252, comma kept
    EXPECT_EQ(form->GridCell(GridId::Memory, 0, 2), "");
    EXPECT_EQ(form->GridCell(GridId::Memory, 2, 2), "118.00833");
    // An emptied slot shows only its label.
    EXPECT_EQ(form->GridCell(GridId::Memory, 1, 6), "005");
    EXPECT_EQ(form->GridCell(GridId::Memory, 2, 6), "");
    EXPECT_EQ(form->GridCell(GridId::Memory, 3, 6), "");
    EXPECT_EQ(form->GridCell(GridId::Dtmf, 2, 4), "1234*#");
    // Market E has no information channels.
    EXPECT_EQ(form->GridCell(GridId::Memory, 2, 423), "");
}

TEST(MainWindowGrids, KatakanaNamesInMarketJ)
{
    auto store = StoreFor("JJ,01", "ZT-Q3");
    auto form = MakeMainForm(*store);
    EXPECT_EQ(form->GridCell(GridId::Memory, 3, 423),
              QString::fromUtf16(u"NHK\uFF7B\uFF6F\uFF8E\uFF9F\uFF9B"));
    EXPECT_EQ(form->GridCell(GridId::Memory, 2, 423), "0.567");
    EXPECT_EQ(form->GridCell(GridId::Memory, 3, 430), "TV-1");
    EXPECT_EQ(form->Grid(GridId::Memory)->font().family(),
              QString::fromUtf16(u"\uFF2D\uFF33\u3000\uFF30\u660E\u671D"));
    // The family resolves to an installed font that draws half-width katakana.
    const QFontInfo info(form->Grid(GridId::Memory)->font());
    EXPECT_TRUE(QFontMetrics(form->Grid(GridId::Memory)->font()).inFontUcs4(0xFF7B))
        << info.family().toStdString();
}

TEST(MainWindowStatusBar, PanelsFollowTheSelectedRowAndClearOnLeaving)
{
    auto store = StoreFor("KK,0F", "ZT-Q3");
    auto form = MakeMainForm(*store);
    RadioImage image = form->Image();
    image.SetMemoryRecord(0, "000,00146520000,0,1,1,0,1,0,08,12,000,000600000,0,0,,,,SIMPLEX");
    image.SetDtmfRecord(0, "00,5551212,OFFICE");
    tslq::test::EditImage(form->Doc(), [&](RadioImage& shown) { shown = image; });

    FocusGrid(*form, GridId::Memory, 1);
    EXPECT_EQ(form->ActiveGrid(), GridId::Memory);
    EXPECT_TRUE(form->memoryGroup_->font().bold());
    EXPECT_EQ(form->StatusPanelText(0), "Offset : 0.60MHz");
    EXPECT_EQ(form->StatusPanelText(1), "+ R");
    EXPECT_EQ(form->StatusPanelText(2), "CT : 100.0Hz");

    // "B_AM" is row 4 in market K and shows the record of band code 4.
    FocusGrid(*form, GridId::Vfo, 4);
    EXPECT_EQ(form->ActiveGrid(), GridId::Vfo);
    EXPECT_FALSE(form->memoryGroup_->font().bold());
    EXPECT_TRUE(form->vfoGroup_->font().bold());
    EXPECT_FALSE(form->Grid(GridId::Vfo)->font().bold());
    EXPECT_EQ(form->VfoBandOfRow(4), 4);
    EXPECT_EQ(form->StatusPanelText(3), "");
    form->SelectRow(GridId::Vfo, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->StatusPanelText(3).toStdString(), "Programmable VFO : 137-173");

    FocusGrid(*form, GridId::Dtmf, 1);
    EXPECT_EQ(form->StatusPanelText(0), "Name : OFFICE");

    // Leaving the grids empties every panel.
    form->commentEdit_->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->ActiveGrid(), GridId::None);
    EXPECT_FALSE(form->dtmfGroup_->font().bold());
    for (int panel = 0; panel < 4; ++panel)
        EXPECT_EQ(form->StatusPanelText(panel), "") << panel;
}

TEST(MainWindowStatusBar, RowToBandMappingPerVersion)
{
    struct Case
    {
        const char* type;
        const char* model;
        int row;
        int band;
    };
    // Market E: "A_430MHz" is row 2 and band code 2; with the 1200 MHz model
    // "A_1200MHz" is row 3 and band code 3.
    for (const Case& c :
         {Case{"ME,0B", "ZT-Q3", 2, 2}, Case{"ME,0B", "ZT-Q3", 3, 4}, Case{"ME,0B", "ZT-Q5", 3, 3},
          Case{"KK,0F", "ZT-Q5", 4, 3}, Case{"KK,0F", "ZT-Q3", 14, 14}, Case{"MM,07", "ZT-Q3", 13, 14},
          // Region M with market K has the 220 MHz rows: the row's
          // label decides, not the type code's first letters.
          Case{"MK,0F", "ZT-Q2", 2, 1}, Case{"MK,0F", "ZT-Q2", 3, 2}}) {
        auto store = StoreFor(c.type, c.model);
        auto form = MakeMainForm(*store);
        EXPECT_EQ(form->VfoBandOfRow(c.row), c.band) << c.type << ' ' << c.model << " row " << c.row;
        // The status bar reads that band's record: a distinct shift marks it.
        tslq::test::EditImage(form->Doc(), [&](RadioImage& image) {
            image.SetVfoRecord(c.band, "X,00145000000,0,2,0,0,0,0,08,08,000,000600000,0,,,,,");
        });
        FocusGrid(*form, GridId::Vfo, c.row);
        EXPECT_EQ(form->StatusPanelText(1), "-") << c.type << ' ' << c.model << " row " << c.row;
        form->hide();
    }
}

TEST(MainWindowPages, MenuPagesDisableTheEditCommands)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    int updates = 0;
    form->UpdateEditCommandsHandler = [&updates]() { ++updates; };
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(0, "000,00146520000,0,1,0,0,0,0,08,08,000,000600000,0,0,,,,");
    });
    FocusGrid(*form, GridId::Memory, 1);
    ASSERT_EQ(form->StatusPanelText(1), "+");
    form->pages_->setCurrentIndex(1);
    EXPECT_TRUE(form->editMenu_->menuAction()->isEnabled()); // for Undo and Redo
    EXPECT_FALSE(form->copyAction_->isEnabled());
    EXPECT_FALSE(form->CutButton->isEnabled());
    EXPECT_FALSE(form->CopyButton->isEnabled());
    EXPECT_FALSE(form->PasteButton->isEnabled());
    for (int panel = 0; panel < 4; ++panel)
        EXPECT_EQ(form->StatusPanelText(panel), "");
    const int before = updates;
    form->pages_->setCurrentIndex(0);
    EXPECT_TRUE(form->editMenu_->menuAction()->isEnabled());
    EXPECT_TRUE(form->CutButton->isEnabled());
    EXPECT_TRUE(form->CopyButton->isEnabled());
    EXPECT_GT(updates, before);
}

TEST(MainWindowComment, TypingStopsAtFiftyButLongerCommentsStayWhole)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    const QString longComment(70, u'x');
    tslq::test::LoadComment(form->Doc(), longComment);
    EXPECT_EQ(form->Comment(), longComment);
    EXPECT_FALSE(form->DataChanged());
    // A long comment can still be shortened, but not lengthened.
    form->commentEdit_->setCursorPosition(70);
    QTest::keyClick(form->commentEdit_, Qt::Key_Backspace);
    EXPECT_EQ(form->Comment().size(), 69);
    EXPECT_TRUE(form->DataChanged());
    QTest::keyClicks(form->commentEdit_, "yy");
    EXPECT_EQ(form->Comment().size(), 69);

    tslq::test::LoadComment(form->Doc(), QString());
    QTest::keyClicks(form->commentEdit_, QString(55, u'a'));
    EXPECT_EQ(form->Comment().size(), 50);
}

TEST(MainWindowEditors, EnterAndDoubleClickOpenTheGridsEditor)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    std::vector<int> opened;
    form->GridEditorHandler[static_cast<std::size_t>(GridId::Dtmf)] = [&]() {
        opened.push_back(form->SelectedRow(GridId::Dtmf));
    };
    FocusGrid(*form, GridId::Dtmf, 3);
    QTest::keyClick(form->Grid(GridId::Dtmf), Qt::Key_Return);
    QTest::keyClick(form->Grid(GridId::Dtmf), Qt::Key_A);
    QTest::keyClick(form->Grid(GridId::Dtmf), Qt::Key_Space);
    EXPECT_EQ(opened, std::vector<int>{3});
    // A grid without an editor opens nothing.
    form->GridEditorHandler[static_cast<std::size_t>(GridId::Memory)] = nullptr;
    FocusGrid(*form, GridId::Memory, 1);
    QTest::keyClick(form->Grid(GridId::Memory), Qt::Key_Enter);
    EXPECT_EQ(opened.size(), 1u);
}

TEST(MainWindowCommands, UnbuiltCommandsStayDisabled)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    EXPECT_TRUE(form->exitAction_->isEnabled());
    EXPECT_TRUE(form->aboutAction_->isEnabled());
    EXPECT_TRUE(form->helpTopicsAction_->isEnabled());
    EXPECT_EQ(form->portActions_[9]->text(), "Com1&0");
    EXPECT_EQ(form->deleteAction_->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(form->ReadButton->toolTip(), "Read");
    ASSERT_NE(form->ReadButton->menu(), nullptr);
    EXPECT_EQ(form->ReadButton->menu()->actions().size(), 3);
}

TEST(MainWindowStart, LaterStartsRewriteNoUnchangedProfileValue)
{
    MemoryConfigStore store;
    {
        auto first = MakeMainForm(store, 2);
    }
    const auto stored = store.Values();
    const int writes = store.WriteCount();
    {
        auto second = MakeMainForm(store, 0);
    }
    EXPECT_EQ(store.Values(), stored);
    // Only the empty band limits of the Japanese version (1 and 3) are
    // written again, since an empty value cannot be told from a missing one.
    EXPECT_EQ(store.WriteCount() - writes, 2);
}
