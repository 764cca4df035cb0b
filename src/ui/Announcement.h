// Notices for screen readers: what a command did when the focus stays where
// it was (an undo, a sort, a new count of found channels). A screen reader
// speaks a change of the description of the control it is on, so the notice
// becomes that control's accessible description until the focus moves on;
// then the control gets its own description back, so that it never keeps a
// stale notice.
#pragma once

#include <QString>

class QWidget;

// Gives `text` to assistive technology as the description of `on`, or of the
// focused control when `on` is null; nothing when no control has the focus.
void AnnounceToScreenReader(const QString& text, QWidget* on = nullptr);
