// The document's undo history: every kind of step done, undone and redone
// over a full image, the slots its signals name, the step texts, and the data
// changed state following the clean point.
#include "document/Document.h"

#include "files/Csv.h"
#include "rules/MenuRules.h"
#include "sim/SampleLoad.h"

#include <QUndoStack>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The sample load of a K radio with every empty channel 0..399 filled by a
// copy of a sample channel under its own label.
RadioImage FullImage()
{
    RadioImage image = SampleRadioImage("KK,0F", "ZT-Q2");
    std::vector<std::string> bodies;
    for (int slot = 0; slot < OrdinaryMemoryCount; ++slot) {
        const std::string& record = image.GetMemoryRecord(slot);
        if (!record.empty()) bodies.push_back(record.substr(record.find(',')));
    }
    for (int slot = 0, next = 0; slot < OrdinaryMemoryCount; ++slot)
        if (image.GetMemoryRecord(slot).empty())
            image.SetMemoryRecord(slot, MemoryLabel(slot) +
                                            bodies[static_cast<std::size_t>(next++) % bodies.size()]);
    return image;
}

// The image less the paste buffer, which is the clipboard's and no step's.
RadioImage Data(const Document& document)
{
    RadioImage image = document.Image();
    image.SetPasteBuffer({});
    return image;
}

// What the signals of one action named.
struct Heard
{
    std::map<SlotKind, std::set<int>> records;
    std::set<int> settings;
    int comments = 0;
    int replaced = 0;
};

class Listener
{
  public:
    explicit Listener(Document& document)
    {
        QObject::connect(&document, &Document::RecordsChanged,
                         [this](SlotKind kind, const QList<int>& slotNumbers) {
                             for (int slot : slotNumbers)
                                 heard.records[kind].insert(slot);
                         });
        QObject::connect(&document, &Document::MenuSettingChanged,
                         [this](int index) { heard.settings.insert(index); });
        QObject::connect(&document, &Document::CommentChanged, [this](const QString&) { ++heard.comments; });
        QObject::connect(&document, &Document::ImageReplaced, [this] { ++heard.replaced; });
    }
    Heard Take() { return std::exchange(heard, Heard{}); }
    Heard heard;
};

std::string CsvList(int rows, int firstLocation)
{
    std::string list = "Location,Name,Frequency\r\n";
    for (int row = 0; row < rows; ++row) {
        char line[64];
        std::snprintf(line, sizeof line, "%d,CSV%d,%.3f\r\n", firstLocation + row, row, 144.0 + 0.005 * row);
        list += line;
    }
    return list;
}

struct StepCase
{
    const char* text; // the step's text, as the Undo command shows it after "Undo "
    std::function<void(Document&)> act;
    // What the signals name.
    std::map<SlotKind, std::set<int>> records;
    std::set<int> settings;
    int comments;
};

