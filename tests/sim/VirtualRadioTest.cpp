// The simulated radio's answers, its storage of write commands, the
// byte-stream framing and the injected faults.
#include "sim/VirtualRadio.h"

#include "model/Records.h"

#include <gtest/gtest.h>

namespace {

std::string Ask(VirtualRadio& radio, const std::string& command)
{
    std::optional<std::string> reply = radio.Respond(command);
    if (!reply) return "<silent>";
    EXPECT_EQ(reply->back(), '\r');
    return reply->substr(0, reply->size() - 1);
}

} // namespace

TEST(VirtualRadio, AnswersQueriesWithEchoAndPayload)
{
    VirtualRadio radio("KK,0F", "ZT-Q2");
    EXPECT_EQ(Ask(radio, "VOX 0"), "VOX 0");
    EXPECT_EQ(Ask(radio, "ID"), "ID ZT-Q2");
    EXPECT_EQ(Ask(radio, "TYD"), "TYD KK,0F");
    EXPECT_EQ(Ask(radio, "FL 0"), "FL 0,00137,00174,00216,00260,00410,00470");
    EXPECT_EQ(Ask(radio, "FL 1").substr(0, 21), "FL 1,0000010,0000180,");
    EXPECT_EQ(Ask(radio, "PV 0"), "PV 0,00137,00173");
    EXPECT_EQ(Ask(radio, "PV 3"), "N");
    EXPECT_EQ(Ask(radio, "PC 0"), "PC 0,0");
    EXPECT_EQ(Ask(radio, "PC 2"), "PC 2,");
    EXPECT_EQ(Ask(radio, "NAR 5"), "NAR 5,0");
    EXPECT_EQ(Ask(radio, "NAR 4"), "?");
    EXPECT_EQ(Ask(radio, "BC"), "BC 0");
    EXPECT_EQ(Ask(radio, "MES"), "MES HELLO !!");
    EXPECT_EQ(Ask(radio, "VR A"), "VR A,00179750000,A,0,0,0,0,0,08,08,000,000000000,1");
    EXPECT_EQ(Ask(radio, "VR 3"), "N"); // no 1200 MHz band on the ZT-Q2
    EXPECT_EQ(Ask(radio, "CR 0,0"), "CR 0,0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0");
    EXPECT_EQ(Ask(radio, "CR 0,1"), "N");
    EXPECT_EQ(Ask(radio, "MR 0,005"), "N");
    EXPECT_EQ(Ask(radio, "MNA 005"), "N");
    EXPECT_EQ(Ask(radio, "MR 0,I-1"), "MR 0,I-1,00162550000,0,0,0,0,0,0,08,08,000,000000000,0,0");
    EXPECT_EQ(Ask(radio, "MNA I-1"), "MNA I-1,WEATHER");
    EXPECT_EQ(Ask(radio, "DM 03"), "N");
    EXPECT_EQ(Ask(radio, "XYZ"), "?");
    EXPECT_EQ(Ask(radio, "MR 0,500"), "?");
    EXPECT_EQ(radio.CommandCount(), 24);

    // The identity can be set apart from the model (the served 1200 MHz
    // variant); the band stays.
    VirtualRadio q5k("KK,0F", "ZT-Q5");
    EXPECT_EQ(Ask(q5k, "ID"), "ID ZT-Q5");
    q5k.SetIdentity("ZT-Q2");
    EXPECT_EQ(Ask(q5k, "ID"), "ID ZT-Q2");
    EXPECT_EQ(Ask(q5k, "PV 3"), "PV 3,01240,01299");

    VirtualRadio q3e("ME,0B", "ZT-Q3");
    EXPECT_EQ(Ask(q3e, "VR 1"), "N");
    EXPECT_EQ(Ask(q3e, "CR 1,0"), "N");
    EXPECT_EQ(Ask(q3e, "MR 0,I-1"), "N");
}

