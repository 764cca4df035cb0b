// Every dialog as a screen reader, the keyboard and a larger font find it,
// opened on a real main window: each control that takes the focus has a
// name that is not its value, Tab reaches every control in reading order,
// Enter and Escape have a button, and no text is cut. What a transfer and a
// refused entry announce is recorded as a screen reader receives it.
#include "channels/SetFieldDialog.h"
#include "editors/CallEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/EditorWidgets.h"
#include "editors/MemoryEditor.h"
#include "editors/SetupDialog.h"
#include "editors/VfoEditor.h"
#include "files/BackupDialog.h"
#include "files/CsvReportDialog.h"
#include "files/ReadBackups.h"
#include "link/CompareDialog.h"
#include "link/ReadDialog.h"
#include "link/WriteDialog.h"
#include "mainwin/AboutBox.h"
#include "mainwin/HelpViewer.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/SortDialog.h"
#include "mainwin/SplashWindow.h"
#include "support/AccessibleEvents.h"
#include "support/AccessibleWalk.h"
#include "support/ServedRadio.h"
#include "support/Speaking.h"
#include "support/TestPty.h"
#include "support/TextFit.h"
#include "support/TransferHarness.h"
#include "ui/Language.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

using namespace tslq::test;

// Readable texts in test failures.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

struct Fixture
{
    std::unique_ptr<MemoryConfigStore> store = StoreFor("ME,0B", "ZT-Q3");
    std::unique_ptr<MainWindow> form = MakeMainForm(*store);
    RadioImage radio = SampleImage("ME,0B", "ZT-Q3");
    Document& Doc() { return form->Doc(); }
};

struct WindowCase
{
    const char* name;
    std::function<QWidget*(Fixture&)> make;
    bool show = true;         // false: showing would start a transfer
    bool buttons = true;      // has a default button (not the splash, not the help viewer)
    bool readingOrder = true; // false: an order of its own (described, or links in a text)
    bool ownColours = false;  // the splash's drawing keeps its colours
};

MemoryEditor* SplitMemoryEditor(Fixture& f)
{
    auto* editor = new MemoryEditor(f.Doc(), 1, f.form.get());
    editor->show();
    editor->Panel->RadioButton_Split->click();
    return editor;
}

const WindowCase Windows[] = {
    {"memory editor", [](Fixture& f) { return new MemoryEditor(f.Doc(), 1, f.form.get()); }},
    {"memory editor, split channel", &SplitMemoryEditor},
    {"VFO editor", [](Fixture& f) { return new VfoEditor(f.Doc(), 0, f.form.get()); }},
    {"CALL editor", [](Fixture& f) { return new CallEditor(f.Doc(), 0, f.form.get()); }},
    {"DTMF editor", [](Fixture& f) { return new DtmfEditor(f.Doc(), 0, f.form.get()); }},
    // The setup dialog's tab order is described: the fourth choice after OK.
    {"setup", [](Fixture& f) { return new SetupDialog(f.form.get()); }, true, true, false},
    {"sort", [](Fixture& f) { return new SortDialog(f.Doc(), f.form.get()); }},
    {"read", [](Fixture& f) { return new ReadDialog(f.radio, LinkScope::All, 1, f.form.get()); }, false},
    {"write", [](Fixture& f) { return new WriteDialog(f.radio, LinkScope::All, 1, f.form.get()); }, false},
    {"compare",
     [](Fixture& f) {
         return new CompareDialog(DescribeDifferences(f.radio, f.form->Image()), QString(), f.form.get());
     }},
    {"CSV report",
     [](Fixture& f) {
         // The title as File > Import Channels (CSV) gives it, in the language spoken.
         return new CsvReportDialog(QCoreApplication::translate("CsvCommands", "Import Channels (CSV)"),
                                    QStringLiteral("12 channels read.\n"), QStringLiteral("/tmp"),
                                    f.form.get());
     }},
    {"backups",
     [](Fixture& f) {
         const ReadBackup backup{QStringLiteral("/tmp/b.qx"), QDateTime::currentDateTime(),
                                 QStringLiteral("ZT-Q3 ME,0B"), BackupKind::Read};
         return new BackupDialog({backup}, f.form.get());
     }},
    {"Set Field", [](Fixture& f) { return new SetFieldDialog(f.form.get()); }},
    {"help viewer",
     [](Fixture& f) {
         auto* viewer = new HelpViewer(f.form->HelpFolder(), f.form.get());
         viewer->ShowTableOfContents();
         return viewer;
     },
     true, false, false},
    {"About", [](Fixture& f) { return new AboutBox(f.form.get()); }},
    {"splash", [](Fixture& f) { return new SplashWindow(f.form.get()); }, true, false, true, true},
};

