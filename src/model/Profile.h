// The radio profile: radio version, band limits, serial port and last folder,
// kept as string values in the per-user configuration store, and the
// start-up load that fills the image's type code, model and band limits.
#pragma once

#include "model/RadioImage.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>

// A per-user key/value store of string values. A missing value reads as the
// empty string; an empty value counts as missing.
class ConfigStore
{
  public:
    virtual ~ConfigStore() = default;
    virtual std::string Read(const std::string& name) = 0;
    virtual void Write(const std::string& name, const std::string& value) = 0;
};

// In-memory store (tests, the command line without a profile).
class MemoryConfigStore : public ConfigStore
{
  public:
    std::string Read(const std::string& name) override;
    void Write(const std::string& name, const std::string& value) override;
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    const std::map<std::string, std::string>& Values() const { return values_; }
    int WriteCount() const { return writes_; }

  private:
    std::map<std::string, std::string> values_;
    int writes_ = 0;
};

// One entry of the radio version setup dialog, in the dialog's order; the
// first is preselected.
struct VersionChoice
{
    std::string_view caption;
    std::string_view type;
    std::string_view model;
};
extern const std::array<VersionChoice, 4> VersionChoices;

// Asked only when "Type" is missing: shows the version setup and returns the
// index of the chosen entry of VersionChoices (an index outside counts as 0).
using VersionChooser = std::function<int()>;

// What the main window takes from the profile besides the image's values.
struct ProfileSettings
{
    std::string path;     // initial folder of the open and save dialogs
    std::string commPort; // port name as stored
    int checkedPort = 1;  // the Port Select entry (1..10) to check
};

// Value names in the store.
std::string LimitValueName(int band); // "Limit0".."Limit14"

// Default band limit of band 0..14 for the market and region letters and model.
std::string DefaultBandLimit(int band, char market, char region, std::string_view model);

// Reads the whole profile into the image (type code, model, band limits) and
// returns the path and port; every missing value is written back once its
// default is known. workingDirectory is the default of "Path".
ProfileSettings LoadProfile(ConfigStore& store, RadioImage& image, const std::string& workingDirectory,
                            const VersionChooser& chooseVersion);

// Folder part of a data file's full name, written to "Path"; returns it.
std::string SavePath(ConfigStore& store, std::string_view fullFileName);
// Folder part of a full file name (the drive and folder, no file name).
std::string FolderOf(std::string_view fullFileName);
void SaveCommPort(ConfigStore& store, const std::string& portName);
// Writes "Type", "Model" and "Limit0".."Limit14" from the image.
void SaveLimits(ConfigStore& store, const RadioImage& image);
// "COM10" -> 10 ... "COM2" -> 2; anything else, "COM1" included, -> 1.
int PortNumber(std::string_view portName);
