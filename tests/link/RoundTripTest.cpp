// An image written to the simulated radio and read back holds the same
// records field for field, for every market and for a fully loaded radio.
#include "link/ReadTransfer.h"
#include "link/WriteTransfer.h"

#include "support/TransferHarness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Version
{
    const char* type;
    const char* model;
};

void PrintTo(const Version& v, std::ostream* out)
{
    *out << v.type << ' ' << v.model;
}

class RoundTrip : public ::testing::TestWithParam<Version>
{
};

} // namespace

TEST_P(RoundTrip, FullImageSurvivesWriteAndRead)
{
    const Version v = GetParam();
    const RadioImage written = FullImage(v.type, v.model);
    VirtualRadio radio(v.type, v.model);
    WriteTransfer write(written, LinkScope::All);
    const TransferRun out = Drive(write, radio);
    ASSERT_EQ(out.outcome, TransferOutcome::Completed);
    EXPECT_EQ(out.Count("MNA "), MemoryCount);
    EXPECT_EQ(out.Count("MW 1,"), 144);

    RadioImage read = StartImage(v.type, v.model);
    read.ClearImage();
    ReadTransfer back(read, LinkScope::All);
    const TransferRun in = Drive(back, radio);
    ASSERT_EQ(in.outcome, TransferOutcome::Completed);
    EXPECT_EQ(CompareImages(written, read), "");
    // Every memory record came back through the read's own assembly.
    EXPECT_EQ(in.Count("MNA "), MemoryCount);
}

TEST_P(RoundTrip, SampleImageSurvivesMemoryThenMenu)
{
    const Version v = GetParam();
    const RadioImage written = SampleImage(v.type, v.model);
    VirtualRadio radio(v.type, v.model);
    WriteTransfer memory(written, LinkScope::Memory);
    ASSERT_EQ(Drive(memory, radio).outcome, TransferOutcome::Completed);
    WriteTransfer menu(written, LinkScope::Menu);
    ASSERT_EQ(Drive(menu, radio).outcome, TransferOutcome::Completed);

    RadioImage read = StartImage(v.type, v.model);
    ReadTransfer back(read, LinkScope::All);
    ASSERT_EQ(Drive(back, radio).outcome, TransferOutcome::Completed);
    EXPECT_EQ(CompareImages(written, read), "");
}

INSTANTIATE_TEST_SUITE_P(Markets, RoundTrip,
                         ::testing::Values(Version{"KK,0F", "ZT-Q2"}, Version{"ME,0B", "ZT-Q3"},
                                           Version{"JJ,01", "ZT-Q3"}, Version{"MM,07", "ZT-Q3"}),
                         [](const ::testing::TestParamInfo<Version>& param) {
                             return std::string(1, param.param.type[1]);
                         });
