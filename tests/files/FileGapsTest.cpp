// Data files that end early: what the load takes from them, what it says
// they lack, and whether a write of a scope would send what they lack.
#include "FilesTestSupport.h"

#include "files/DataFile.h"
#include "files/FileGaps.h"
#include "support/TransferHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

using tslq::test::LoadImage;

namespace {

const std::string& RecordOf(const RadioImage& image, RecordSlot slot)
{
    using Getter = const std::string& (RadioImage::*)(int) const;
    static constexpr Getter getters[] = {&RadioImage::GetMemoryRecord,     &RadioImage::GetVfoRecord,
                                         &RadioImage::GetCallRecord,       &RadioImage::GetDtmfRecord,
                                         &RadioImage::GetProgramVfoRecord, &RadioImage::GetMenuSetting};
    return (image.*getters[static_cast<std::size_t>(slot.kind)])(slot.index);
}

struct Loaded
{
    RadioImage image;
    DataFileReport report;
};

Loaded Load(const std::string& bytes)
{
    Loaded loaded{LoadImage("KK,0F", "ZT-Q2"), {}};
    std::string comment;
    EXPECT_EQ(ReadDataFile(bytes, loaded.image, comment, loaded.report), DataFileStatus::Loaded);
    return loaded;
}

// The file up to the end of the first line that starts with `prefix`.
std::string CutAfter(const std::string& file, const std::string& prefix, int extraLines = 0)
{
    std::size_t end = file.find("\n" + prefix) + 1;
    for (int line = 0; line <= extraLines; ++line)
        end = file.find('\n', end) + 1;
    return file.substr(0, end);
}

std::string Without(std::string file, const std::string& from, const std::string& to)
{
    const std::size_t begin = file.find(from);
    return file.erase(begin, file.find(to) - begin);
}

} // namespace

TEST(FileGaps, CutAtEveryLineAndInsideEveryTenthLine)
{
    const RadioImage reset = LoadImage("KK,0F", "ZT-Q2");
    const std::string file = WriteDataFile(FullImage("KK,0F", "ZT-Q2"), "field day");
    const Loaded whole = Load(file);
    ASSERT_FALSE(whole.report.gaps.Incomplete());
    std::vector<std::size_t> starts{0}; // of each line, and the end
    for (std::size_t i = 0; i < file.size(); ++i)
        if (file[i] == '\n') starts.push_back(i + 1);
    // The memory scope ends with the four program VFO lines after the marker.
    const auto menuMarker = std::find(starts.begin(), starts.end(), file.find("__RADIO MENU__"));
    ASSERT_NE(menuMarker, starts.end());
    const std::size_t memoryScopeEnd = *(menuMarker + 1 + ProgramVfoCount);

    std::vector<std::size_t> cuts;
    const std::size_t lastLine = starts.size() - 2;
    for (std::size_t line = 1; line <= lastLine; ++line) {
        cuts.push_back(starts[line]);
        // Inside the last line a cut cannot be told from a stripped line end.
        const std::size_t middle = starts[line] + (starts[line + 1] - 2 - starts[line]) / 2;
        if (line % 10 == 0 && line < lastLine && middle > starts[line]) cuts.push_back(middle);
    }
    int checked = 0;
    for (const std::size_t cut : cuts) {
        SCOPED_TRACE("cut at byte " + std::to_string(cut) + " of " + std::to_string(file.size()));
        const Loaded loaded = Load(file.substr(0, cut));
        const FileGaps& gaps = loaded.report.gaps;
        ASSERT_TRUE(gaps.Incomplete());
        EXPECT_NE(EnglishText(EndsEarlyMessage(gaps)), "");
        // A cut is the end of the file, never a damaged record.
        EXPECT_TRUE(loaded.report.leftOut.empty()) << EnglishText(NotLoadedMessage(loaded.report.leftOut));
        // Every slot holds the whole file's record or the reset's, and the
        // reset's only where the file is said to lack it.
        const SlotSet missing = gaps.Missing();
        for (const RecordSlot& slot : SlotSet::Covered(LinkScope::All).Slots()) {
            const std::string& record = RecordOf(loaded.image, slot);
            if (record == RecordOf(whole.image, slot)) continue;
            EXPECT_EQ(record, RecordOf(reset, slot)) << RecordSlotName(slot);
            EXPECT_TRUE(missing.Contains(slot)) << RecordSlotName(slot);
        }
        // A write of the menu always sends something a cut file lacks; one
        // of the memories only when the cut comes before the program VFO
        // ranges are whole.
        EXPECT_TRUE(gaps.Touches(SlotSet::Covered(LinkScope::Menu)));
        EXPECT_EQ(gaps.Touches(SlotSet::Covered(LinkScope::Memory)), cut < memoryScopeEnd);
        ++checked;
    }
    EXPECT_GT(checked, 550);
}

