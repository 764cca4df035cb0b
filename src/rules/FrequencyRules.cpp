// Frequency and offset entry rules: normalising typed text and fitting a
// frequency into band, excluded ranges and step grid.
#include "rules/FrequencyRules.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::array<std::int64_t, StepCodeCount> StepTable = {5000,  6250,  8330,  9000,  10000, 12500,
                                                               15000, 20000, 25000, 30000, 50000, 100000};

// Positions within each 100 kHz block that the 8.33 kHz step may take.
constexpr std::array<std::int64_t, 12> Grid833 = {0,     8330,  16670, 25000, 33330, 41670,
                                                  50000, 58330, 66670, 75000, 83330, 91670};

constexpr std::array<std::int64_t, 3> GridSubHundred = {0, 33, 67};

constexpr std::int64_t MaxElevenDigits = 99'999'999'999;

struct ExcludedRange
{
    std::int64_t from; // inclusive
    std::int64_t to;   // exclusive
    std::int64_t movedTo;
};

constexpr std::array<ExcludedRange, 2> RegionKBand14 = {{
    {824'000'000, 849'000'000, 823'999'999},
    {869'000'000, 894'000'000, 868'999'999},
}};

constexpr std::array<ExcludedRange, 5> RegionJBand14 = {{
    {810'000'000, 834'000'000, 809'999'999},
    {843'000'000, 846'000'000, 842'999'999},
    {860'000'000, 889'000'000, 859'999'999},
    {898'000'000, 901'000'000, 897'999'999},
    {915'000'000, 960'000'000, 914'999'999},
}};

constexpr std::array<ExcludedRange, 5> RegionJBand11 = {{
    {253'000'000, 255'000'000, 252'999'999},
    {262'000'000, 266'000'000, 261'999'999},
    {271'000'000, 275'000'000, 270'999'999},
    {380'000'000, 382'000'000, 379'999'999},
    {412'000'000, 415'000'000, 411'999'999},
}};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// True when the text is only digits and decimal points; counts the points.
bool IsNumberText(std::string_view text, int& points)
{
    points = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (!IsDigit(c))
            return false;
    }
    return true;
}

// Drops leading zeros but keeps a zero that stands right before the point.
// Value of the leading decimal digits of any text; saturates instead of
// overflowing, so a field from a file or the radio is safe to parse.
std::int64_t ParseDigits(std::string_view text)
{
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) break;
        const int digit = c - '0';
        if (value > (max - digit) / 10) return max;
        value = value * 10 + digit;
    }
    return value;
}

std::string_view StripLeadingZeros(std::string_view text)
{
    while (text.size() > 1 && text[0] == '0' && text[1] != '.')
        text.remove_prefix(1);
    return text;
}

std::string PadLeft(std::string_view text, std::size_t width)
{
    std::string out;
    if (text.size() < width) out.assign(width - text.size(), '0');
    out.append(text);
    return out;
}

// Field n of a comma-separated text; empty when missing.
std::string_view Field(std::string_view text, int n)
{
    for (int i = 0; i < n; ++i) {
        const auto comma = text.find(',');
        if (comma == std::string_view::npos) return {};
        text.remove_prefix(comma + 1);
    }
    return text.substr(0, text.find(','));
}

char RegionLetter(const FrequencyProfile& profile)
{
    return profile.typeCode.empty() ? '\0' : profile.typeCode[0];
}

std::string_view TypeDigits(const FrequencyProfile& profile)
{
    return profile.typeCode.size() > 3 ? std::string_view(profile.typeCode).substr(3, 2) : std::string_view();
}

std::int64_t SaturatingMul(std::int64_t a, std::int64_t b)
{
    if (a != 0 && b > std::numeric_limits<std::int64_t>::max() / a)
        return std::numeric_limits<std::int64_t>::max();
    return a * b;
}

bool AlignToGrid(std::int64_t& hz, std::int64_t modulus, const auto& grid)
{
    const std::int64_t rest = hz % modulus;
    if (std::find(grid.begin(), grid.end(), rest) != grid.end()) return false;
    // The largest grid value below the rest; the grid starts at 0, so one exists.
    auto above = std::upper_bound(grid.begin(), grid.end(), rest);
    hz = hz - rest + *(above - 1);
    return true;
}

