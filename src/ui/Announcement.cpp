// Notices for screen readers through the focused control's description.
#include "ui/Announcement.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

// The control that carries a notice, and the description it had before.
struct Notice
{
    QPointer<QWidget> target;
    QString ownDescription;
};

Notice& Current()
{
    static Notice notice;
    return notice;
}

void GiveBack()
{
    Notice& notice = Current();
    if (notice.target) notice.target->setAccessibleDescription(notice.ownDescription);
    notice.target = nullptr;
    notice.ownDescription.clear();
}

} // namespace

void AnnounceToScreenReader(const QString& text, QWidget* on)
{
    QWidget* target = on ? on : QApplication::focusWidget();
    if (!target || text.isEmpty()) return;
    static const bool watching = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget*) { GiveBack(); });
        return true;
    }();
    Q_UNUSED(watching);
    Notice& notice = Current();
    if (notice.target != target) {
        GiveBack();
        notice.target = target;
        notice.ownDescription = target->accessibleDescription();
    }
    // The same notice twice (Undo, then Undo of a step of the same name) is
    // still said twice: only a change is announced.
    if (target->accessibleDescription() == text) target->setAccessibleDescription(QString());
    target->setAccessibleDescription(text);
}
