// Start-up load and saving of the radio profile, with the default band
// limits of every market and region.
#include "model/Profile.h"

#include "model/Translatable.h"

namespace {

std::string_view Pick(char market, std::string_view k, std::string_view e, std::string_view j,
                      std::string_view m)
{
    switch (market) {
    case 'K':
        return k;
    case 'E':
        return e;
    case 'J':
        return j;
    default:
        return m;
    }
}

} // namespace

std::string MemoryConfigStore::Read(const std::string& name)
{
    const auto found = values_.find(name);
    return found == values_.end() ? std::string() : found->second;
}

void MemoryConfigStore::Write(const std::string& name, const std::string& value)
{
    values_[name] = value;
    ++writes_;
}

// The captions are the setup dialog's (translated there); the model names in
// them stay as they are in every language.
const std::array<VersionChoice, 4> VersionChoices = {{
    {QT_TRANSLATE_NOOP("SetupDialog", "ZT-Q2A (U.S.A./Canada)"), "KK,0F", "ZT-Q2"},
    {QT_TRANSLATE_NOOP("SetupDialog", "ZT-Q3E (Europe)"), "ME,0B", "ZT-Q3"},
    {QT_TRANSLATE_NOOP("SetupDialog", "ZT-Q3 (Japan)"), "JJ,01", "ZT-Q3"},
    {QT_TRANSLATE_NOOP("SetupDialog", "ZT-Q3A (General market)"), "MM,07", "ZT-Q3"},
}};

std::string LimitValueName(int band)
{
    return "Limit" + std::to_string(band);
}

std::string DefaultBandLimit(int band, char market, char region, std::string_view model)
{
    switch (band) {
    case 0:
        if (market == 'K') return "00137,00174";
        return market == 'M' ? "00144,00148" : "00144,00146";
    case 1:
        return region == 'K' && market == 'K' ? "00216,00260" : "";
    case 2:
        return market == 'K' ? "00410,00470" : "00430,00440";
    case 3:
        if (model != "ZT-Q5") return "";
        return market == 'J' ? "01260,01300" : "01240,01300";
    case 4:
        return market == 'K' ? "0000010,0000180" : "0000010,0000171";
    case 5:
        return market == 'K' ? "0000180,0002970" : "0000171,0002970";
    case 6:
    case 7: {
        // K, M and X share the K column; E its own; every other letter J.
        const char column = (market == 'K' || market == 'M' || market == 'X') ? 'K'
                            : market == 'E'                                   ? 'E'
                                                                              : 'J';
        if (band == 6)
            return std::string(Pick(column, "0002970,0005400", "0002970,0008750", "0002970,0007600", ""));
        return std::string(Pick(column, "0005400,0010800", "0008750,0010800", "0007600,0010800", ""));
    }
    case 8:
        return "00108,00137";
    case 9:
        return "00137,00174";
    case 10:
    case 11: {
        const char column = (market == 'M' || market == 'X') ? 'M'
                            : market == 'K'                  ? 'K'
                            : market == 'E'                  ? 'E'
                                                             : 'J';
        if (band == 10)
            return std::string(Pick(column, "00174,00216", "00174,00230", "00174,00222", "00174,00223"));
        return std::string(Pick(column, "00216,00400", "00230,00400", "00222,00415", "00223,00400"));
    }
    case 12:
        return market == 'J' ? "00415,00470" : "00400,00470";
    case 13:
    case 14: {
        char column = 'J';
        if (region == 'K')
            column = 'K';
        else if (market == 'M')
            column = 'M';
        else if (market == 'K')
            column = 'K';
        else if (market == 'E')
            column = 'E';
        if (band == 13)
            return std::string(Pick(column, "00470,00806", "00470,00862", "00470,00770", "00470,00890"));
        return std::string(Pick(column, "00806,01300", "00862,01300", "00770,01300", "00890,01300"));
    }
    default:
        return "";
    }
}

ProfileSettings LoadProfile(ConfigStore& store, RadioImage& image, const std::string& workingDirectory,
                            const VersionChooser& chooseVersion)
{
    ProfileSettings settings;

    settings.path = store.Read("Path");
    if (settings.path.empty()) {
        settings.path = workingDirectory;
        store.Write("Path", settings.path);
    }

    settings.commPort = store.Read("CommPort");
    if (settings.commPort.empty()) {
        settings.commPort = "COM1";
        store.Write("CommPort", settings.commPort);
    }
    settings.checkedPort = PortNumber(settings.commPort);

    // The setup dialog's selection: the first entry unless it was shown.
    std::size_t selected = 0;
    std::string type = store.Read("Type");
    if (type.empty()) {
        const int chosen = chooseVersion ? chooseVersion() : 0;
        selected = chosen >= 0 && static_cast<std::size_t>(chosen) < VersionChoices.size()
                       ? static_cast<std::size_t>(chosen)
                       : 0;
        type = VersionChoices[selected].type;
        store.Write("Type", type);
    }
    image.SetTypeCode(type);

    std::string model = store.Read("Model");
    if (model.empty()) {
        model = selected == 0 ? "ZT-Q2" : "ZT-Q3";
        store.Write("Model", model);
    }
    image.SetModel(model);

    const char market = image.MarketLetter();
    const char region = image.RegionLetter();
    for (int band = 0; band < BandLimitCount; ++band) {
        const std::string name = LimitValueName(band);
        std::string limit = store.Read(name);
        // A limit without its comma cannot be compared: the default replaces it.
        if (limit.find(',') == std::string::npos)
            limit = DefaultBandLimit(band, market, region, image.Model());
        if (band == 3 && !image.HasBand1200()) limit.clear();
        image.SetBandLimit(band, limit);
        // Written back as held by the image, so the store never holds more
        // than the image's width.
        store.Write(name, image.BandLimit(band));
    }
    return settings;
}

std::string FolderOf(std::string_view fullFileName)
{
    const std::size_t slash = fullFileName.find_last_of("/\\");
    if (slash == std::string_view::npos) {
        const std::size_t colon = fullFileName.find(':');
        return colon == std::string_view::npos ? std::string()
                                               : std::string(fullFileName.substr(0, colon + 1));
    }
    // Keep the separator of a root folder ("/", "C:\").
    if (slash == 0 || (slash == 2 && fullFileName[1] == ':'))
        return std::string(fullFileName.substr(0, slash + 1));
    return std::string(fullFileName.substr(0, slash));
}

std::string SavePath(ConfigStore& store, std::string_view fullFileName)
{
    std::string folder = FolderOf(fullFileName);
    store.Write("Path", folder);
    return folder;
}

void SaveCommPort(ConfigStore& store, const std::string& portName)
{
    store.Write("CommPort", portName);
}

void SaveLimits(ConfigStore& store, const RadioImage& image)
{
    store.Write("Type", image.TypeCode());
    store.Write("Model", image.Model());
    for (int band = 0; band < BandLimitCount; ++band)
        store.Write(LimitValueName(band), image.BandLimit(band));
}

int PortNumber(std::string_view portName)
{
    for (int n = 10; n >= 2; --n)
        if (portName == "COM" + std::to_string(n)) return n;
    return 1;
}
