// The radio profile's configuration store on QSettings: per-user, under
// organisation "VANTREL" and application "TSL-QX" (on Windows the registry
// key \Software\VANTREL\TSL-QX).
#pragma once

#include "model/Profile.h"

#include <memory>

class QSettings;

class QSettingsConfigStore : public ConfigStore
{
  public:
    // The program's own per-user store.
    QSettingsConfigStore();
    // A store on the given settings (not owned), e.g. an isolated file in a test.
    explicit QSettingsConfigStore(QSettings& settings);
    ~QSettingsConfigStore() override;

    QSettingsConfigStore(const QSettingsConfigStore&) = delete;
    QSettingsConfigStore& operator=(const QSettingsConfigStore&) = delete;

    // Values are UTF-8 text; a missing value, or one that is no text, reads as "".
    std::string Read(const std::string& name) override;
    void Write(const std::string& name, const std::string& value) override;

    QSettings& Settings() { return *settings_; }

  private:
    std::unique_ptr<QSettings> owned_;
    QSettings* settings_;
};