std::unique_ptr<QWidget> Open(const WindowCase& window, Fixture& f)
{
    std::unique_ptr<QWidget> opened(window.make(f));
    if (window.show) {
        opened->show();
        QApplication::setActiveWindow(opened.get());
        QCoreApplication::processEvents();
    }
    return opened;
}

bool TakesFocus(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
           !widget->focusProxy();
}

QRect Place(const QWidget* widget)
{
    return {widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()};
}

// Reading order: the next control is on a lower row, further right on the
// same row, or at the top of a column to the right.
bool ReadsAfter(const QRect& previous, const QRect& next)
{
    if (next.top() >= previous.center().y()) return true;
    const bool sameRow = next.top() < previous.bottom() && next.bottom() > previous.top();
    return (sameRow && next.left() >= previous.left()) || next.left() >= previous.right();
}

QString Named(QWidget* widget)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), SpokenName(widget));
}

// The controls Tab visits, from the first in reading order, and what is wrong
// with the order: a control Tab never reaches, or one out of reading order.
QStringList TabOrderProblems(QWidget* window)
{
    QList<QWidget*> focusable;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (TakesFocus(widget)) focusable << widget;
    if (focusable.size() < 2) return {};
    int topRowBottom = INT_MAX;
    for (QWidget* widget : focusable)
        topRowBottom = std::min(topRowBottom, Place(widget).bottom());
    QWidget* first = nullptr;
    for (QWidget* widget : focusable)
        if (Place(widget).top() < topRowBottom && (!first || Place(widget).left() < Place(first).left()))
            first = widget;
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget*> visited{first};
    for (qsizetype step = 0; step < focusable.size() + 2; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == first) break;
        visited << now;
    }
    // Tab stops at the chosen button of a group of radio buttons; the arrow
    // keys reach the others.
    const auto reached = [&visited](QWidget* widget) {
        if (visited.contains(widget)) return true;
        const auto* radio = qobject_cast<QRadioButton*>(widget);
        if (!radio) return false;
        for (QWidget* other : visited)
            if (qobject_cast<QRadioButton*>(other) && other->parentWidget() == radio->parentWidget())
                return true;
        return false;
    };
    QStringList problems;
    for (QWidget* widget : focusable)
        if (!reached(widget)) problems << Named(widget) + QStringLiteral(": Tab never reaches it");
    for (qsizetype i = 1; i < visited.size(); ++i)
        if (!ReadsAfter(Place(visited[i - 1]), Place(visited[i])))
            problems << Named(visited[i]) + QStringLiteral(": Tab comes to it after ") +
                            Named(visited[i - 1]);
    return problems;
}

// Radio buttons a screen reader cannot announce with their group's title,
// and controls with colours of their own (only the splash may have them).
QStringList GroupAndColourProblems(QWidget* window, bool ownColours)
{
    QStringList problems;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        if (!ownColours && widget->testAttribute(Qt::WA_SetPalette))
            problems << Named(widget) + QStringLiteral(": colours of its own");
        if (!qobject_cast<QRadioButton*>(widget)) continue;
        bool titled = false;
        for (QWidget* group = widget->parentWidget(); group && group != window && !titled;
             group = group->parentWidget()) {
            const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(group);
            titled =
                iface && iface->role() == QAccessible::Grouping && !iface->text(QAccessible::Name).isEmpty();
        }
        if (!titled) problems << Named(widget) + QStringLiteral(": in no group with a title");
    }
    return problems;
}

// The language of the window tests: TSLQ_TEST_LANGUAGE when CTest starts
// them for a translation, English otherwise; English again afterwards.
class SpokenInTest : tslq::test::SpeakEnglishAfter
{
  public:
    SpokenInTest() : language_(qEnvironmentVariable("TSLQ_TEST_LANGUAGE", QStringLiteral("en")))
    {
        EXPECT_TRUE(InstallTranslations(language_, {tslq::test::BuiltTranslations()}))
            << language_.toStdString();
    }
    bool English() const { return language_ == QLatin1String("en"); }

  private:
    QString language_;
};

