// Every menu command, menu page control and editor control that carries a
// help number must open a topic that exists: a line in the help folder's
// context table, its file and its anchor.
#include "document/Document.h"
#include "mainwin/MenuPages.h"

#include "editors/CallEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/MemoryEditor.h"
#include "editors/VfoEditor.h"
#include "mainwin/HelpViewer.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "model/RadioImage.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
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

// The topic of a context number exists: its file, and its anchor in it.
void ExpectTopic(const std::map<int, std::string>& table, int number)
{
    SCOPED_TRACE(number);
    const auto entry = table.find(number);
    ASSERT_NE(entry, table.end());
    const std::string file = entry->second.substr(0, entry->second.find('#'));
    const std::string anchor =
        entry->second.find('#') == std::string::npos ? "" : entry->second.substr(entry->second.find('#') + 1);
    const std::string html = tslq::test::ReadBytes(HelpPath(file));
    ASSERT_FALSE(html.empty()) << file;
    if (!anchor.empty()) {
        EXPECT_NE(html.find("name=\"" + anchor + "\""), std::string::npos) << entry->second;
    }
}

} // namespace

TEST(MainWindowHelp, EveryMenuCommandAndEditorControlOpensAnExistingTopic)
{
    auto store = tslq::test::StoreFor("KK,0F", "ZT-Q5");
    auto form = tslq::test::MakeMainForm(*store);
    const std::map<int, std::string> table = ContextTable();

    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    HelpViewer* viewer = form->HelpWindow();

    // The menu bar's menus with their submenus, the grids' pop-up menus and
    // the toolbar's drop-down menus: F1 on a highlighted command shows its
    // topic (a greyed command cannot be highlighted, but has its topic too).
    int commands = 0;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            SCOPED_TRACE(menu->title().toStdString() + " > " + action->text().toStdString());
            const int number = MainWindow::HelpContext(action);
            EXPECT_GT(number, 0);
            if (number > 0) ExpectTopic(table, number);
            ++commands;
            if (number > 0 && action->isEnabled()) {
                viewer->hide();
                menu->popup(form->mapToGlobal(QPoint(10, 10)));
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_F1);
                EXPECT_TRUE(viewer->isVisible());
                EXPECT_EQ(viewer->LastContext(), number);
                EXPECT_FALSE(menu->isVisible());
            }
            if (action->menu()) walk(action->menu());
        }
    };
    for (QAction* top : form->menuBar()->actions())
        walk(top->menu());
    for (QMenu* popup : {form->memoryPopup_, form->vfoPopup_, form->callPopup_, form->dtmfPopup_,
                         form->ReadButton->menu(), form->WriteButton->menu()})
        walk(popup);
    EXPECT_GE(commands, 50);
    viewer->hide();

    // The editors' controls, opened on the first row of each grid.
    for (GridId id : {GridId::Memory, GridId::Vfo, GridId::Call, GridId::Dtmf})
        form->SelectRow(id, 1);
    const std::unique_ptr<QWidget> editors[] = {
        std::make_unique<MemoryEditor>(form->Doc(), 0, form.get()),
        std::make_unique<VfoEditor>(form->Doc(), form->VfoBandOfRow(1), form.get()),
        std::make_unique<CallEditor>(form->Doc(), form->CallIndexOfRow(1), form.get()),
        std::make_unique<DtmfEditor>(form->Doc(), 0, form.get())};
    std::set<int> numbers;
    for (const auto& editor : editors)
        for (const QWidget* control : editor->findChildren<QWidget*>())
            if (const int number = MainWindow::HelpContext(control); number > 0) numbers.insert(number);
    EXPECT_EQ(numbers, (std::set<int>{500, 505, 510, 515, 520, 525, 530, 535, 540, 545, 550, 600, 605, 700,
                                      800, 805, 810}));
    for (int number : numbers)
        ExpectTopic(table, number);
}

TEST(MenuPagesHelp, EveryNumberedControlOpensAnExistingTopic)
{
    RadioImage image;
    image.SetTypeCode("KK,0F");
    image.SetModel("ZT-Q5");
    QWidget page1, page2;
    Document document;
    document.Replace(image, QStringLiteral("Untitled"), QString());
    MenuPages pages(&page1, &page2, document);
    const std::map<int, std::string> table = ContextTable();
    ASSERT_FALSE(table.empty());

    std::set<int> numbers;
    for (QWidget* page : {&page1, &page2})
        for (QWidget* control : page->findChildren<QWidget*>())
            if (const int number = MainWindow::HelpContext(control); number > 0) numbers.insert(number);
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

// Every link between the topics leads to a topic that exists, and to its
// anchor.
TEST(HelpTopics, EveryLinkLeadsToAnExistingTopic)
{
    const QDir folder(QString::fromStdString(HelpPath("")));
    const QStringList topics = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(topics.size(), 20);
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    int links = 0;
    for (const QString& topic : topics) {
        const std::string html = tslq::test::ReadBytes(HelpPath(topic.toStdString()));
        for (auto it = link.globalMatch(QString::fromStdString(html)); it.hasNext();) {
            const QString target = it.next().captured(1);
            SCOPED_TRACE(topic.toStdString() + " -> " + target.toStdString());
            const QString file = target.section(u'#', 0, 0);
            const QString anchor = target.section(u'#', 1);
            const std::string linked =
                tslq::test::ReadBytes(HelpPath((file.isEmpty() ? topic : file).toStdString()));
            ASSERT_FALSE(linked.empty());
            if (!anchor.isEmpty()) {
                EXPECT_NE(linked.find("name=\"" + anchor.toStdString() + "\""), std::string::npos);
            }
            ++links;
        }
    }
    EXPECT_GE(links, 30);
}