TEST(DocumentSteps, EveryKindDoesUndoesAndRedoesWithItsSlotsAndText)
{
    const RadioImage full = FullImage();
    const std::string memory30 = full.GetMemoryRecord(30);
    RadioImage expected;

    const EditTarget memory{EditGrid::Memory, 30};
    const EditTarget vfo{EditGrid::Vfo, 0};
    const EditTarget dtmf{EditGrid::Dtmf, 3};

    // Slots a sort changes: every channel that moves or is renumbered.
    const auto sorted = [&](SortOrder order) {
        RadioImage image = full;
        SortMemoryChannels(image, order);
        std::set<int> moved;
        for (int slot = 0; slot < OrdinaryMemoryCount; ++slot)
            if (image.GetMemoryRecord(slot) != full.GetMemoryRecord(slot)) moved.insert(slot);
        return moved;
    };
    std::set<int> csvSlots;
    for (int slot = 5; slot < 25; ++slot)
        csvSlots.insert(slot);

    const std::vector<StepCase> cases = {
        {"Edit 012",
         [](Document& d) {
             d.StoreRecord(SlotKind::Memory, 12,
                           "012,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,EDIT");
         },
         {{SlotKind::Memory, {12}}},
         {},
         0},
        {"Edit VFO A_144MHz",
         [](Document& d) {
             d.StoreRecord(SlotKind::Vfo, 0, "0,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,");
         },
         {{SlotKind::Vfo, {0}}},
         {},
         0},
        {"Edit CALL 440MHz",
         [](Document& d) {
             d.StoreRecord(SlotKind::Call, 2, "C2,00446000000,0,0,0,0,0,0,08,08,000,005000000,0,,,,,");
         },
         {{SlotKind::Call, {2}}},
         {},
         0},
        {"Edit DTMF 3",
         [](Document& d) { d.StoreRecord(SlotKind::Dtmf, 3, "03,123#,HOME"); },
         {{SlotKind::Dtmf, {3}}},
         {},
         0},
        {"Edit VFO B_144MHz",
         [](Document& d) {
             d.StoreSlots({{SlotKind::ProgramVfo, 0, "0,145,146"},
                           {SlotKind::Vfo, 9, "9,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,"}},
                          QStringLiteral("Edit VFO B_144MHz"));
         },
         {{SlotKind::ProgramVfo, {0}}, {SlotKind::Vfo, {9}}},
         {},
         0},
        {"Paste into 030",
         [&](Document& d) { ASSERT_TRUE(d.Paste(memory)); },
         {{SlotKind::Memory, {30}}},
         {},
         0},
        {"Paste into VFO A_144MHz",
         [&](Document& d) { ASSERT_TRUE(d.Paste(vfo)); },
         {{SlotKind::Vfo, {0}}},
         {},
         0},
        {"Cut 030",
         [&](Document& d) { EXPECT_EQ(d.Cut(memory), memory30); },
         {{SlotKind::Memory, {30}}},
         {},
         0},
        {"Delete DTMF 3", [&](Document& d) { ASSERT_TRUE(d.Delete(dtmf)); }, {{SlotKind::Dtmf, {3}}}, {}, 0},
        {"Lock Out 030",
         [](Document& d) { ASSERT_TRUE(d.ToggleLockout(30)); },
         {{SlotKind::Memory, {30}}},
         {},
         0},
        {"Sort by frequency",
         [](Document& d) { d.Sort(SortOrder::Frequency); },
         {{SlotKind::Memory, sorted(SortOrder::Frequency)}},
         {},
         0},
        {"Sort by memory name",
         [](Document& d) { d.Sort(SortOrder::Name); },
         {{SlotKind::Memory, sorted(SortOrder::Name)}},
         {},
         0},
        {"Import CSV",
         [](Document& d) { ASSERT_EQ(d.ImportCsv(PlanCsvImport(CsvList(20, 5), d.Image(), {})), 20); },
         {{SlotKind::Memory, csvSlots}},
         {},
         0},
        {"Menu setting Key Lock",
         [](Document& d) { d.SetMenuSetting(MenuSetting::KeyLock, "1"); },
         {},
         {MenuSetting::KeyLock},
         0},
        {"Menu setting 440MHz FM Narrow",
         [](Document& d) { d.SetMenuSetting(MenuSetting::Nar440, "1"); },
         {},
         {MenuSetting::Nar440},
         0},
        {"Comment", [](Document& d) { d.SetComment(QStringLiteral("Field day")); }, {}, {}, 1},
        {"Take Radio's Values",
         [](Document& d) {
             d.StoreSlots(
                 {{SlotKind::Memory, 431, "I-0,00162550000,0,0,0,0,0,0,08,08,000,000000000,0,0,,,,WX"},
                  {SlotKind::MenuSetting, MenuSetting::Contrast, "12"},
                  {SlotKind::Memory, 432, "no such slot"},
                  {SlotKind::Memory, 0, ""}},
                 QStringLiteral("Take Radio's Values"));
         },
         {{SlotKind::Memory, {0, 431}}},
         {MenuSetting::Contrast},
         0},
    };

    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.text);
        Document document;
        document.Replace(full, QStringLiteral("full.qx"), QStringLiteral("club"));
        document.SetPasteBuffer(memory30); // a channel on the clipboard
        const RadioImage before = Data(document);
        Listener listener(document);

        c.act(document);
        const Heard done = listener.Take();
        const RadioImage after = Data(document);
        const QString comment = document.Comment();
        EXPECT_EQ(document.UndoStack().count(), 1);
        EXPECT_EQ(document.UndoStack().undoText(), QString::fromUtf8(c.text));
        EXPECT_TRUE(document.DataChanged());
        EXPECT_EQ(done.records, c.records);
        EXPECT_EQ(done.settings, c.settings);
        EXPECT_EQ(done.comments, c.comments);
        EXPECT_EQ(done.replaced, 0);

        document.UndoStack().undo();
        const Heard undone = listener.Take();
        EXPECT_EQ(Data(document), before);
        EXPECT_EQ(document.Comment(), QStringLiteral("club"));
        EXPECT_FALSE(document.DataChanged());
        EXPECT_EQ(undone.records, c.records);
        EXPECT_EQ(undone.settings, c.settings);

        document.UndoStack().redo();
        EXPECT_EQ(Data(document), after);
        EXPECT_EQ(document.Comment(), comment);
        EXPECT_TRUE(document.DataChanged());
    }

    // The changed records are the core rules' results.
    Document document;
    document.Replace(full, QStringLiteral("full.qx"), {});
    document.SetPasteBuffer(memory30);
    document.Paste(vfo);
    EXPECT_EQ(document.Image().GetVfoRecord(0), BuildPastedRecord(document.Image(), vfo));
    document.Sort(SortOrder::Name);
    expected = full;
    expected.SetVfoRecord(0, document.Image().GetVfoRecord(0));
    SortMemoryChannels(expected, SortOrder::Name);
    expected.SetPasteBuffer(memory30);
    EXPECT_EQ(document.Image(), expected);
}

