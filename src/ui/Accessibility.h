// What a screen reader needs that the toolkit's widgets do not give by
// themselves: lists named by their label rather than by the entry they show,
// groups of choices named by their title, and a refused entry that says what
// is wrong with it when the operator comes back to it.
#pragma once

#include <QWidget>

class QLineEdit;

// Installs the accessible interfaces of this unit. Done once, after the
// application object exists: interfaces installed later are asked first, so
// these come before the toolkit's own. Windows with lists call it in their
// constructors; calling it again does nothing.
void InstallAccessibleInterfaces();

// Radio buttons that belong together, without a frame or a visible title:
// a screen reader announces the group by its title when the focus enters it.
class ChoiceGroup : public QWidget
{
    Q_OBJECT

  public:
    explicit ChoiceGroup(const QString& title, QWidget* parent = nullptr);
};

// After a refused entry: the box takes the focus and carries the message in
// its accessible description until it is next edited, so that a screen
// reader says what was wrong when the message box has gone.
void MarkRefusedEntry(QLineEdit* box, const QString& message);