TEST(FileGaps, WhatTheFileLacksIsNamed)
{
    const std::string file = WriteDataFile(FullImage("KK,0F", "ZT-Q2"), "field day");
    const std::string tail = "; what is missing holds empty or default values.";
    const struct
    {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"cut after memory 030", CutAfter(file, "030\t"),
         "This file ends early: DTMF memories, VFO, CALL and the menu settings are not in it, and memory "
         "channels may be missing" +
             tail},
        {"the header alone", file.substr(0, file.find('\n') + 1),
         "This file ends early: memory channels, DTMF memories, VFO, CALL and the menu settings are not in "
         "it" +
             tail},
        {"cut inside the VFO section", CutAfter(file, "__VFO DATA__", 3),
         "This file ends early: DTMF memories and the menu settings are not in it, and VFO channels may be "
         "missing" +
             tail},
        {"no VFO section", Without(file, "__VFO DATA__", "__DTMF DATA__"),
         "This file ends early: VFO is not in it" + tail},
        {"20 lines of the menu section", CutAfter(file, "__RADIO MENU__", 20),
         "This file ends early: menu settings 16 to 40 are not in it" + tail},
        {"44 lines of the menu section", CutAfter(file, "__RADIO MENU__", 44),
         "This file ends early: menu setting 40 is not in it" + tail},
        {"no comment", Without(file, "__COMMENT__", "__MEMORY DATA__"), ""},
        // Whatever the image, a file the program writes is whole.
        {"File > New saved", WriteDataFile(tslq::test::NewImage("JJ,01", "ZT-Q3"), ""), ""},
        {"records cleared", WriteDataFile(RadioImage(), "a\r\nb"), ""},
        {"final line end stripped", file.substr(0, file.size() - 2), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EnglishText(EndsEarlyMessage(Load(c.bytes).report.gaps)), c.message);
    }
}

TEST(FileGaps, ARepeatedSlotWhoseLaterLineIsDamagedKeepsTheEarlierLine)
{
    const std::string file = WriteDataFile(SampleImage("KK,0F", "ZT-Q2"), "");
    const Loaded whole = Load(file);
    const Loaded repeated = Load(file + "__MEMORY DATA__\r\n005\tbroken\r\n__DTMF DATA__\r\n09\tx\r\n");
    EXPECT_EQ(repeated.image.GetMemoryRecord(5), whole.image.GetMemoryRecord(5));
    EXPECT_EQ(EnglishText(NotLoadedMessage(repeated.report.leftOut)),
              "1 damaged record was not loaded: DTMF 9");
    EXPECT_EQ(EnglishText(EarlierLineUsedMessage(repeated.report.earlierLineUsed)),
              "1 damaged line was not loaded; the earlier line of its slot is used: memory 005");
    // A good line after the damaged one loads as ever.
    const Loaded again = Load(file + "__MEMORY DATA__\r\n005\tbroken\r\n005\t00145000000\r\n");
    EXPECT_EQ(again.image.GetMemoryRecord(5), "005,00145000000");
    EXPECT_TRUE(again.report.earlierLineUsed.empty());
}
