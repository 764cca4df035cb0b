// Radio profile: default band limits by market, region and model, the
// first-start path, write-back of missing values and the port names.
#include "model/Profile.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using Limits = std::array<const char*, 15>;

struct MarketLimits
{
    const char* type;
    const char* model;
    Limits limits;
};

// Complete default tables of the four versions the setup offers, the 1200 MHz
// model, and type codes whose letters fall to the "other" branches.
const MarketLimits DefaultCases[] = {
    {"KK,0F",
     "ZT-Q2",
     {"00137,00174", "00216,00260", "00410,00470", "", "0000010,0000180", "0000180,0002970",
      "0002970,0005400", "0005400,0010800", "00108,00137", "00137,00174", "00174,00216", "00216,00400",
      "00400,00470", "00470,00806", "00806,01300"}},
    {"ME,0B",
     "ZT-Q3",
     {"00144,00146", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0008750",
      "0008750,0010800", "00108,00137", "00137,00174", "00174,00230", "00230,00400", "00400,00470",
      "00470,00862", "00862,01300"}},
    {"JJ,01",
     "ZT-Q3",
     {"00144,00146", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0007600",
      "0007600,0010800", "00108,00137", "00137,00174", "00174,00222", "00222,00415", "00415,00470",
      "00470,00770", "00770,01300"}},
    {"MM,07",
     "ZT-Q3",
     {"00144,00148", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0005400",
      "0005400,0010800", "00108,00137", "00137,00174", "00174,00223", "00223,00400", "00400,00470",
      "00470,00890", "00890,01300"}},
    {"KK,0F",
     "ZT-Q5",
     {"00137,00174", "00216,00260", "00410,00470", "01240,01300", "0000010,0000180", "0000180,0002970",
      "0002970,0005400", "0005400,0010800", "00108,00137", "00137,00174", "00174,00216", "00216,00400",
      "00400,00470", "00470,00806", "00806,01300"}},
    {"JJ,01",
     "ZT-Q5",
     {"00144,00146", "", "00430,00440", "01260,01300", "0000010,0000171", "0000171,0002970",
      "0002970,0007600", "0007600,0010800", "00108,00137", "00137,00174", "00174,00222", "00222,00415",
      "00415,00470", "00470,00770", "00770,01300"}},
    // Market K sold outside region K: no 220 MHz A band, TV-UHF from the K column.
    {"MK,0F",
     "ZT-Q2",
     {"00137,00174", "", "00410,00470", "", "0000010,0000180", "0000180,0002970", "0002970,0005400",
      "0005400,0010800", "00108,00137", "00137,00174", "00174,00216", "00216,00400", "00400,00470",
      "00470,00806", "00806,01300"}},
    // Region K decides the TV-UHF split before the market does.
    {"KE,0B",
     "ZT-Q3",
     {"00144,00146", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0008750",
      "0008750,0010800", "00108,00137", "00137,00174", "00174,00230", "00230,00400", "00400,00470",
      "00470,00806", "00806,01300"}},
    // Market X: 50 MHz/FM from the K column, TV-VHF/200 MHz from the M column, the rest J.
    {"XX,07",
     "ZT-Q3",
     {"00144,00146", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0005400",
      "0005400,0010800", "00108,00137", "00137,00174", "00174,00223", "00223,00400", "00400,00470",
      "00470,00770", "00770,01300"}},
    // An unknown letter takes the J column wherever the rules name no other.
    {"QQ,07",
     "ZT-Q3",
     {"00144,00146", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0007600",
      "0007600,0010800", "00108,00137", "00137,00174", "00174,00222", "00222,00415", "00400,00470",
      "00470,00770", "00770,01300"}},
};

TEST(ProfileLimits, DefaultsOfEveryMarketAndRegion)
{
    for (const MarketLimits& c : DefaultCases) {
        MemoryConfigStore store;
        store.Write("Type", c.type);
        store.Write("Model", c.model);
        RadioImage image;
        LoadProfile(store, image, "/work", [] { return 0; });
        for (int band = 0; band < 15; ++band) {
            SCOPED_TRACE(std::string(c.type) + " " + c.model + " band " + std::to_string(band));
            EXPECT_EQ(image.BandLimit(band), c.limits[static_cast<std::size_t>(band)]);
            // Every limit is written back, even an empty one.
            ASSERT_TRUE(store.Has(LimitValueName(band)));
            EXPECT_EQ(store.Read(LimitValueName(band)), c.limits[static_cast<std::size_t>(band)]);
        }
    }
}

TEST(ProfileLimits, StoredValuesWinOverDefaults)
{
    MemoryConfigStore store;
    store.Write("Type", "KK,0F");
    store.Write("Model", "ZT-Q3");
    store.Write("Limit0", "00140,00150");            // differs from the default: kept
    store.Write("Limit3", "01240,01300");            // not a 1200 MHz model: forced empty
    store.Write("Limit5", "garbage");                // no comma: cannot be compared, defaulted
    store.Write("Limit9", "00137,00174,0123456789"); // longer than the image holds: cut
    RadioImage image;
    LoadProfile(store, image, "/work", {});
    EXPECT_EQ(image.BandLimit(0), "00140,00150");
    EXPECT_EQ(image.BandLimit(3), "");
    EXPECT_EQ(store.Read("Limit3"), "");
    EXPECT_EQ(image.BandLimit(5), "0000180,0002970");
    EXPECT_EQ(store.Read("Limit5"), "0000180,0002970");
    EXPECT_EQ(image.BandLimit(9), "00137,00174,0123456");
    EXPECT_EQ(store.Read("Limit9"), "00137,00174,0123456");
}

