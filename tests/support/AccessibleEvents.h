// What a screen reader hears from the program: the accessibility events Qt
// sends, as the platform's bridge receives them. Under the offscreen
// platform no bridge is active (QAccessible::isActive() is false, so a
// handler installed with QAccessible::installUpdateHandler is never called);
// a bridge plugin linked into the tests still receives every event, and a
// log records them while it lives.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

namespace tslq::test {

class AccessibleEventLog
{
  public:
    struct Entry
    {
        QAccessible::Event type;
        QPointer<QObject> object;
        QString name;        // the source's name when the event was sent
        QString description; // and its description
        QString value;       // the new value of a value change
    };

    AccessibleEventLog();
    ~AccessibleEventLog();
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    const std::vector<Entry>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }
    // The non-empty descriptions announced (DescriptionChanged), in order;
    // of `object` only when it is given.
    QStringList Descriptions(const QObject* object = nullptr) const;
    // What events of a type said of an object, in order: the value of a
    // value change, the description of a description change, the name
    // otherwise.
    QStringList Said(const QObject* object, QAccessible::Event type) const;

    void Record(QAccessibleEvent* event);

  private:
    std::vector<Entry> entries_;
};

} // namespace tslq::test
