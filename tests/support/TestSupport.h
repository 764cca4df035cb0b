// Helpers shared by the tests: golden files and scratch folders.
#pragma once

#include <string>

namespace tslq::test {

// Full path of a file under tests/data.
std::string DataPath(const std::string& name);

// Whole file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// Writes bytes to a file, replacing it; false on failure.
bool WriteBytes(const std::string& path, const std::string& bytes);

} // namespace tslq::test
