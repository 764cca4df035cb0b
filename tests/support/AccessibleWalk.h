// What a screen reader finds in a window: walks the accessibility interface
// of every control that takes the focus and lists what a listener could not
// understand (no role, no name, a name that is only the control's value) and,
// for tables, missing names and headers.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tslq::test {

// Problems of the focusable, visible controls under `window` (the window
// itself included), one line each: "<class> '<objectName>': <problem>".
QStringList AccessibilityProblems(QWidget* window);

// The name a screen reader says for a widget: its accessible name or, when
// it has none or the name is only its value (a combo box on Linux), the text
// of the label tied to it (labelled-by relation).
QString SpokenName(QWidget* widget);

} // namespace tslq::test
