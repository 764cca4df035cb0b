// Every menu page control that carries a help number must open a topic that
// exists: a line in the help folder's context table, its file and its anchor.
#include "mainwin/MenuPages.h"

#include "mainwin/Main.h"
#include "model/RadioImage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace {

std::string HelpPath(const std::string& name)
{
    return tslq::test::DataPath("../../help/" + name);
}

std::map<int, std::string> ContextTable()
{
    std::map<int, std::string> table;
    std::istringstream in(tslq::test::ReadBytes(HelpPath("contexts.txt")));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int number = 0;
        std::string topic;
        if (line.empty() || line[0] == '#' || !(fields >> number >> topic)) continue;
        table[number] = topic;
    }
    return table;
}

} // namespace

TEST(MenuPagesHelp, EveryNumberedControlOpensAnExistingTopic)
{
    RadioImage image;
    image.SetTypeCode("KK,0F");
    image.SetModel("ZT-Q5");
    QWidget page1, page2;
    TMenuPages pages(&page1, &page2, image, [] {});
    const std::map<int, std::string> table = ContextTable();
    ASSERT_FALSE(table.empty());

    std::set<int> numbers;
    for (QWidget* page : {&page1, &page2})
        for (QWidget* control : page->findChildren<QWidget*>())
            if (const int number = TMainForm::HelpContext(control); number > 0) numbers.insert(number);
    // 19 topics on the first page, 15 on the second.
    EXPECT_EQ(numbers.size(), 34U);

    for (int number : numbers) {
        SCOPED_TRACE(number);
        const auto entry = table.find(number);
        ASSERT_NE(entry, table.end());
        const std::string file = entry->second.substr(0, entry->second.find('#'));
        const std::string anchor = entry->second.find('#') == std::string::npos
                                       ? ""
                                       : entry->second.substr(entry->second.find('#') + 1);
        const std::string html = tslq::test::ReadBytes(HelpPath(file));
        ASSERT_FALSE(html.empty()) << file;
        if (!anchor.empty()) {
            EXPECT_NE(html.find("name=\"" + anchor + "\""), std::string::npos) << entry->second;
        }
    }
}
