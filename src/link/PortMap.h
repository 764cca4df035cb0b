// PortMap: which device a port name of the profile reaches. "COM1".."COM10"
// keep their names in the profile; on this platform each maps to a device:
// a mapping set for this run only (a simulated radio), else the mapping
// stored in the configuration store, else the n-th USB serial adapter found
// (ttyUSB*, then ttyACM*, in name order).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

class ConfigStore;

// 1..10 for "COM1".."COM10" (any letter case, also after "\\.\"), else 0.
int ComPortNumber(std::string_view name);

// The name with a leading device-namespace prefix "\\.\" removed.
std::string_view StripDeviceNamespace(std::string_view name);

// USB serial adapters under devDir, full paths: ttyUSB* then ttyACM*, each
// in name order with numbers compared by value (ttyUSB2 before ttyUSB10).
std::vector<std::string> UsbSerialDevices(const std::string& devDir = "/dev");

// Where the device of a port comes from.
enum class PortSource { None, RunOnly, Stored, Automatic };

class PortMap
{
  public:
    // Name of the stored value holding port n's device ("CommDevice1"..).
    static std::string StoredValueName(int n);

    // The store may be null (nothing stored, nothing read).
    void SetStore(ConfigStore* store) { store_ = store; }
    ConfigStore* Store() const { return store_; }
    void SetDeviceDir(std::string dir) { devDir_ = std::move(dir); }

    // The device port n reaches; empty when there is none.
    std::string DeviceOf(int n) const;
    PortSource SourceOf(int n) const;

    // Stored mapping: an empty path removes it.
    std::string StoredDevice(int n) const;
    void SetStoredDevice(int n, const std::string& path);

    // Mapping for this run only (nothing is stored); empty removes it.
    void SetRunOnlyDevice(int n, const std::string& path);

    // A port name ("COMn", "\\.\COMn") to its device; any other name is
    // taken as a device path and returned unchanged.
    std::string Resolve(std::string_view name) const;

  private:
    ConfigStore* store_ = nullptr;
    std::string devDir_ = "/dev";
    std::map<int, std::string> runOnly_;
};

// The program's port map; RadioPort resolves port names through it unless a
// resolver of its own is installed.
PortMap& ThePortMap();