TEST(DocumentSteps, StepsThatChangeNothingAreNotPushed)
{
    Document document;
    document.Replace(FullImage(), QStringLiteral("a.qx"), QStringLiteral("c"));
    document.StoreRecord(SlotKind::Memory, 20, {}); // an empty channel in slot 20 for the lockout
    const int steps = document.UndoStack().count();
    EXPECT_FALSE(document.ToggleLockout(20));                       // empty channel
    EXPECT_FALSE(document.ToggleLockout(MemoryCount));              // no such slot
    EXPECT_FALSE(document.Paste({EditGrid::None, 0}));              // no grid
    EXPECT_FALSE(document.Cut({EditGrid::Vfo, 0}).has_value());     // no Cut on the VFO grid
    EXPECT_FALSE(document.Delete({EditGrid::Memory, MemoryCount})); // no such slot
    EXPECT_EQ(document.ImportCsv(PlanCsvImport("Location,Frequency\r\n", document.Image(), {})), 0);
    document.SetMenuSetting(MenuSetting::Contrast, document.Image().GetMenuSetting(MenuSetting::Contrast));
    document.SetComment(QStringLiteral("c"));
    EXPECT_EQ(document.UndoStack().count(), steps);
    // A cut of an empty channel still marks the data (as it always did).
    EXPECT_EQ(document.Cut({EditGrid::Memory, 20}), std::string());
    EXPECT_EQ(document.UndoStack().count(), steps + 1);
}

TEST(DocumentSteps, TypingMergesIntoOneStepUntilASave)
{
    Document document;
    document.Replace(FullImage(), QStringLiteral("a.qx"), {});
    const std::string message = document.Image().GetMenuSetting(MenuSetting::PowerOnMessage);
    for (const char* text : {"F", "Fi", "Fie", "Field"})
        document.SetComment(QString::fromLatin1(text));
    for (const char* text : {"H", "HE", "HELLO"})
        document.SetMenuSetting(MenuSetting::PowerOnMessage, text);
    EXPECT_EQ(document.UndoStack().count(), 2);
    EXPECT_EQ(document.UndoStack().text(0), QStringLiteral("Comment"));
    EXPECT_EQ(document.UndoStack().text(1), QStringLiteral("Menu setting Power-on Message"));

    // Typed back to where it was: the step goes.
    document.SetMenuSetting(MenuSetting::PowerOnMessage, message);
    EXPECT_EQ(document.UndoStack().count(), 1);

    // A save ends the step: undo then goes back to the saved text only.
    document.MarkSaved(QStringLiteral("a.qx"));
    document.SetComment(QStringLiteral("Field day"));
    EXPECT_EQ(document.UndoStack().count(), 2);
    document.UndoStack().undo();
    EXPECT_EQ(document.Comment(), QStringLiteral("Field"));
    EXPECT_FALSE(document.DataChanged());
    // Other steps in between end a typing step too.
    document.SetComment(QStringLiteral("Fields"));
    document.ToggleLockout(1);
    document.SetComment(QStringLiteral("Fields!"));
    EXPECT_EQ(document.UndoStack().count(), 4);
}

