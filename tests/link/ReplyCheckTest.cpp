// The reply check of the read: each query's reply against what a well-formed
// one looks like, the error marks that read as empty, and the noise, wrong
// echoes, missing or extra fields and out-of-range values that must not pass.
#include "link/ReplyCheck.h"

#include <gtest/gtest.h>

namespace {

bool Passes(const RadioCommand& command, ReplyExpectation expected, std::string_view bytes, char market = 'K')
{
    ReplyAssembler reply(command.echo);
    reply.Feed(bytes);
    return CheckReply(command, expected, reply.Echo(), reply.Payload(), reply.Cut(), market).Ok();
}

} // namespace

TEST(ReplyCheck, EachQueryAgainstWellFormedAndBrokenReplies)
{
    using S = ReplyShape;
    const std::string longName = "MNA 005," + std::string(300, 'A') + "\r";
    const struct
    {
        RadioCommand command;
        ReplyExpectation expected;
        std::string reply;
        bool ok;
    } cases[] = {
        // Wake-ups are never checked; error marks read as empty wherever the read has an empty.
        {WakeUpCommand(), {S::Unchecked, 0}, "~\xA5,?\r", true},
        {MemoryQuery(5), {S::Memory, 5}, "MR 0,005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,0\r", true},
        {MemoryQuery(5), {S::Memory, 5}, "N\r", true},
        {MemoryQuery(5), {S::Memory, 5}, "?\r", true},
        {MemoryQuery(5), {S::Memory, 5}, "MR 0,006,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,0\r", false},
        {MemoryQuery(5), {S::Memory, 5}, "mr 0,005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,0\r", false},
        {MemoryQuery(5),
         {S::Memory, 5},
         "~\xA5,?#\xFF"
         "0%~\xA5,?#\xFF"
         "0%~\xA5,?#\xFF"
         "0%~\xA5,?#\xFF"
         "0%~\xA5\r",
         false},
        {MemoryQuery(5),
         {S::Memory, 5},
         "MR 0,005,0014550000\xA5,5,1,0,1,0,0,12,08,007,000600000,0,0\r",
         false},
        // A reply may stop early; one field too many is garbled.
        {MemoryQuery(5), {S::Memory, 5}, "MR 0,005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0\r", true},
        {MemoryQuery(5), {S::Memory, 5}, "MR 0,005,00145500000,5,1\r", true},
        {MemoryQuery(5), {S::Memory, 5}, "MR 0,005,00145500000,5,1,\r", true},
        {MemoryQuery(5),
         {S::Memory, 5},
         "MR 0,005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,0,0\r",
         false},
        {MemoryQuery(5), {S::Memory, 5}, "MR 0,005,00145500000,5,1,0,1,0,0,12,08,107,000600000,0,0\r", false},
        {MemoryTxQuery(5), {S::MemoryTx, 5}, "MR 1,005,00146100000,5\r", true},
        {MemoryTxQuery(5), {S::MemoryTx, 5}, "MR 1,005,00146100000,5,0\r", false},
        {MemoryTxQuery(5), {S::MemoryTx, 5}, "MR 1,005,0146100000,5\r", false},
        {MemoryTxQuery(400), {S::MemoryTx, 400}, "MR 1,L0,00144500000,0\r", true},
        {MemoryTxQuery(400), {S::MemoryTx, 400}, "MR 1,L0,N\r", true}, // below a scan edge's threshold
        {MemoryNameQuery(5), {S::MemoryName, 5}, "MNA 005,A,B \xC4\xE9\r", true},
        {MemoryNameQuery(5), {S::MemoryName, 5}, "MNA 005,\r", true},
        {MemoryNameQuery(5), {S::MemoryName, 5}, "MNA 005,R\x01P\r", false},
        {MemoryNameQuery(5), {S::MemoryName, 5}, "MNA 006,RPT\r", false},
        {MemoryNameQuery(5), {S::MemoryName, 5}, longName, false},
        {CallQuery(2, 0), {S::Call, 2}, "CR 2,0,00433000000,7,0,0,0,0,0,08,08,000,005000000,0\r", true},
        {CallQuery(2, 0), {S::Call, 2}, "CR 2,0,00433000000,7,0,0,0,0,0,08,08,000,005000000\r", true},
        {CallQuery(2, 0), {S::Call, 2}, "CR 2,0,00433000000,7,0,0,0,0,0,08,08,000,005000000,0,0\r", false},
        {CallQuery(2, 1), {S::CallTx, 2}, "CR 2,1,00438000000\r", true},
        {CallQuery(2, 1), {S::CallTx, 2}, "CR 2,1,00438000000,7,\r", false},
        {VfoQuery(0), {S::Vfo, 0}, "VR 0,00145000000,7\r", true},
        {VfoQuery(0), {S::Vfo, 0}, "VR 0,00145000000,7,0,0,0,0,0,08,08,000,000600000,0,0\r", false},
        {ProgramVfoQuery(0), {S::ProgramVfo, 0}, "PV 0,00144\r", true},
        {ProgramVfoQuery(0), {S::ProgramVfo, 0}, "PV 0,00137,00173,\r", false},
        {CallQuery(2, 0), {S::Call, 2}, "CR 1,0,00433000000,7,0,0,0,0,0,08,08,000,005000000,0\r", false},
        {CallQuery(2, 1), {S::CallTx, 2}, "CR 2,1,00438000000,7\r", true},
        {CallQuery(2, 1), {S::CallTx, 2}, "CR 2,1,00438000000,Z\r", false},
        {VfoQuery(10), {S::Vfo, 10}, "VR A,00179750000,A,0,0,0,0,0,08,08,000,000000000,1\r", true},
        {VfoQuery(10), {S::Vfo, 10}, "VR B,00179750000,A,0,0,0,0,0,08,08,000,000000000,1\r", false},
        {VfoQuery(10), {S::Vfo, 10}, "VR A,00179750000,A,0,0,0,0,0,08,08,000,000000000,7\r", false},
        {ProgramVfoQuery(0), {S::ProgramVfo, 0}, "PV 0,00137,00173\r", true},
        {ProgramVfoQuery(0), {S::ProgramVfo, 0}, "PV 1,00137,00173\r", false},
        {ProgramVfoQuery(0), {S::ProgramVfo, 0}, "PV 0,0137,00173\r", false},
        // The width of the DTMF number is the radio's choice.
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 03,12EFA\r", true},
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 3,12EF\r", true},
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 003,12EF\r", true},
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 04,12EF\r", false},
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 02,12EF\r", false}, // a lower memory than asked
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 2,12EF\r", false},
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 00,12EF\r", false},
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 03,12EF,0\r", false},
        {DtmfQuery(3), {S::Dtmf, 3}, "DM 03,12G\r", false},
        {DtmfNameQuery(3), {S::DtmfName, 3}, "DMN 03,HOME\r", true},
        {DtmfNameQuery(3),
         {S::DtmfName, 3},
         "DMN 03,HO\x7F"
         "E\r",
         false},
        {PowerQuery(1), {S::Menu, 8}, "PC 1,0\r", true},
        {PowerQuery(2), {S::Menu, 9}, "PC 2,\r", true},
        {PowerQuery(1), {S::Menu, 8}, "PC 1,7\r", false},
        {PowerQuery(1), {S::Menu, 8}, "PC 2,0\r", false},
        {NarrowQuery(5), {S::Menu, 39}, "NAR 5,1\r", true},
        {MenuQuery(29), {S::Menu, 12}, "MGL  1 3    \r", true},
        {MenuQuery(29), {S::Menu, 12}, "MGL 1       \r", false},
        {MenuQuery(9), {S::Menu, 21}, "MES HI THERE\r", true},
        {MenuQuery(9), {S::Menu, 21}, "MES HI THERE!\r", false},
        {MenuQuery(10), {S::Menu, 22}, "CNT 08\r", true},
        {MenuQuery(10), {S::Menu, 22}, "CNT 8\r", false},
        {MenuQuery(0), {S::Menu, 0}, "BD 0\r", false},
        // Identity and version are never empty.
        {IdentityCommand(), {S::Identity, 0}, "ID ZT-Q5\r", true}, // the model is the transfer's question
        {IdentityCommand(), {S::Identity, 0}, "N\r", false},
        {TypeCommand(), {S::Type, 0}, "TYD KK,0F\r", true},
        {TypeCommand(), {S::Type, 0}, "TYD kK,0F\r", false},
        {TypeCommand(), {S::Type, 0}, "TYD KK,0G\r", false},
        {TypeCommand(), {S::Type, 0}, "TYD \r", false},
        {BandLimitQuery(0), {S::BandLimits, 0}, "FL 0,00137,00174,00216,00260\r", true},
        {BandLimitQuery(1), {S::BandLimits, 1}, "FL 1,0000010,0000180,00108,00137\r", true},
        {BandLimitQuery(0), {S::BandLimits, 0}, "N\r", true},
        // A last bound without its pair is passed over, as the read passes it over.
        {BandLimitQuery(0), {S::BandLimits, 0}, "FL 0,00137\r", true},
        {BandLimitQuery(0), {S::BandLimits, 0}, "FL 0,00137,00174,\r", true},
        {BandLimitQuery(0), {S::BandLimits, 0}, "FL 0,00137,00174,0021\r", true},
        {BandLimitQuery(0), {S::BandLimits, 0}, "FL 0,00137,00174,~?\r", false},
        {BandLimitQuery(1), {S::BandLimits, 1}, "FL 1,0000010,00180\r", false},
        {BandLimitQuery(0), {S::BandLimits, 0}, "FL 1,00137,00174\r", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.text + " <- " + c.reply);
        EXPECT_EQ(Passes(c.command, c.expected, c.reply), c.ok);
    }
}
