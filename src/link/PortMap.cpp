// PortMap: port names of the profile to devices.
#include "link/PortMap.h"

#include "model/Profile.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>

int ComPortNumber(std::string_view name)
{
    name = StripDeviceNamespace(name);
    if (name.size() < 4 || name.size() > 5) return 0;
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[static_cast<std::size_t>(i)])) != "COM"[i]) return 0;
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
        n = n * 10 + (name[i] - '0');
    }
    if (name[3] == '0') return 0;
    return n >= 1 && n <= 10 ? n : 0;
}

std::string_view StripDeviceNamespace(std::string_view name)
{
    constexpr std::string_view prefix = "\\\\.\\";
    if (name.substr(0, prefix.size()) == prefix) name.remove_prefix(prefix.size());
    return name;
}

namespace {

// "ttyUSB10" -> ("ttyUSB", 10); names without a number sort as -1.
std::pair<std::string, long> SplitNumber(const std::string& name)
{
    std::size_t i = name.size();
    while (i > 0 && std::isdigit(static_cast<unsigned char>(name[i - 1])))
        --i;
    const std::string digits = name.substr(i);
    long value = -1;
    if (!digits.empty() && digits.size() < 10) value = std::stol(digits);
    return {name.substr(0, i), value};
}

} // namespace

std::vector<std::string> UsbSerialDevices(const std::string& devDir)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(devDir.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0) names.push_back(name);
        }
        ::closedir(dir);
    }
    // USB adapters (ttyUSB*) before modem-class ones (ttyACM*), each by number.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto [prefixA, numberA] = SplitNumber(a);
        const auto [prefixB, numberB] = SplitNumber(b);
        if (prefixA != prefixB) return prefixA > prefixB;
        return numberA < numberB;
    });
    for (auto& name : names)
        name = devDir + "/" + name;
    return names;
}

std::string PortMap::StoredValueName(int n)
{
    return "CommDevice" + std::to_string(n);
}

std::string PortMap::StoredDevice(int n) const
{
    if (store_ == nullptr || n < 1 || n > 10) return {};
    return store_->Read(StoredValueName(n));
}

void PortMap::SetStoredDevice(int n, const std::string& path)
{
    if (store_ != nullptr && n >= 1 && n <= 10) store_->Write(StoredValueName(n), path);
}

void PortMap::SetRunOnlyDevice(int n, const std::string& path)
{
    if (path.empty())
        runOnly_.erase(n);
    else
        runOnly_[n] = path;
}

PortSource PortMap::SourceOf(int n) const
{
    if (n < 1 || n > 10) return PortSource::None;
    if (runOnly_.count(n) != 0) return PortSource::RunOnly;
    if (!StoredDevice(n).empty()) return PortSource::Stored;
    const auto usb = UsbSerialDevices(devDir_);
    return static_cast<std::size_t>(n) <= usb.size() ? PortSource::Automatic : PortSource::None;
}

std::string PortMap::DeviceOf(int n) const
{
    if (n < 1 || n > 10) return {};
    if (const auto it = runOnly_.find(n); it != runOnly_.end()) return it->second;
    if (std::string stored = StoredDevice(n); !stored.empty()) return stored;
    const auto usb = UsbSerialDevices(devDir_);
    return static_cast<std::size_t>(n) <= usb.size() ? usb[static_cast<std::size_t>(n) - 1] : std::string();
}

std::string PortMap::Resolve(std::string_view name) const
{
    if (const int n = ComPortNumber(name); n != 0) return DeviceOf(n);
    return std::string(name);
}

PortMap& ThePortMap()
{
    static PortMap map;
    return map;
}