TEST(DocumentState, DataChangedFollowsTheCleanPointAndTheForcedFlag)
{
    Document document;
    std::vector<bool> reported;
    QObject::connect(&document, &Document::DataChangedStateChanged,
                     [&](bool changed) { reported.push_back(changed); });
    std::vector<QString> names;
    QObject::connect(&document, &Document::FileNameChanged,
                     [&](const QString& name) { names.push_back(name); });

    document.Replace(FullImage(), QStringLiteral("a.qx"), {});
    EXPECT_FALSE(document.DataChanged());
    document.ToggleLockout(1);
    document.ToggleLockout(2);
    document.MarkSaved(QStringLiteral("b.qx"));
    EXPECT_FALSE(document.DataChanged());
    document.UndoStack().undo(); // before the save point
    EXPECT_TRUE(document.DataChanged());
    document.UndoStack().redo(); // back at it
    EXPECT_FALSE(document.DataChanged());
    document.ToggleLockout(3);
    document.UndoStack().undo();
    EXPECT_FALSE(document.DataChanged());
    EXPECT_EQ(reported, (std::vector<bool>{true, false, true, false, true, false}));

    // A flag set without a change of the image stays until the next save,
    // whatever is undone.
    document.SetDataChanged(true);
    document.ToggleLockout(4);
    document.UndoStack().undo();
    EXPECT_TRUE(document.DataChanged());
    document.MarkSaved(QStringLiteral("b.qx"));
    EXPECT_FALSE(document.DataChanged());
    // Clearing the flag makes the present state the clean point.
    document.ToggleLockout(5);
    document.SetDataChanged(false);
    EXPECT_FALSE(document.DataChanged());
    document.UndoStack().undo();
    EXPECT_TRUE(document.DataChanged());

    // A replace forgets the history; a read from the radio arrives changed.
    document.Replace(FullImage(), QStringLiteral("Untitled"), {}, true);
    EXPECT_EQ(document.UndoStack().count(), 0);
    EXPECT_TRUE(document.DataChanged());
    document.ToggleLockout(6);
    document.UndoStack().undo();
    EXPECT_TRUE(document.DataChanged());
    EXPECT_EQ(names, (std::vector<QString>{QStringLiteral("a.qx"), QStringLiteral("b.qx"),
                                           QStringLiteral("Untitled")}));
}

TEST(DocumentState, ReplaceKeepsThePasteBufferAndTellsTheViews)
{
    Document document;
    document.SetPasteBuffer("03,123,X");
    Listener listener(document);
    document.Replace(FullImage(), QStringLiteral("a.qx"), QStringLiteral("hello"));
    EXPECT_EQ(document.Image().PasteBuffer(), "03,123,X");
    EXPECT_EQ(document.Comment(), QStringLiteral("hello"));
    const Heard heard = listener.Take();
    EXPECT_EQ(heard.replaced, 1);
    EXPECT_EQ(heard.comments, 1);
}

