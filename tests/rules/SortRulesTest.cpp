// Memory channel sort: gap closing, both orders, renumbering, and a property
// check over random images.
#include "rules/SortRules.h"

#include "model/Records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Channel(int slot, std::string_view frequency, std::string_view name, char lockout = '0',
                    std::string_view tones = "1,0,0,08,08,000")
{
    std::string record = MemoryLabel(slot);
    record += ",";
    record += frequency;
    record += ",0,1,0,";
    record += tones;
    record += ",000600000,0,";
    record += lockout;
    record += ",,,,";
    record += name;
    return record;
}

// The record without its label: what must travel unchanged with a channel.
std::string Body(std::string_view record)
{
    const std::size_t comma = record.find(',');
    return comma == std::string_view::npos ? std::string() : std::string(record.substr(comma));
}

RadioImage ImageWithSpecials()
{
    RadioImage image;
    image.SetTypeCode("KK,0F");
    for (int slot = ScanEdgeFirst; slot < MemoryCount; ++slot)
        image.SetMemoryRecord(slot, Channel(slot, "00146520000", "SPECIAL", '1'));
    return image;
}

std::vector<std::string> Labels(const RadioImage& image, int count)
{
    std::vector<std::string> labels;
    for (int i = 0; i < count; ++i)
        labels.emplace_back(image.GetRecordField(RecordKind::Memory, i, 0));
    return labels;
}

TEST(MemorySort, ScatteredChannelsMoveToTheFrontRenumbered)
{
    for (const SortOrder order : {SortOrder::Frequency, SortOrder::Name}) {
        RadioImage image = ImageWithSpecials();
        image.SetMemoryRecord(5, Channel(5, "00440000000", "CHARLIE", '1', "0,1,0,08,12,000"));
        image.SetMemoryRecord(17, Channel(17, "00145000000", "BRAVO"));
        image.SetMemoryRecord(300, Channel(300, "00146000000", "ALPHA", '0', "0,0,1,08,08,044"));
        const RadioImage before = image;
        SortMemoryChannels(image, order);

        const std::vector<std::string> expected =
            order == SortOrder::Frequency
                ? std::vector<std::string>{before.GetMemoryRecord(17), before.GetMemoryRecord(300),
                                           before.GetMemoryRecord(5)}
                : std::vector<std::string>{before.GetMemoryRecord(300), before.GetMemoryRecord(17),
                                           before.GetMemoryRecord(5)};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(image.GetRecordField(RecordKind::Memory, k, 0), MemoryLabel(k));
            // Tones, lockout and every other field travel with the channel.
            EXPECT_EQ(Body(image.GetMemoryRecord(k)), Body(expected[static_cast<std::size_t>(k)]));
        }
        for (int k = 3; k < OrdinaryMemoryCount; ++k)
            EXPECT_EQ(image.GetMemoryRecord(k), "") << k;
        for (int k = ScanEdgeFirst; k < MemoryCount; ++k)
            EXPECT_EQ(image.GetMemoryRecord(k), before.GetMemoryRecord(k)) << k;
    }
}

TEST(MemorySort, NothingToSortChangesNothing)
{
    RadioImage image = ImageWithSpecials();
    const RadioImage before = image;
    SortMemoryChannels(image, SortOrder::Frequency);
    EXPECT_EQ(image, before);
    SortMemoryChannels(image, SortOrder::Name);
    EXPECT_EQ(image, before);
}

TEST(MemorySort, EqualFrequenciesKeepTheirOrder)
{
    RadioImage image;
    image.SetMemoryRecord(0, Channel(0, "00446000000", "Z"));
    image.SetMemoryRecord(3, Channel(3, "00145000000", "FIRST"));
    image.SetMemoryRecord(4, Channel(4, "00145000000", "SECOND"));
    image.SetMemoryRecord(9, Channel(9, "00145000000", "THIRD"));
    image.SetMemoryRecord(10, Channel(10, "00144000000", "LOW"));
    SortMemoryChannels(image, SortOrder::Frequency);
    std::vector<std::string> names;
    for (int k = 0; k < 5; ++k)
        names.emplace_back(image.GetRecordField(RecordKind::Memory, k, ChannelField::Name));
    EXPECT_EQ(names, (std::vector<std::string>{"LOW", "FIRST", "SECOND", "THIRD", "Z"}));
}

TEST(MemorySort, NamesInByteOrderThenUnnamedByFrequency)
{
    RadioImage image;
    const std::array<std::pair<const char*, const char*>, 8> channels{{
        {"00440000000", ""},
        {"00145000000", "alpha"},
        {"00146000000", "Zulu"},
        {"00144000000", ""},
        {"00147000000", "9 LIVES"},
        {"00148000000", "A,B"},
        {"00430000000", "\xc4RGER"}, // a Latin-1 letter sorts after ASCII
        {"00145500000", ""},
    }};
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const int slot = static_cast<int>(i) * 7 + 1;
        image.SetMemoryRecord(slot, Channel(slot, channels[i].first, channels[i].second));
    }
    SortMemoryChannels(image, SortOrder::Name);
    std::vector<std::string> order;
    for (int k = 0; k < 8; ++k) {
        order.push_back(std::string(image.GetRecordField(RecordKind::Memory, k, ChannelField::Name)) + "@" +
                        image.GetRecordField(RecordKind::Memory, k, ChannelField::Frequency));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"9 LIVES@00147000000", "A,B@00148000000", "Zulu@00146000000",
                                               "alpha@00145000000", "\xc4RGER@00430000000", "@00144000000",
                                               "@00145500000", "@00440000000"}));
    EXPECT_EQ(Labels(image, 8),
              (std::vector<std::string>{"000", "001", "002", "003", "004", "005", "006", "007"}));
}

