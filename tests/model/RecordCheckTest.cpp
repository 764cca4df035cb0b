// Record checks: what passes and fails field by field, and that every record
// the program itself produces (market defaults, random valid records) passes.
#include "model/RecordCheck.h"

#include "model/Profile.h"
#include "model/RadioImage.h"
#include "model/Records.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::string Valid = "005,00145000000,5,1,0,1,0,0,08,12,103,000600000,0,1,00144500000,B,,NAME,1";

// Valid with field n replaced.
std::string WithField(std::string record, int n, const std::string& value)
{
    std::size_t start = 0;
    for (int i = 0; i < n; ++i)
        start = record.find(',', start) + 1;
    const std::size_t end = n == ChannelField::Name ? record.size() : record.find(',', start);
    return record.replace(start, end - start, value);
}

TEST(RecordCheck, ChannelRecordsFieldByField)
{
    const struct
    {
        ChannelKind kind;
        std::string record;
        std::string_view reason; // empty: passes
    } cases[] = {
        {ChannelKind::Memory, Valid, ""},
        {ChannelKind::Memory, "", ""},
        // Records that stop early, and empty fields, are the notation's.
        {ChannelKind::Memory, "005", ""},
        {ChannelKind::Memory, "005,00145000000,5", ""},
        {ChannelKind::Memory, "005,00145000000,", ""},
        {ChannelKind::Memory, "005,,,,,,,,,,,,,,,,,", ""},
        {ChannelKind::Memory, "7,00145000000", ""},
        {ChannelKind::Memory, "431,00145000000", ""},
        {ChannelKind::Memory, "U9,00145000000", ""},
        {ChannelKind::Memory, "PR2,00145000000", ""},
        {ChannelKind::Memory, "I-0,00145000000", ""},
        {ChannelKind::Memory, "432,00145000000", "label is not a memory channel"},
        {ChannelKind::Memory, ",00145000000", "label is not a memory channel"},
        {ChannelKind::Memory, "5ab,00145000000", "label is not a memory channel"},
        {ChannelKind::Memory, "005,abcdefghijk", "frequency is not 11 digits"},
        {ChannelKind::Memory, "005,-0145000000", "frequency is not 11 digits"},
        {ChannelKind::Memory, "005," + std::string(300, '9'), "frequency is not 11 digits"},
        {ChannelKind::Memory, "005,0014500000", "frequency is not 11 digits"},
        {ChannelKind::Memory,
         "005,00145\xA5\xFF"
         "0000",
         "frequency is not 11 digits"},
        {ChannelKind::Memory, WithField(Valid, 2, "C"), "step is not a step code"},
        {ChannelKind::Memory, WithField(Valid, 2, "a"), "step is not a step code"},
        {ChannelKind::Memory, WithField(Valid, 3, "4"), "shift is not 0 to 3"},
        {ChannelKind::Memory, WithField(Valid, 4, "2"), "reverse is not 0 or 1"},
        {ChannelKind::Memory, WithField(Valid, 7, "11"), "DCS is not 0 or 1"},
        {ChannelKind::Memory, WithField(Valid, 8, "42"), "tone is not 00 to 41"},
        {ChannelKind::Memory, WithField(Valid, 9, "8"), "CTCSS tone is not 00 to 41"},
        {ChannelKind::Memory, WithField(Valid, 10, "104"), "DCS code is not 000 to 103"},
        {ChannelKind::Memory, WithField(Valid, 11, "00600000"), "offset is not 9 digits"},
        {ChannelKind::Memory, WithField(Valid, 12, "6"), "mode is not 0 to 5"},
        {ChannelKind::Memory, WithField(Valid, 13, "?"), "lockout is not 0 or 1"},
        {ChannelKind::Memory, WithField(Valid, 14, "1445"), "TX frequency is not 11 digits"},
        {ChannelKind::Memory, WithField(Valid, 15, "F"), "TX step is not a step code"},
        {ChannelKind::Memory, WithField(Valid, 16, "\x01"), "field 16 holds a control byte"},
        // Names: any 8-bit text of either market, commas included; no control byte.
        {ChannelKind::Memory, WithField(Valid, 17, "NHK\xBB\xAF\xCE\xDF\xDB"), ""},
        {ChannelKind::Memory, WithField(Valid, 17, "\xC4,\xE9,x"), ""},
        {ChannelKind::Memory, WithField(Valid, 17, "AB\x7F"), "name holds a control byte"},
        {ChannelKind::Memory, WithField(Valid, 17, std::string("A\0B", 3)), "name holds a control byte"},
        {ChannelKind::Memory, WithField(Valid, 17, "A\tB"), "name holds a control byte"},
        {ChannelKind::Vfo, "0,00145000000,7,0,0,0,0,0,08,08,000,000600000,0,,,,,", ""},
        {ChannelKind::Vfo, "E,01240000000", ""},
        {ChannelKind::Vfo, "F,01240000000", "label is not a band code"},
        {ChannelKind::Vfo, "e,01240000000", "label is not a band code"},
        {ChannelKind::Vfo, "10,01240000000", "label is not a band code"},
        {ChannelKind::Call, "3,01240000000", ""},
        {ChannelKind::Call, "4,01240000000", "label is not a CALL band code"},
    };
    for (const auto& c : cases) {
        const RecordCheck check = CheckChannelRecord(c.kind, c.record);
        EXPECT_EQ(check.reason, c.reason) << c.record;
        EXPECT_EQ(static_cast<bool>(check), c.reason.empty()) << c.record;
    }
}