TEST(VirtualRadio, StoresWriteCommands)
{
    VirtualRadio radio("KK,0F", "ZT-Q2");
    EXPECT_EQ(Ask(radio, "MW 0,005,00145500000,5,1,0,1,0,0,08,08,000,000600000,0,0"),
              "MW 0,005,00145500000,5,1,0,1,0,0,08,08,000,000600000,0,0");
    EXPECT_EQ(Ask(radio, "MW 1,005,00146100000,5"), "MW 1,005,00146100000,5");
    EXPECT_EQ(Ask(radio, "MNA 005,RPT"), "MNA 005,RPT");
    EXPECT_EQ(Ask(radio, "MR 0,005"), "MR 0,005,00145500000,5,1,0,1,0,0,08,08,000,000600000,0,0");
    EXPECT_EQ(Ask(radio, "MR 1,005"), "MR 1,005,00146100000,5");
    EXPECT_EQ(Ask(radio, "MNA 005"), "MNA 005,RPT");

    // A complete "MW 0," clears the transmit part and the name.
    Ask(radio, "MW 0,005,00145600000,5,1,0,1,0,0,08,08,000,000600000,0,0");
    EXPECT_EQ(Ask(radio, "MR 1,005"), "N");
    EXPECT_EQ(Ask(radio, "MNA 005"), "MNA 005,");
    // A bare one empties the channel.
    Ask(radio, "MW 0,005");
    EXPECT_EQ(Ask(radio, "MR 0,005"), "N");
    EXPECT_EQ(Ask(radio, "MNA 005,X"), "N");
    Ask(radio, "MW 0,L0,00144000000,0,0,0,0,0,0,08,08,000,000000000,0,0");
    Ask(radio, "MW 1,L0,00144500000,0");
    EXPECT_EQ(Ask(radio, "MR 1,L0"), "MR 1,L0,00144500000,0");

    // "CW 0" goes to the CALL slot of its frequency's band; "CW 1" to the
    // slot of the last "CW 0", with the step it carries.
    Ask(radio, "CW 0,00433000000,7,0,0,0,0,0,08,08,000,005000000,0");
    Ask(radio, "CW 1,00438000000,7");
    EXPECT_EQ(radio.Memory().GetCallRecord(2),
              "2,00433000000,7,0,0,0,0,0,08,08,000,005000000,0,,00438000000,7,,");
    EXPECT_EQ(Ask(radio, "CR 2,1"), "CR 2,1,00438000000,7");
    EXPECT_EQ(Ask(radio, "CW 0,00050000000,7,0,0,0,0,0,08,08,000,005000000,0"), "N");

    Ask(radio, "VW A,00180000000,A,0,0,0,0,0,08,08,000,000000000,1");
    EXPECT_EQ(Ask(radio, "VR A"), "VR A,00180000000,A,0,0,0,0,0,08,08,000,000000000,1");
    Ask(radio, "PV 0,00144,00147");
    EXPECT_EQ(Ask(radio, "PV 0"), "PV 0,00144,00147");
    Ask(radio, "DM 03,123A");
    Ask(radio, "DMN 03,HOME");
    EXPECT_EQ(Ask(radio, "DM 03"), "DM 03,123A");
    EXPECT_EQ(Ask(radio, "DMN 03"), "DMN 03,HOME");
    Ask(radio, "DM 03,");
    EXPECT_EQ(Ask(radio, "DM 03"), "N");
    Ask(radio, "PC 1,2");
    Ask(radio, "NAR 5,1");
    Ask(radio, "MES ABC");
    Ask(radio, "CNT 12");
    EXPECT_EQ(Ask(radio, "PC 1"), "PC 1,2");
    EXPECT_EQ(Ask(radio, "NAR 5"), "NAR 5,1");
    EXPECT_EQ(Ask(radio, "MES"), "MES ABC");
    EXPECT_EQ(radio.Memory().GetMenuSetting(22), "12");
}

TEST(VirtualRadio, KeepsNamesInItsOwnCharacterSet)
{
    RadioImage image;
    image.SetTypeCode("ME,0B");
    image.SetModel("ZT-Q3");
    image.SetMemoryRecord(1, "001,00145000000,5,0,0,0,0,0,08,08,000,000000000,0,0,,,,\xC4X");
    image.SetDtmfRecord(2, "02,1*#,\xC4");
    image.SetMenuSetting(21, "\xC4\xC4");
    VirtualRadio radio(image);
    EXPECT_EQ(Ask(radio, "MNA 001"), "MNA 001,\x84X");
    EXPECT_EQ(Ask(radio, "DM 02"), "DM 02,1EF");
    EXPECT_EQ(Ask(radio, "DMN 02"), "DMN 02,\x84");
    EXPECT_EQ(Ask(radio, "MES"), "MES \x84\x84");
    const RadioImage back = radio.Contents();
    EXPECT_EQ(back.GetMemoryRecord(1), image.GetMemoryRecord(1));
    EXPECT_EQ(back.GetDtmfRecord(2), image.GetDtmfRecord(2));
    EXPECT_EQ(back.GetMenuSetting(21), "\xC4\xC4");
}

