// Context help numbers: every control or command may carry the number of its
// help topic, and F1 shows the topic of the focused control through the
// viewer the main window registers. Dialogs use these without knowing the
// main window.
#pragma once

#include <functional>

class QObject;

// Sets and reads a control's or command's topic number (0: no help).
void SetHelpContext(QObject* target, int context);
int HelpContext(const QObject* target);

// Shows the topic of a number; true when it was shown.
using ContextHelpViewer = std::function<bool(int context)>;
// Replaces the viewer and returns the previous one (empty: no help shown).
ContextHelpViewer SetContextHelpViewer(ContextHelpViewer viewer);
// F1: the topic of the focused control; only the control itself counts, so
// one without a number gives no help.
bool ShowFocusedControlHelp();