// Random sequences of 200 edits of every kind: undoing them all gives back
// the start byte for byte and clean; redoing them all gives the end. A view
// that copies only the slots the signals name stays equal to the image.
TEST(DocumentProperty, UndoAllAndRedoAllOverRandomEdits)
{
    const RadioImage full = FullImage();
    std::mt19937 random(20261209);
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };

    for (int run = 0; run < 5; ++run) {
        SCOPED_TRACE(run);
        Document document;
        document.Replace(full, QStringLiteral("full.qx"), QStringLiteral("start"));
        RadioImage view = document.Image();
        QObject::connect(&document, &Document::RecordsChanged,
                         [&](SlotKind kind, const QList<int>& slotNumbers) {
                             for (int slot : slotNumbers) {
                                 const std::string& bytes = document.SlotBytes(kind, slot);
                                 switch (kind) {
                                 case SlotKind::Memory:
                                     view.SetMemoryRecord(slot, bytes);
                                     break;
                                 case SlotKind::Vfo:
                                     view.SetVfoRecord(slot, bytes);
                                     break;
                                 case SlotKind::Call:
                                     view.SetCallRecord(slot, bytes);
                                     break;
                                 case SlotKind::Dtmf:
                                     view.SetDtmfRecord(slot, bytes);
                                     break;
                                 case SlotKind::ProgramVfo:
                                     view.SetProgramVfoRecord(slot, bytes);
                                     break;
                                 case SlotKind::MenuSetting:
                                     ADD_FAILURE() << "menu settings have their own signal";
                                     break;
                                 }
                             }
                         });
        QObject::connect(&document, &Document::MenuSettingChanged, [&](int index) {
            view.SetMenuSetting(index, document.Image().GetMenuSetting(index));
        });
        const RadioImage start = Data(document);

        for (int edit = 0; edit < 200; ++edit) {
            const int slot = pick(MemoryCount);
            const std::string& some = full.GetMemoryRecord(pick(OrdinaryMemoryCount));
            switch (pick(14)) {
            case 0:
                document.StoreRecord(SlotKind::Memory, slot, MemoryLabel(slot) + some.substr(3));
                break;
            case 1:
                document.StoreRecord(SlotKind::Vfo, pick(VfoCount), some);
                break;
            case 2:
                document.StoreRecord(SlotKind::Call, pick(CallCount), some);
                break;
            case 3:
                document.StoreRecord(SlotKind::Dtmf, pick(DtmfCount),
                                     "0" + std::to_string(pick(10)) + ",12*#,N" + std::to_string(edit));
                break;
            case 4:
                document.StoreSlots(
                    {{SlotKind::ProgramVfo, pick(ProgramVfoCount), "0,14" + std::to_string(pick(8)) + ",148"},
                     {SlotKind::Vfo, pick(VfoCount), some}},
                    QStringLiteral("Edit VFO"));
                break;
            case 5:
                document.SetPasteBuffer(pick(2) ? some : full.GetDtmfRecord(pick(DtmfCount)));
                document.Paste({static_cast<EditGrid>(1 + pick(4)), pick(10)});
                break;
            case 6:
                document.Cut({pick(2) ? EditGrid::Memory : EditGrid::Dtmf, pick(10)});
                break;
            case 7:
                document.Delete({EditGrid::Memory, slot});
                break;
            case 8:
                document.ToggleLockout(slot);
                break;
            case 9:
                document.Sort(pick(2) ? SortOrder::Name : SortOrder::Frequency);
                break;
            case 10:
                document.ImportCsv(
                    PlanCsvImport(CsvList(1 + pick(30), pick(380)), document.Image(), {pick(2) == 1}));
                break;
            case 11:
                document.SetMenuSetting(pick(MenuCount), std::to_string(pick(3)));
                break;
            case 12:
                document.SetComment(QStringLiteral("comment %1").arg(pick(5)));
                break;
            case 13: {
                std::vector<SlotEdit> edits;
                for (int n = pick(20); n > 0; --n)
                    edits.push_back({SlotKind::Memory, pick(OrdinaryMemoryCount), some});
                edits.push_back(
                    {SlotKind::MenuSetting, MenuSetting::Contrast, "0" + std::to_string(1 + pick(9))});
                document.StoreSlots(edits, QStringLiteral("Set Field"));
                break;
            }
            }
        }
        const RadioImage end = Data(document);
        const QString endComment = document.Comment();
        ASSERT_GT(document.UndoStack().count(), 100);
        EXPECT_TRUE(document.DataChanged());
        view.SetPasteBuffer(document.Image().PasteBuffer());
        EXPECT_EQ(view, document.Image());

        while (document.UndoStack().canUndo())
            document.UndoStack().undo();
        EXPECT_EQ(Data(document), start);
        EXPECT_EQ(document.Comment(), QStringLiteral("start"));
        EXPECT_FALSE(document.DataChanged());
        EXPECT_EQ(view, document.Image());

        while (document.UndoStack().canRedo())
            document.UndoStack().redo();
        EXPECT_EQ(Data(document), end);
        EXPECT_EQ(document.Comment(), endComment);
        EXPECT_TRUE(document.DataChanged());
        EXPECT_EQ(view, document.Image());

        // A save somewhere in the history is the one clean state.
        const int savedAt = pick(document.UndoStack().count());
        document.UndoStack().setIndex(savedAt);
        document.MarkSaved(QStringLiteral("full.qx"));
        for (int index = document.UndoStack().count(); index >= 0; --index) {
            document.UndoStack().setIndex(index);
            EXPECT_EQ(document.DataChanged(), index != savedAt) << index;
        }
    }
}

TEST(DocumentState, TheOldestStepsGoPastTheLimit)
{
    Document document;
    document.Replace(FullImage(), QStringLiteral("a.qx"), {});
    for (int step = 0; step < Document::UndoLimit + 5; ++step)
        document.ToggleLockout(step % OrdinaryMemoryCount);
    EXPECT_EQ(document.UndoStack().count(), Document::UndoLimit);
    while (document.UndoStack().canUndo())
        document.UndoStack().undo();
    // The saved state is gone with them: the data stays changed.
    EXPECT_TRUE(document.DataChanged());
}

} // namespace