QPushButton* DefaultButton(QWidget* window)
{
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisibleTo(window)) return button;
    return nullptr;
}

} // namespace

TEST(DialogAccessibility, EveryDialogIsNamedReachedByTabInReadingOrderAndHasItsKeys)
{
    for (const WindowCase& window : Windows) {
        SCOPED_TRACE(window.name);
        Fixture f;
        MessageRecorder messages;
        std::unique_ptr<QWidget> opened = Open(window, f);
        EXPECT_EQ(AccessibilityProblems(opened.get()), QStringList());
        EXPECT_EQ(GroupAndColourProblems(opened.get(), window.ownColours), QStringList());
        if (window.show && window.readingOrder) {
            EXPECT_EQ(TabOrderProblems(opened.get()), QStringList());
        }
        if (window.buttons) {
            EXPECT_NE(DefaultButton(opened.get()), nullptr);
        }
        // Escape closes every window, as Cancel or Close does.
        QWidget* target = QApplication::focusWidget() && opened->isAncestorOf(QApplication::focusWidget())
                              ? QApplication::focusWidget()
                              : opened.get();
        auto* dialog = qobject_cast<QDialog*>(opened.get());
        std::unique_ptr<QSignalSpy> finished;
        if (dialog) finished = std::make_unique<QSignalSpy>(dialog, &QDialog::finished);
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_FALSE(opened->isVisible());
        if (dialog) {
            EXPECT_EQ(finished->count(), 1);
        }
    }
}

// The large-text tests run once more in processes of their own with a larger
// desktop font (QT_FONT_DPI=144 and 192), and in German and Japanese
// (TSLQ_TEST_LANGUAGE=de, ja), see tests/CMakeLists.txt.
TEST(LargeText, TheMainWindowCutsNoTextOnAnyPage)
{
    const SpokenInTest language;
    Fixture f;
    // The status panels show a channel with their longest texts.
    EditImage(f.Doc(), [](RadioImage& image) {
        image.SetMemoryRecord(0, "000,01240000000,0,3,1,0,0,1,08,08,103,020000000,0,0,01299991670,0,,WIDE");
    });
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    f.form->Grid(GridId::Memory)->setFocus(Qt::MouseFocusReason);
    f.form->SelectRow(GridId::Memory, 1);
    for (int page = 0; page < f.form->pages_->count(); ++page) {
        SCOPED_TRACE(f.form->pages_->tabText(page).toStdString());
        f.form->pages_->setCurrentIndex(page);
        QCoreApplication::processEvents();
        if (page == 0) {
            EXPECT_FALSE(f.form->StatusPanelText(0).isEmpty());
        }
        EXPECT_EQ(CutTexts(f.form.get()), QStringList());
    }
    // Grown, the window gives the texts the same room or more.
    f.form->resize(1200, 900);
    for (int page = 0; page < f.form->pages_->count(); ++page) {
        SCOPED_TRACE(f.form->pages_->tabText(page).toStdString() + " at 1200x900");
        f.form->pages_->setCurrentIndex(page);
        QCoreApplication::processEvents();
        EXPECT_EQ(CutTexts(f.form.get()), QStringList());
    }
}

TEST(LargeText, NoDialogCutsItsTextsAndFixedSizesHoldAtTheUsualSize)
{
    const SpokenInTest language;
    if (QApplication::primaryScreen()->logicalDotsPerInchY() == 96 && language.English()) {
        EXPECT_EQ(AboutBox().size(), QSize(337, 164));
        EXPECT_EQ(SplashWindow().size(), QSize(353, 145));
    }
    for (const WindowCase& window : Windows) {
        SCOPED_TRACE(window.name);
        Fixture f;
        MessageRecorder messages;
        std::unique_ptr<QWidget> opened = Open(window, f);
        EXPECT_EQ(CutTexts(opened.get()), QStringList());
    }
}