TEST(VirtualRadio, ByteStreamFraming)
{
    VirtualRadio radio("KK,0F", "ZT-Q2");
    EXPECT_EQ(radio.Feed("I"), "");
    EXPECT_EQ(radio.Feed("D\rTY"), "ID ZT-Q2\r");
    // Line feeds and flow-control characters are not part of a command; two
    // commands in one chunk give two replies.
    EXPECT_EQ(radio.Feed("D\r\n\x11"
                         "BC\r"),
              "TYD KK,0F\rBC 0\r");
    // An overlong line without CR is discarded, not kept growing.
    radio.Feed(std::string(VirtualRadio::MaxCommandLength + 10, 'x'));
    EXPECT_EQ(radio.Feed("ID\r"), "ID ZT-Q2\r");

    std::string pending = "AB\rC";
    EXPECT_EQ(VirtualRadio::TakeCommandLine(pending), "AB");
    EXPECT_EQ(VirtualRadio::TakeCommandLine(pending), std::nullopt);
    EXPECT_EQ(pending, "C");
}

TEST(VirtualRadio, InjectedFaults)
{
    VirtualRadio radio("KK,0F", "ZT-Q2");
    radio.SetFaults({2, 3, 4});
    EXPECT_EQ(Ask(radio, "ID"), "ID ZT-Q2");
    EXPECT_EQ(Ask(radio, "ID"), "<silent>");
    const std::string garbled = Ask(radio, "ID");
    EXPECT_NE(garbled, "ID ZT-Q2");
    EXPECT_EQ(garbled.size(), 8u);
    EXPECT_EQ(garbled.find('\r'), std::string::npos);
    EXPECT_FALSE(radio.HungUp());
    EXPECT_EQ(Ask(radio, "ID"), "ID ZT-Q2");
    EXPECT_TRUE(radio.HungUp());
    EXPECT_EQ(Ask(radio, "ID"), "<silent>");
    EXPECT_EQ(radio.Feed("ID\r"), "");
}

TEST(VirtualRadio, WriteCommandsAreTellable)
{
    const struct
    {
        const char* command;
        bool write;
    } cases[] = {
        {"MW 0,005", true},    {"MW 1,005,00146100000,5", true},
        {"MNA 005,RPT", true}, {"MNA 005", false},
        {"MR 0,005", false},   {"CW 0,00145000000", true},
        {"CR 0,0", false},     {"VW 0,00145000000", true},
        {"VR 0", false},       {"PV 0,00144,00147", true},
        {"PV 0", false},       {"DM 03,", true},
        {"DM 03", false},      {"DMN 03,HOME", true},
        {"DMN 03", false},     {"PC 0,1", true},
        {"PC 0", false},       {"NAR 5,0", true},
        {"NAR 5", false},      {"SV 1", true},
        {"MES ", true},        {"SV", false},
        {"VOX 0", false},      {"VMC 0,0", false},
        {"FL 0", false},       {"ID", false},
        {"TYD", false},        {"XYZ 1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWriteCommand(c.command), c.write) << c.command;
}

TEST(VirtualRadio, IgnoresTheNthWriteOnly)
{
    VirtualRadio radio("KK,0F", "ZT-Q2");
    VirtualRadioFaults faults;
    faults.ignoreWrite = 2;
    radio.SetFaults(faults);
    // Queries and mode commands do not count.
    EXPECT_EQ(Ask(radio, "VMC 0,0"), "VMC 0,0");
    EXPECT_EQ(Ask(radio, "SV 3"), "SV 3");
    EXPECT_EQ(Ask(radio, "SV"), "SV 3");
    // The second write is answered like any other and forgotten.
    EXPECT_EQ(Ask(radio, "SV 5"), "SV 5");
    EXPECT_EQ(Ask(radio, "SV"), "SV 3");
    EXPECT_EQ(Ask(radio, "MW 0,005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0"),
              "MW 0,005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0");
    EXPECT_EQ(Ask(radio, "MR 0,005"), "MR 0,005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0");
}