TEST(ProfileLoad, FirstStartAsksOnceAndStoresTheChoice)
{
    MemoryConfigStore store;
    RadioImage image;
    int asked = 0;
    const ProfileSettings settings = LoadProfile(store, image, "/home/op/radio", [&] {
        ++asked;
        return 2; // "ZT-Q3 (Japan)"
    });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(store.Read("Type"), "JJ,01");
    EXPECT_EQ(store.Read("Model"), "ZT-Q3");
    EXPECT_EQ(store.Read("Path"), "/home/op/radio");
    EXPECT_EQ(store.Read("CommPort"), "COM1");
    EXPECT_EQ(settings.path, "/home/op/radio");
    EXPECT_EQ(settings.commPort, "COM1");
    EXPECT_EQ(settings.checkedPort, 1);
    EXPECT_EQ(image.TypeCode(), "JJ,01");
    EXPECT_EQ(image.Model(), "ZT-Q3");
    EXPECT_EQ(image.BandLimit(1), "");
    EXPECT_EQ(image.BandLimit(3), "");
    EXPECT_EQ(image.BandLimit(12), "00415,00470");
}

TEST(ProfileLoad, ModelFollowsTheSetupChoice)
{
    const struct
    {
        int choice;
        const char* type;
        const char* model;
    } cases[] = {{0, "KK,0F", "ZT-Q2"},
                 {1, "ME,0B", "ZT-Q3"},
                 {3, "MM,07", "ZT-Q3"},
                 {7, "KK,0F", "ZT-Q2"} /* out of range: the preselected entry */};
    for (const auto& c : cases) {
        MemoryConfigStore store;
        RadioImage image;
        LoadProfile(store, image, "/", [&] { return c.choice; });
        EXPECT_EQ(store.Read("Type"), c.type) << c.choice;
        EXPECT_EQ(store.Read("Model"), c.model) << c.choice;
    }
}

TEST(ProfileLoad, TypeWithoutModelNeverAsksAndTakesTheFirstModel)
{
    MemoryConfigStore store;
    store.Write("Type", "JJ,01");
    store.Write("Path", "/data");
    store.Write("CommPort", "COM7");
    RadioImage image;
    bool asked = false;
    const ProfileSettings settings = LoadProfile(store, image, "/ignored", [&] {
        asked = true;
        return 2;
    });
    EXPECT_FALSE(asked);
    EXPECT_EQ(image.Model(), "ZT-Q2");
    EXPECT_EQ(store.Read("Model"), "ZT-Q2");
    EXPECT_EQ(settings.path, "/data");
    EXPECT_EQ(store.Read("Path"), "/data");
    EXPECT_EQ(settings.checkedPort, 7);
}

TEST(ProfileLoad, OverlongTypeAndModelAreCutToTheImage)
{
    MemoryConfigStore store;
    store.Write("Type", "KK,0F,EXTRA");
    store.Write("Model", "ZT-Q5-SPECIAL");
    RadioImage image;
    LoadProfile(store, image, "/", {});
    EXPECT_EQ(image.TypeCode(), "KK,0F");
    EXPECT_EQ(image.Model(), "ZT-Q5-SPE");
    // Not the 1200 MHz model any more once cut.
    EXPECT_EQ(image.BandLimit(3), "");
}

TEST(ProfilePorts, PortNumbersAndTheCheckedEntry)
{
    const struct
    {
        const char* name;
        int number;
    } cases[] = {{"COM1", 1}, {"COM2", 2}, {"COM9", 9},  {"COM10", 10}, {"COM11", 1},
                 {"COM0", 1}, {"com3", 1}, {"COM3 ", 1}, {"", 1},       {"/dev/ttyUSB0", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(PortNumber(c.name), c.number) << c.name;
        MemoryConfigStore store;
        store.Write("Type", "KK,0F");
        store.Write("CommPort", c.name);
        RadioImage image;
        const ProfileSettings settings = LoadProfile(store, image, "/", {});
        if (*c.name != '\0') {
            EXPECT_EQ(settings.commPort, c.name);
        }
        EXPECT_EQ(settings.checkedPort, c.number) << c.name;
    }
}

TEST(ProfileSave, PathPortAndLimits)
{
    MemoryConfigStore store;
    EXPECT_EQ(SavePath(store, "/home/op/radio/field day.qx"), "/home/op/radio");
    EXPECT_EQ(store.Read("Path"), "/home/op/radio");
    EXPECT_EQ(FolderOf("/top.qx"), "/");
    EXPECT_EQ(FolderOf("C:\\Radio\\data.qx"), "C:\\Radio");
    EXPECT_EQ(FolderOf("C:\\data.qx"), "C:\\");
    EXPECT_EQ(FolderOf("data.qx"), "");

    SaveCommPort(store, "COM4");
    EXPECT_EQ(store.Read("CommPort"), "COM4");

    RadioImage image;
    image.SetTypeCode("ME,0B");
    image.SetModel("ZT-Q3");
    for (int band = 0; band < 15; ++band)
        image.SetBandLimit(band, band == 1 ? "" : "00100,00200");
    SaveLimits(store, image);
    EXPECT_EQ(store.Read("Type"), "ME,0B");
    EXPECT_EQ(store.Read("Model"), "ZT-Q3");
    EXPECT_EQ(store.Read("Limit0"), "00100,00200");
    EXPECT_TRUE(store.Has("Limit1"));
    EXPECT_EQ(store.Read("Limit14"), "00100,00200");
}

} // namespace
