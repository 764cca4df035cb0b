// Command line of the tslq program: leading arguments that start with "--"
// are options, "--" ends them, and the remaining arguments joined with single
// blanks name a data file to load at start-up (so that an unquoted path with
// blanks still works).
#pragma once

#include <set>
#include <string>
#include <vector>

struct MainCommandLine
{
    std::set<std::string> options; // without the leading "--"
    std::string fileName;          // empty when no file was named

    bool Has(const std::string& option) const { return options.count(option) != 0; }
};

// arguments excludes the program name.
MainCommandLine ParseMainCommandLine(const std::vector<std::string>& arguments);

// Options this program knows.
inline constexpr char OptionNoSplash[] = "no-splash"; // skip the splash window
inline constexpr char OptionExitWhenShown[] =
    "exit-when-shown"; // quit once the window is up (timing, scripts)
