// Cost of redrawing every grid text of a full radio image: 432 memory
// channels with names and split transmit frequencies, every VFO, CALL and
// DTMF row, as the main window's refresh rewrites them after each edit.
#include "model/FieldTexts.h"
#include "model/RadioImage.h"
#include "model/TextCodec.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::string Digits(long long value, int width)
{
    std::string text = std::to_string(value);
    return std::string(static_cast<std::size_t>(width) - text.size(), '0') + text;
}

RadioImage FullImage(const char* type)
{
    RadioImage image;
    image.SetTypeCode(type);
    image.SetModel("ZT-Q5");
    const char* limits[15] = {"00137,00174",     "00216,00260",     "00410,00470",     "01240,01300",
                              "0000010,0000180", "0000180,0002970", "0002970,0005400", "0005400,0010800",
                              "00108,00137",     "00137,00174",     "00174,00216",     "00216,00400",
                              "00400,00470",     "00470,00806",     "00806,01300"};
    for (int band = 0; band < 15; ++band)
        image.SetBandLimit(band, limits[band]);
    image.ClearImage();
    image.LoadDefaultVfoAndCall();
    image.LoadDefaultMenu();
    for (int index = 0; index < MemoryCount; ++index) {
        const long long rx = 144000000LL + 12500LL * index;
        const long long tx = rx + 600000LL;
        std::string name = "CH" + Digits(index, 3) + (type[1] == 'J' ? "\xB1\xB2\xB3" : ",AB");
        const std::string record = MemoryLabel(index) + "," + Digits(rx, 11) +
                                   ",5,0,0,1,0,0,08,12,000,000600000,0," + (index % 7 == 0 ? "1" : "0") +
                                   "," + Digits(tx, 11) + ",5,," + name;
        image.SetMemoryRecord(index, record);
    }
    for (int index = 0; index < DtmfCount; ++index)
        image.SetDtmfRecord(index, Digits(index, 2) + ",0123456789ABCD*#,NAME" + std::to_string(index));
    return image;
}

// The texts of one full refresh, as the grids hold them.
struct GridTexts
{
    std::vector<std::string> lockout, frequency;
    std::vector<std::u16string> name;
    std::vector<std::string> vfo, call, dtmf;
};

void Refresh(const RadioImage& image, GridTexts& out)
{
    const char market = image.MarketLetter();
    for (int index = 0; index < MemoryCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        if (image.GetMemoryRecord(index).empty()) {
            out.lockout[i].clear();
            out.frequency[i].clear();
            out.name[i].clear();
            continue;
        }
        out.lockout[i] = LockoutMark(image.RecordFieldView(RecordKind::Memory, index, ChannelField::Lockout));
        out.frequency[i] =
            FormatFrequency(image.RecordFieldView(RecordKind::Memory, index, ChannelField::Frequency));
        out.name[i] =
            MarketToUtf16(image.RecordFieldView(RecordKind::Memory, index, ChannelField::Name), market);
    }
    std::size_t row = 0;
    for (int band = 0; band < VfoCount; ++band) {
        if (band == 1 && market != 'K') continue;
        const std::string_view field = image.RecordFieldView(RecordKind::Vfo, band, ChannelField::Frequency);
        if (field.size() > 1) out.vfo[row++] = FormatFrequency(field);
    }
    row = 0;
    for (int index = 0; index < CallCount; ++index) {
        if (index == 1 && market != 'K') continue;
        const std::string_view field =
            image.RecordFieldView(RecordKind::Call, index, ChannelField::Frequency);
        if (field.size() > 1) out.call[row++] = FormatFrequency(field);
    }
    for (int index = 0; index < DtmfCount; ++index)
        out.dtmf[static_cast<std::size_t>(index)] = image.RecordFieldView(RecordKind::Dtmf, index, 1);
}

void FullRefresh(benchmark::State& state, const char* type)
{
    const RadioImage image = FullImage(type);
    GridTexts texts;
    texts.lockout.resize(MemoryCount);
    texts.frequency.resize(MemoryCount);
    texts.name.resize(MemoryCount);
    texts.vfo.resize(VfoCount);
    texts.call.resize(CallCount);
    texts.dtmf.resize(DtmfCount);
    for (auto _ : state) {
        Refresh(image, texts);
        benchmark::DoNotOptimize(texts.frequency.data());
        benchmark::ClobberMemory();
    }
    state.counters["rows"] = MemoryCount + VfoCount + CallCount + DtmfCount;
}

// The four status panels of every memory row, as a walk through the grid shows them.
void StatusOfEveryRow(benchmark::State& state)
{
    const RadioImage image = FullImage("KK,0F");
    for (auto _ : state) {
        for (int index = 0; index < MemoryCount; ++index) {
            StatusTexts texts = ChannelStatusTexts(image.GetMemoryRecord(index));
            benchmark::DoNotOptimize(texts);
        }
    }
}

// Filling a new image: the reset sequence of File New plus 432 setters.
void FillImage(benchmark::State& state)
{
    for (auto _ : state) {
        RadioImage image = FullImage("KK,0F");
        benchmark::DoNotOptimize(image);
    }
}

} // namespace

BENCHMARK_CAPTURE(FullRefresh, western, "KK,0F")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullRefresh, katakana, "JJ,01")->Unit(benchmark::kMicrosecond);
BENCHMARK(StatusOfEveryRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(FillImage)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