// Steps 4 to 8 of the check, shared by the receive and split transmit checks.
bool AlignInBand(std::int64_t& f, int band, int mode, int stepCode, const FrequencyProfile& profile)
{
    bool rounded = false;
    MoveOutOfExcludedRange(profile, band, f);

    const bool fineModes = mode == ModeAm || mode == ModeLsb || mode == ModeUsb || mode == ModeCw;
    const bool uhfTvOr1200 = band == 13 || band == 14;
    const std::int64_t step = StepCodeHz(stepCode);
    if (fineModes && (profile.model == "ZT-Q5" || !uhfTvOr1200)) {
        if (!IsOnStepGrid(f, step) && f % 100 != 0) rounded = AlignSubHundredHz(f);
    } else if (stepCode == 2) {
        rounded = AlignTo833Grid(f);
    } else if (step > 0) {
        if (f % step != 0) {
            f = f / step * step;
            rounded = true;
        }
        // Band 5 starts above 1.70 MHz: the step below must not leave it.
        // Nor may it leave 100 kHz, below which no band of any version
        // lies (100 kHz on a 9 kHz step would become 99 kHz).
        if ((band == 5 && f == 1'700'000) || f < MemoryLowestHz) {
            f += step;
            rounded = true;
        }
    }
    return rounded;
}

int ValidStep(int stepCode)
{
    return stepCode >= 0 && stepCode < StepCodeCount ? stepCode : 0;
}

int ValidMode(int mode)
{
    return mode >= 0 && mode < ModeCount ? mode : ModeFm;
}

} // namespace

std::int64_t StepCodeHz(int stepCode)
{
    return stepCode >= 0 && stepCode < StepCodeCount ? StepTable[static_cast<std::size_t>(stepCode)] : 0;
}

std::string FrequencyDigits(std::int64_t hz)
{
    hz = std::clamp<std::int64_t>(hz, 0, MaxElevenDigits);
    return PadLeft(std::to_string(hz), 11);
}

bool NormalizeFrequencyText(std::string& text)
{
    int points = 0;
    if (!IsNumberText(text, points) || points > 1) return false;

    if (points == 0) {
        if (text.empty()) {
            text = "00000000000";
        } else {
            const std::int64_t mhz = ParseDigits(text);
            text = mhz < 1300 ? PadLeft(std::to_string(mhz), 5) + "000000" : "01299999999";
        }
        return true;
    }

    const std::string_view stripped = StripLeadingZeros(text);
    const auto point = stripped.find('.');
    const std::string_view whole = stripped.substr(0, point);
    const std::string_view fraction = stripped.substr(point + 1, 6);
    std::string result;
    if (whole.size() > 5) {
        // More MHz digits than the field holds: far above every band, so the
        // largest value lets the check move it to the top limit.
        result.assign(11, '9');
    } else {
        result = PadLeft(whole, 5);
        result.append(fraction);
        result.resize(11, '0');
    }
    text = result;
    return true;
}

bool NormalizeOffsetText(std::string& text)
{
    int points = 0;
    if (!IsNumberText(text, points) || points > 1) return false;

    std::string result;
    if (points == 1) {
        const std::string_view stripped = StripLeadingZeros(text);
        const auto point = stripped.find('.');
        const std::string_view whole = stripped.substr(0, point);
        const std::string_view fraction = stripped.substr(point + 1, 2);
        if (whole.empty())
            result = std::string("00").append(fraction);
        else if (whole.size() == 1)
            result = std::string("0").append(whole).append(fraction);
        else if (whole.size() == 2 && whole[0] <= '5')
            result = std::string(whole).append(fraction);
        else
            result = "5995";
    } else if (text.empty()) {
        result = "00";
    } else {
        const std::int64_t mhz = ParseDigits(text);
        result = mhz > 59 ? "5995" : PadLeft(std::to_string(mhz), 2);
    }
    result.resize(8, '0');
    // The radio takes offsets in 50 kHz steps: drop to the step below.
    result[3] = result[3] >= '5' ? '5' : '0';
    text = result;
    return true;
}

bool BandLimitHz(const FrequencyProfile& profile, int band, std::int64_t& lower, std::int64_t& upper)
{
    if (band < 0 || band > 14) return false;
    const std::string& limit = profile.bandLimits[static_cast<std::size_t>(band)];
    const std::string_view lo = Field(limit, 0);
    const std::string_view hi = Field(limit, 1);
    if (lo.empty() || hi.empty()) return false;
    const std::int64_t unit = band >= 4 && band <= 7 ? 10'000 : 1'000'000;
    lower = SaturatingMul(ParseDigits(lo), unit);
    upper = SaturatingMul(ParseDigits(hi), unit);
    return upper > lower;
}

int AdjustStepForBand(int band, int stepCode)
{
    stepCode = ValidStep(stepCode);
    if (band == 13 || band == 14) {
        if (stepCode == 0 || stepCode == 2 || stepCode == 3 || stepCode == 6) return 4;
        if (stepCode == 1) return 5;
        return stepCode;
    }
    if (band == 8) return stepCode == 3 ? 4 : stepCode;
    if (band == 4) return stepCode == 2 ? 4 : stepCode;
    return stepCode == 2 || stepCode == 3 ? 4 : stepCode;
}

