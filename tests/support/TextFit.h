// Whether a window shows its texts whole in the font it has now: every
// shown label, button, group title, tab and header section is at least as
// wide as its text, and a menu bar shows all its menus (a text the program
// itself shortened with "..." counts as the text shown). Run in processes
// started with a larger font (QT_FONT_DPI) or in another language to find the
// places that were laid out for one font size or language only.
#pragma once

#include <QStringList>

class QWidget;

namespace tslq::test {

// One line per cut text under `window` (the window itself included):
// "<class> '<objectName>' \"<text>\": needs <n> px, has <m>".
QStringList CutTexts(QWidget* window);

} // namespace tslq::test
