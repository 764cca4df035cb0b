// Port selection of the main window: texts shared by the menu and its tests.
// The commands themselves are members of MainWindow (PortSelect.cpp).
#pragma once

#include <QString>

#include <string>

// The status tip of "Com&n": the device that port n reaches and why.
QString PortStatusTip(int port);

// What a device path typed under "&Device..." is: empty (the automatic
// choice), a character device (links followed), a path that does not exist
// yet (an adapter not plugged in), or something that is not a device.
enum class DevicePathKind { Automatic, CharacterDevice, Missing, NotADevice };
DevicePathKind ClassifyDevicePath(const QString& path);

// Options of the tslq program that start a simulated radio behind the
// checked port for this run: "simulate" (the configured version),
// "simulate=TYPE" (for example simulate=KK,0F), and "simulate-if-no-radio"
// (only when the checked port reaches no device). Returns whether one of
// them was given; `type` is the TYPE or empty.
bool SimulateOption(const std::string& option, QString& type, bool& onlyWithoutRadio);
