// What the program announces to assistive technology: records the
// accessibility events (value, name and description changes, focus) that the
// widgets raise while a recorder lives, as a screen reader would receive them.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>

#include <vector>

namespace tslq::test {

class AccessibleEventRecorder
{
  public:
    struct Event
    {
        QAccessible::Event type;
        QPointer<QObject> object;
        QString text; // the value, name or description after the change
    };

    // Switches accessibility on (the toolkit raises no event while no
    // assistive technology listens) and records until destroyed.
    AccessibleEventRecorder();
    ~AccessibleEventRecorder();
    AccessibleEventRecorder(const AccessibleEventRecorder&) = delete;
    AccessibleEventRecorder& operator=(const AccessibleEventRecorder&) = delete;

    // Whether events reach the recorder at all.
    static bool Active();

    // The texts announced for an object by events of a type, in order.
    QStringList Said(const QObject* object, QAccessible::Event type) const;

  private:
    static void Record(QAccessibleEvent* event);
    std::vector<Event> events_;
};

} // namespace tslq::test