TEST(MemorySort, RenumberingCompletesShortRecords)
{
    RadioImage image;
    image.SetMemoryRecord(7, "007,00145000000,0");
    SortMemoryChannels(image, SortOrder::Frequency);
    EXPECT_EQ(image.GetMemoryRecord(0), "000,00145000000,0" + std::string(15, ','));
    EXPECT_EQ(image.GetMemoryRecord(7), "");
}

// Random well-formed images: the channels are a permutation of the old ones
// (nothing lost or doubled), renumbered, in the promised order, and the
// special channels are untouched. The first rounds are the edges (no
// channel, every slot, only the first or last slots); most others hold a few
// dozen channels scattered over all 400 slots, where few distinct keys make
// equal frequencies and names common; every tenth pair of rounds is dense.
TEST(MemorySort, RandomImagesKeepEveryChannel)
{
    std::mt19937 random(20240611);
    const std::array<const char*, 12> names{"",    "",   "",          "A", "AB", "a",
                                            "B,C", "ZZ", "\xe9t\xe9", "1", "AB", "~"};
    const std::vector<std::vector<int>> edges = {{}, {0}, {399}, {398, 399}, {0, 399}};
    std::vector<int> everySlot(OrdinaryMemoryCount);
    for (int slot = 0; slot < OrdinaryMemoryCount; ++slot)
        everySlot[static_cast<std::size_t>(slot)] = slot;
    for (int round = 0; round < 300; ++round) {
        const SortOrder order = round % 2 == 0 ? SortOrder::Frequency : SortOrder::Name;
        std::vector<int> filled;
        if (const std::size_t edge = static_cast<std::size_t>(round / 2); edge < edges.size()) {
            filled = edges[edge];
        } else if (edge == edges.size()) {
            filled = everySlot;
        } else {
            filled = everySlot;
            std::shuffle(filled.begin(), filled.end(), random);
            const std::size_t count = round % 20 < 2 ? 200 + random() % 201 : random() % 41;
            filled.resize(count);
            std::sort(filled.begin(), filled.end());
        }
        RadioImage image = ImageWithSpecials();
        std::vector<std::string> bodies;
        for (int slot : filled) {
            // Few distinct frequencies, so that equal keys are common.
            char frequency[16];
            std::snprintf(frequency, sizeof frequency, "%011u",
                          static_cast<unsigned>(144000000u + (random() % 40u) * 5000u));
            const char lockout = random() % 2 ? '1' : '0';
            const std::string record =
                Channel(slot, frequency, names[random() % names.size()], lockout,
                        "0,0,0," + std::to_string(10 + random() % 30) + ",08," + std::to_string(100 + slot));
            image.SetMemoryRecord(slot, record);
            bodies.push_back(Body(record));
        }
        const RadioImage before = image;
        SortMemoryChannels(image, order);
        const int count = static_cast<int>(bodies.size());
        std::vector<std::string> after;
        for (int k = 0; k < count; ++k) {
            ASSERT_EQ(image.GetRecordField(RecordKind::Memory, k, 0), MemoryLabel(k));
            after.push_back(Body(image.GetMemoryRecord(k)));
        }
        for (int k = count; k < OrdinaryMemoryCount; ++k)
            ASSERT_EQ(image.GetMemoryRecord(k), "");
        for (int k = ScanEdgeFirst; k < MemoryCount; ++k)
            ASSERT_EQ(image.GetMemoryRecord(k), before.GetMemoryRecord(k));

        if (order == SortOrder::Frequency) {
            // The bubble sort is stable: the same as a stable sort by frequency.
            std::vector<std::string> expected = bodies;
            std::stable_sort(expected.begin(), expected.end(),
                             [](const std::string& a, const std::string& b) {
                                 return RecordField(a, 1) < RecordField(b, 1);
                             });
            ASSERT_EQ(after, expected);
        } else {
            std::vector<std::string> sortedAfter = after;
            std::vector<std::string> sortedBodies = bodies;
            std::sort(sortedAfter.begin(), sortedAfter.end());
            std::sort(sortedBodies.begin(), sortedBodies.end());
            ASSERT_EQ(sortedAfter, sortedBodies);
            for (std::size_t k = 1; k < after.size(); ++k) {
                const std::string_view nameA = RecordField(after[k - 1], 17, true);
                const std::string_view nameB = RecordField(after[k], 17, true);
                if (!nameA.empty() && !nameB.empty())
                    ASSERT_LE(nameA, nameB);
                else if (nameA.empty() && nameB.empty())
                    ASSERT_LE(RecordField(after[k - 1], 1), RecordField(after[k], 1));
                else
                    ASSERT_FALSE(nameA.empty()) << "a named channel after an unnamed one";
            }
        }
    }
}

} // namespace