TEST(RecordCheck, ReplyPiecesAndOtherRecords)
{
    // Runs of fields as replies carry them.
    EXPECT_TRUE(CheckChannelFields(ChannelKind::Memory, "00145500000,5", 14, 15));
    EXPECT_EQ(CheckChannelFields(ChannelKind::Memory, "00145500000,5,", 14, 15).reason, "too many fields");
    EXPECT_TRUE(
        CheckChannelFields(ChannelKind::Call, "00144000000,0,0,0,0,0,0,08,08,000,000600000,0", 1, 12));
    EXPECT_FALSE(CheckChannelFields(ChannelKind::Call, "0,00144000000", 1, 12));
    EXPECT_TRUE(CheckChannelFields(ChannelKind::Memory, "A,B,C", 17, 17));
    EXPECT_FALSE(CheckChannelFields(ChannelKind::Memory, "", 12, 18));
    EXPECT_TRUE(CheckName(""));
    EXPECT_FALSE(CheckName("\r"));

    const struct
    {
        RecordSlot slot;
        std::string text;
        bool ok;
    } cases[] = {
        {{RecordSlotKind::Dtmf, 3}, "03,0123456789ABCD*#,HOME,1", true},
        {{RecordSlotKind::Dtmf, 3}, "3,1 2,", true}, // the number's width is the radio's
        {{RecordSlotKind::Dtmf, 3}, "03", true},
        {{RecordSlotKind::Dtmf, 3}, "10,1", false},
        {{RecordSlotKind::Dtmf, 3}, " 3,1", false},
        {{RecordSlotKind::Dtmf, 3}, "03,12EF", true},
        {{RecordSlotKind::Dtmf, 3}, "03,12G", false},
        {{RecordSlotKind::Dtmf, 3}, "03,12a", false},
        {{RecordSlotKind::Dtmf, 3}, "03,12345678901234567", false},
        {{RecordSlotKind::Dtmf, 3}, "03,1,A\nB", false},
        {{RecordSlotKind::ProgramVfo, 0}, "0,00144,00147", true},
        {{RecordSlotKind::ProgramVfo, 0}, "0,00144,00147,", true},
        {{RecordSlotKind::ProgramVfo, 0}, "", true},
        {{RecordSlotKind::ProgramVfo, 0}, "0,0144,00147", false},
        {{RecordSlotKind::ProgramVfo, 0}, "4,00144,00147", false},
        {{RecordSlotKind::ProgramVfo, 0}, "0,00144,00147,1", false},
        {{RecordSlotKind::ProgramVfo, 0}, "__RADIO MENU__", false},
        {{RecordSlotKind::Menu, 0}, "1", true},
        {{RecordSlotKind::Menu, 0}, "2", false},
        {{RecordSlotKind::Menu, 0}, "10", false},
        {{RecordSlotKind::Menu, 9}, "", true},
        {{RecordSlotKind::Menu, 12}, "0 2  5 7", true},
        {{RecordSlotKind::Menu, 12}, "        ", true},
        {{RecordSlotKind::Menu, 12}, "1       ", false},
        {{RecordSlotKind::Menu, 12}, "0 2", false},
        {{RecordSlotKind::Menu, 18}, "6", true},
        {{RecordSlotKind::Menu, 18}, "7", false},
        {{RecordSlotKind::Menu, 21}, "\xC4 TEST", true},
        {{RecordSlotKind::Menu, 21}, "HI\x1B", false},
        {{RecordSlotKind::Menu, 22}, "16", true},
        {{RecordSlotKind::Menu, 22}, "00", false},
        {{RecordSlotKind::Menu, 22}, "8", false},
        {{RecordSlotKind::Menu, 23}, "9", true},
        {{RecordSlotKind::Menu, 41}, "0", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<bool>(CheckSlotRecord(c.slot, c.text)), c.ok)
            << RecordSlotName(c.slot) << ": " << c.text;

    EXPECT_EQ(EnglishText(NotLoadedMessage(
                  {{RecordSlotKind::Memory, 5}, {RecordSlotKind::Memory, 10}, {RecordSlotKind::Dtmf, 3}})),
              "3 damaged records were not loaded: memory 005, memory 010, DTMF 3");
    EXPECT_EQ(EnglishText(NotLoadedMessage({{RecordSlotKind::Vfo, 10}})),
              "1 damaged record was not loaded: VFO A");
    EXPECT_EQ(RecordSlotList({{RecordSlotKind::Memory, 400},
                              {RecordSlotKind::Call, 2},
                              {RecordSlotKind::ProgramVfo, 1},
                              {RecordSlotKind::Menu, 21}}),
              "memory L0, CALL 2, program VFO 1, menu setting 21");
}

RadioImage NewImage(const std::string& type, const std::string& model)
{
    MemoryConfigStore store;
    store.Write("Type", type);
    store.Write("Model", model);
    RadioImage image;
    LoadProfile(store, image, "/", [] { return 0; });
    image.ClearImage();
    image.LoadDefaultVfoAndCall();
    image.LoadInformationChannels();
    image.LoadDefaultMenu();
    return image;
}

// A random record out of every field's whole range, cut after a random field.
std::string RandomChannel(std::mt19937& random, int slot)
{
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    auto digits = [&](int width) {
        std::string text;
        for (int i = 0; i < width; ++i)
            text += static_cast<char>('0' + pick(10));
        return text;
    };
    auto padded = [](int value, std::size_t width) {
        std::string text = std::to_string(value);
        return std::string(width - text.size(), '0') + text;
    };
    const std::string steps = "0123456789AB";
    std::string name;
    for (int i = pick(9); i > 0; --i)
        name += static_cast<char>(0x20 + pick(0x5F) + (pick(2) ? 0x80 : 0)); // both markets' bytes
    const std::string fields[] = {MemoryLabel(slot),
                                  digits(11),
                                  std::string(1, steps[static_cast<std::size_t>(pick(12))]),
                                  std::to_string(pick(4)),
                                  std::to_string(pick(2)),
                                  std::to_string(pick(2)),
                                  std::to_string(pick(2)),
                                  std::to_string(pick(2)),
                                  padded(pick(42), 2),
                                  padded(pick(42), 2),
                                  padded(pick(104), 3),
                                  digits(9),
                                  std::to_string(pick(6)),
                                  std::to_string(pick(2)),
                                  pick(2) ? digits(11) : "",
                                  pick(2) ? std::string(1, steps[static_cast<std::size_t>(pick(12))]) : "",
                                  "",
                                  name};
    const int last = pick(3) ? ChannelField::Name : pick(ChannelField::Count);
    std::string record = fields[0];
    for (int f = 1; f <= last; ++f)
        record += "," + fields[f];
    return record;
}

// The channel rules written the plain way: split at commas, judge each field.
bool ReferenceMemoryCheck(const std::string& record)
{
    if (record.empty()) return true;
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < ChannelField::Name) {
        const std::size_t comma = record.find(',', start);
        fields.push_back(
            record.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
        if (fields.size() == ChannelField::Name) fields.push_back(record.substr(start));
    }
    auto digits = [](const std::string& f, std::size_t width, int highest) {
        if (f.size() != width) return false;
        for (char c : f)
            if (c < '0' || c > '9') return false;
        return highest < 0 || std::stoi(f) <= highest;
    };
    auto code = [](const std::string& f, const std::string& codes) {
        return f.size() == 1 && codes.find(f[0]) != std::string::npos;
    };
    auto text = [](const std::string& f) {
        for (char c : f)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
        return true;
    };
    for (std::size_t n = 0; n < fields.size(); ++n) {
        const std::string& f = fields[n];
        if (n == 0) { // a table label, or the slot number in any width
            const std::size_t nonZero = f.find_first_not_of('0');
            const std::string value = nonZero == std::string::npos ? "0" : f.substr(nonZero);
            const bool number = !f.empty() && f.find_first_not_of("0123456789") == std::string::npos &&
                                value.size() <= 3 && std::stoi(value) < MemoryCount;
            if (!number && MemoryIndexOfLabel(f) < 0) return false;
            continue;
        }
        if (f.empty()) continue;
        const bool ok = n == 1 || n == 14    ? digits(f, 11, -1)
                        : n == 2 || n == 15  ? code(f, "0123456789AB")
                        : n == 3             ? code(f, "0123")
                        : n == 12            ? code(f, "012345")
                        : n == 8 || n == 9   ? digits(f, 2, 41)
                        : n == 10            ? digits(f, 3, 103)
                        : n == 11            ? digits(f, 9, -1)
                        : n == 16 || n == 17 ? text(f)
                                             : code(f, "01");
        if (!ok) return false;
    }
    return true;
}

TEST(RecordCheck, AgreesWithThePlainRulesOnDamagedRecords)
{
    std::mt19937 random(7);
    const std::string bytes = std::string("0123456789AB,,,-\x7F\x01\xA5 z") + '\0';
    for (int n = 0; n < 50000; ++n) {
        std::string record = Valid;
        for (int k = static_cast<int>(random() % 3); k >= 0; --k) {
            const std::size_t at = random() % record.size();
            switch (random() % 3) {
            case 0:
                record[at] = bytes[random() % bytes.size()];
                break;
            case 1:
                record.erase(at, 1);
                break;
            default:
                record.insert(at, 1, bytes[random() % bytes.size()]);
            }
        }
        ASSERT_EQ(static_cast<bool>(CheckMemoryRecord(record)), ReferenceMemoryCheck(record)) << record;
    }
}

TEST(RecordCheck, EverythingTheProgramProducesPasses)
{
    for (const VersionChoice& version : VersionChoices)
        for (const char* model : {"ZT-Q2", "ZT-Q3", "ZT-Q5"}) {
            const RadioImage image = NewImage(std::string(version.type), model);
            for (const DamagedRecord& damaged : CheckImageRecords(image))
                ADD_FAILURE() << version.type << " " << model << ": " << RecordSlotName(damaged.slot) << ": "
                              << damaged.reason;
        }
    for (const char* type : {"EE,09", "EE,0B", "KK,01"}) {
        const RadioImage image = NewImage(type, "ZT-Q5");
        EXPECT_TRUE(CheckImageRecords(image).empty()) << type;
    }

    std::mt19937 random(11);
    for (int n = 0; n < 20000; ++n) {
        const int slot = static_cast<int>(random() % MemoryCount);
        const std::string record = RandomChannel(random, slot);
        ASSERT_TRUE(CheckMemoryRecord(record)) << record << ": " << CheckMemoryRecord(record).reason;
        // The same record with one fixed-width field a digit short fails.
        if (record.find(',') != std::string::npos && record.size() > 20) {
            std::string shorter = record;
            shorter.erase(record.find(',') + 1, 1);
            EXPECT_FALSE(CheckMemoryRecord(shorter)) << shorter;
        }
    }
}

} // namespace
