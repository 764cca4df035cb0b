// Splits the tslq command line into options and the data file name.
#include "mainwin/MainCommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The options this program takes; "simulate=TYPE" is "simulate" with a value.
constexpr std::array<std::string_view, 6> OwnOptions = {
    "no-splash", "exit-when-shown", "help", "simulate", "simulate-if-no-radio", "lang",
};
// The languages --lang takes.
constexpr std::array<std::string_view, 3> Languages = {"en", "de", "ja"};
// The GUI toolkit takes its own options with one dash or two; those reach it
// untouched and are no mistake.
constexpr std::array<std::string_view, 17> ToolkitOptions = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "reverse",     "widgetcount",        "nograb",        "dograb",     "display",
    "geometry",    "qmljsdebugger",
};

bool Known(const std::string& option)
{
    // A value follows '=' ("simulate=KK,0F", "style=fusion").
    const std::string_view name = std::string_view(option).substr(0, option.find('='));
    if (name == "lang")
        return option.size() > name.size() &&
               std::find(Languages.begin(), Languages.end(),
                         std::string_view(option).substr(name.size() + 1)) != Languages.end();
    if (std::find(OwnOptions.begin(), OwnOptions.end(), name) != OwnOptions.end())
        return name == option || name == "simulate";
    return std::find(ToolkitOptions.begin(), ToolkitOptions.end(), name) != ToolkitOptions.end();
}

} // namespace

MainCommandLine ParseMainCommandLine(const std::vector<std::string>& arguments)
{
    MainCommandLine result;
    std::size_t i = 0;
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            ++i;
            break;
        }
        if (argument.size() <= 2 || argument.compare(0, 2, "--") != 0) break;
        const std::string option = argument.substr(2);
        result.options.insert(option);
        if (!Known(option))
            result.unknown.push_back(argument);
        else if (option.compare(0, 5, "lang=") == 0)
            result.language = option.substr(5);
    }
    for (std::size_t first = i; i < arguments.size(); ++i) {
        if (i != first) result.fileName += ' ';
        result.fileName += arguments[i];
    }
    return result;
}

std::string MainUsage()
{
    return "Usage: tslq [OPTION]... [--] [DATA FILE]\n"
           "Programs a ZT-Q2 or ZT-Q3 handheld over a serial cable. The arguments after the\n"
           "options, joined with blanks, name a data file (.qx) to open.\n"
           "\n"
           "  --no-splash             start without the splash window\n"
           "  --simulate[=TYPE]       put a simulated radio behind the checked port for this\n"
           "                          run; TYPE is its type code (default: the configured one)\n"
           "  --simulate-if-no-radio  the same, only when that port reaches no device\n"
           "  --lang=LANGUAGE         speak LANGUAGE for this run: en (English), de (Deutsch)\n"
           "                          or ja (Japanese); default: the one chosen under\n"
           "                          Help > Program Language, else the desktop's\n"
           "  --exit-when-shown       quit once the main window is up (timing, scripts)\n"
           "  --help                  print this and exit\n"
           "  --                      end of the options\n"
           "\n"
           "tslq-cli does the same work without a window; see tslq-cli --help.\n";
}
