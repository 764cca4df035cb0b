// Help > Program Language: System, English, Deutsch, 日本語. The choice is
// stored under "ProgramLanguage" and taken at the next start, as a message
// says; the language names are each in their own language.
#pragma once

class ConfigStore;
class QMenu;
class QAction;
class QWidget;

// Adds the submenu to `help` before `before` (at the end when null) and
// returns it; its items are checkable, one checked: the stored choice.
QMenu* AddProgramLanguageMenu(QMenu* help, QAction* before, ConfigStore& store, QWidget* window);