// What a window says in its own words, in widget order: its title, then the
// texts of its menus, labels, buttons, group boxes and tabs.
QStringList ShownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        if (const auto* bar = qobject_cast<QMenuBar*>(widget))
            for (const QAction* action : bar->actions())
                texts << action->text();
        else if (const auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (const auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (const auto* box = qobject_cast<QGroupBox*>(widget))
            texts << box->title();
        else if (const auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    return texts;
}

// Each window opened in English and in the test's language shows the same
// controls; its title and at least three of its texts in words (or all, when
// it has fewer) read differently. The radio's notation may stay.
TEST(TranslatedText, EveryWindowSpeaksTheLanguage)
{
    if (qEnvironmentVariableIsEmpty("TSLQ_TEST_LANGUAGE")) GTEST_SKIP() << "run with TSLQ_TEST_LANGUAGE";
    const auto shown = [](const WindowCase* window, bool translated) {
        std::optional<SpokenInTest> language;
        if (translated) language.emplace();
        Fixture f;
        MessageRecorder messages;
        if (!window) return ShownTexts(f.form.get());
        return ShownTexts(Open(*window, f).get());
    };
    std::vector<const WindowCase*> windows{nullptr}; // the main window first
    for (const WindowCase& window : Windows)
        // Not the splash and the About box: the program's name and version.
        if (!window.ownColours && std::string_view(window.name) != "About") windows.push_back(&window);
    for (const WindowCase* window : windows) {
        SCOPED_TRACE(window ? window->name : "main window");
        const QStringList english = shown(window, false);
        const QStringList translated = shown(window, true);
        ASSERT_EQ(translated.size(), english.size());
        qsizetype worded = 0;
        qsizetype changed = 0;
        for (qsizetype i = 1; i < english.size(); ++i) {
            if (english[i].contains(QRegularExpression(QStringLiteral("[a-z]{3}")))) ++worded;
            if (translated[i] != english[i]) ++changed;
        }
        if (english.front().contains(QRegularExpression(QStringLiteral("[a-z]{3}")))) {
            EXPECT_NE(translated.front(), english.front());
        }
        EXPECT_GE(changed, std::min<qsizetype>(3, worded)) << english.join(QLatin1Char('|')).toStdString();
    }
}

TEST(DialogAnnouncements, ATransferAnnouncesItsProgressAndHowItEnded)
{
    MessageRecorder messages;
    AccessibleEventLog said;
    ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {}, 1);
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    ReadDialog form(image, LinkScope::Memory, 1);
    EXPECT_EQ(SpokenName(form.progressBar_), "Read progress");
    form.show();
    ASSERT_TRUE(RunEventsUntil([&] { return !form.isVisible(); }, 20000));
    ASSERT_EQ(form.Outcome(), TransferOutcome::Completed);
    const QStringList progress = said.Said(form.progressBar_, QAccessible::ValueChanged);
    ASSERT_GE(progress.size(), 10);
    EXPECT_EQ(progress.back(), "461");
    const QStringList label = said.Said(form.messageLabel_, QAccessible::NameChanged);
    ASSERT_FALSE(label.isEmpty());
    EXPECT_EQ(label.back(), "The read has finished.");
}

TEST(DialogAnnouncements, ARefusedEntryIsSaidWhenTheFocusComesBackToIt)
{
    Fixture f;
    MessageRecorder messages;
    AccessibleEventLog said;
    MemoryEditor editor(f.Doc(), 5, f.form.get());
    editor.show();
    QApplication::setActiveWindow(&editor);
    ChannelPanel& panel = *editor.Panel;
    const QString offsetDescription = panel.Edit_Offset->accessibleDescription();
    panel.Edit_Offset->setText(QStringLiteral("1.2.3"));
    editor.Button_Ok->click();
    ASSERT_EQ(messages.LastText(), Msg::InvalidOffset);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), panel.Edit_Offset);
    const QStringList descriptions = said.Said(panel.Edit_Offset, QAccessible::DescriptionChanged);
    ASSERT_FALSE(descriptions.isEmpty());
    EXPECT_TRUE(descriptions.back().startsWith("Invalid Offset. Please check and try again."))
        << descriptions.back().toStdString();
    // Typing takes the message away again.
    QTest::keyClick(panel.Edit_Offset, Qt::Key_Backspace);
    EXPECT_EQ(panel.Edit_Offset->accessibleDescription(), offsetDescription);

    // A receive frequency that is refused, with a valid transmit box beside it.
    panel.RadioButton_Split->click();
    panel.Edit_Rx->setText(QStringLiteral("1.2.3"));
    editor.Button_Ok->click();
    ASSERT_EQ(messages.LastText(), Msg::InvalidFrequency);
    EXPECT_EQ(QApplication::focusWidget(), panel.Edit_Rx);
    EXPECT_TRUE(panel.Edit_Rx->accessibleDescription().startsWith("Invalid Frequency."));
}
