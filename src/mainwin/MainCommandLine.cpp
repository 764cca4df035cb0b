// Splits the tslq command line into options and the data file name.
#include "mainwin/MainCommandLine.h"

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
        result.options.insert(argument.substr(2));
    }
    for (std::size_t first = i; i < arguments.size(); ++i) {
        if (i != first) result.fileName += ' ';
        result.fileName += arguments[i];
    }
    return result;
}
