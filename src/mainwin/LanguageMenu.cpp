// The Program Language submenu of the Help menu.
#include "mainwin/LanguageMenu.h"

#include "ui/HelpContext.h"
#include "ui/Language.h"
#include "ui/Messages.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

constexpr int LanguageHelpContext = 97;

class LanguageMenu
{
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)

  public:
    static QMenu* Add(QMenu* help, QAction* before, ConfigStore& store, QWidget* window)
    {
        auto* menu = new QMenu(tr("Program &Language"), window);
        help->insertMenu(before, menu);
        SetHelpContext(menu->menuAction(), LanguageHelpContext);
        auto* group = new QActionGroup(menu);
        group->setExclusive(true);
        const QString current = StoredLanguageChoice(store);
        // Each language by its own name, so that it can be found in any language.
        const struct
        {
            QString choice;
            QString text;
        } items[] = {
            {QString::fromLatin1(SystemLanguage), tr("&System")},
            {QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("ja"), QStringLiteral("日本語")},
        };
        for (const auto& item : items) {
            QAction* action = menu->addAction(item.text);
            action->setCheckable(true);
            action->setChecked(item.choice == current);
            action->setData(item.choice);
            SetHelpContext(action, LanguageHelpContext);
            group->addAction(action);
            QObject::connect(action, &QAction::triggered, menu, [&store, choice = item.choice] {
                if (StoredLanguageChoice(store) == choice) return;
                StoreLanguageChoice(store, choice);
                ShowMessage(MessageKind::Information,
                            tr("The program language will change the next time TSL-Q2/Q3 starts."));
            });
        }
        return menu;
    }
};

} // namespace

QMenu* AddProgramLanguageMenu(QMenu* help, QAction* before, ConfigStore& store, QWidget* window)
{
    return LanguageMenu::Add(help, before, store, window);
}