int AdjustModeForBand(int band, EntryContext context, int mode)
{
    mode = ValidMode(mode);
    if (context == EntryContext::Vfo && band >= 0 && band <= 3) return ModeFm;
    if ((band == 4 || band == 5) && mode == ModeWfm) return ModeFm;
    if ((band == 13 || band == 14) && (mode == ModeLsb || mode == ModeUsb || mode == ModeCw)) return ModeFm;
    return mode;
}

bool MoveOutOfExcludedRange(const FrequencyProfile& profile, int band, std::int64_t& hz)
{
    const char region = RegionLetter(profile);
    const bool regionJRestricted = region == 'J' && TypeDigits(profile) != "00";
    auto apply = [&hz](const auto& ranges) {
        for (const ExcludedRange& r : ranges) {
            if (hz >= r.from && hz < r.to) {
                hz = r.movedTo;
                return true;
            }
        }
        return false;
    };
    if (band == 14 && region == 'K') return apply(RegionKBand14);
    if (band == 14 && regionJRestricted) return apply(RegionJBand14);
    if (band == 11 && regionJRestricted) return apply(RegionJBand11);
    return false;
}

bool IsOnStepGrid(std::int64_t hz, std::int64_t stepHz)
{
    if (stepHz > 0 && hz % stepHz == 0) return true;
    const std::int64_t rest = hz % 100'000;
    return std::find(Grid833.begin(), Grid833.end(), rest) != Grid833.end();
}

bool AlignTo833Grid(std::int64_t& hz)
{
    return AlignToGrid(hz, 100'000, Grid833);
}

bool AlignSubHundredHz(std::int64_t& hz)
{
    return AlignToGrid(hz, 100, GridSubHundred);
}

bool CheckFrequency(std::string& digits, int band, EntryContext context, int& mode, int& stepCode,
                    const FrequencyProfile& profile)
{
    std::int64_t f = std::min(ParseDigits(digits), MaxElevenDigits);
    bool moved = false;

    if (context == EntryContext::Memory) {
        if (f < MemoryLowestHz) {
            f = MemoryLowestHz;
            moved = true;
        } else if (f > MemoryHighestHz) {
            f = MemoryHighestHz - 1;
            moved = true;
        }
    } else {
        std::int64_t lower = 0;
        std::int64_t upper = 0;
        bool haveLimits = false;
        if (context == EntryContext::Vfo && band >= 0 && band <= 3) {
            // The program VFO range is whole MHz, inclusive to the last Hz
            // below the next MHz. A band without its record falls back to the
            // band limit rather than to an empty range.
            const std::string& range = profile.programVfo[static_cast<std::size_t>(band)];
            const std::string_view lo = Field(range, 1);
            const std::string_view hi = Field(range, 2);
            if (!lo.empty() && !hi.empty()) {
                lower = SaturatingMul(ParseDigits(lo), 1'000'000);
                upper = SaturatingMul(std::min(ParseDigits(hi), MaxElevenDigits) + 1, 1'000'000);
                haveLimits = upper > lower;
            }
        }
        if (!haveLimits) haveLimits = BandLimitHz(profile, band, lower, upper);
        if (haveLimits) {
            if (f < lower) {
                f = lower;
                moved = true;
            } else if (f >= upper) {
                f = upper - 1;
                moved = true;
            }
        }
    }

    stepCode = AdjustStepForBand(band, stepCode);
    mode = AdjustModeForBand(band, context, mode);

    // A move to the band edge is reported even when the alignment after it
    // finds the edge already on the grid.
    const bool aligned = AlignInBand(f, band, mode, stepCode, profile);
    digits = FrequencyDigits(f);
    return moved || aligned;
}

bool CheckSplitTxFrequency(std::string& digits, int rxBand, int mode, int stepCode,
                           const FrequencyProfile& profile)
{
    std::int64_t f = std::min(ParseDigits(digits), MaxElevenDigits);
    bool moved = false;
    std::int64_t lower = 0;
    std::int64_t upper = 0;
    if (BandLimitHz(profile, rxBand, lower, upper)) {
        if (f < lower) {
            f = lower;
            moved = true;
        } else if (f >= upper) {
            f = upper - 1;
            moved = true;
        }
    }
    const bool aligned = AlignInBand(f, rxBand, ValidMode(mode), ValidStep(stepCode), profile);
    digits = FrequencyDigits(f);
    return moved || aligned;
}
