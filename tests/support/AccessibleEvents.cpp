// The recording accessibility bridge of the tests (a static plugin).
#define QT_STATICPLUGIN
#include "support/AccessibleEvents.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

namespace tslq::test {

namespace {

AccessibleEventLog*& ActiveLog()
{
    static AccessibleEventLog* log = nullptr;
    return log;
}

class RecordingBridge : public QAccessibleBridge
{
  public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        if (AccessibleEventLog* log = ActiveLog()) log->Record(event);
    }
};

} // namespace

AccessibleEventLog::AccessibleEventLog()
{
    ActiveLog() = this;
}

AccessibleEventLog::~AccessibleEventLog()
{
    if (ActiveLog() == this) ActiveLog() = nullptr;
}

void AccessibleEventLog::Record(QAccessibleEvent* event)
{
    QAccessibleInterface* source = event->accessibleInterface();
    const QString value = event->type() == QAccessible::ValueChanged
                              ? static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()
                              : QString();
    entries_.push_back({event->type(), event->object(), source ? source->text(QAccessible::Name) : QString(),
                        source ? source->text(QAccessible::Description) : QString(), value});
}

QStringList AccessibleEventLog::Descriptions(const QObject* object) const
{
    QStringList said;
    for (const Entry& entry : entries_) {
        if (entry.type != QAccessible::DescriptionChanged || entry.description.isEmpty()) continue;
        if (!object || entry.object == object) said << entry.description;
    }
    return said;
}

QStringList AccessibleEventLog::Said(const QObject* object, QAccessible::Event type) const
{
    QStringList said;
    for (const Entry& entry : entries_) {
        if (entry.type != type || entry.object != object) continue;
        said << (type == QAccessible::ValueChanged         ? entry.value
                 : type == QAccessible::DescriptionChanged ? entry.description
                                                           : entry.name);
    }
    return said;
}

} // namespace tslq::test

// Outside the namespace: the plugin loader finds the class by its name.
class TslqRecordingBridgePlugin : public QAccessibleBridgePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "AccessibleEvents.json")

  public:
    QAccessibleBridge* create(const QString&) override { return new tslq::test::RecordingBridge; }
};

Q_IMPORT_PLUGIN(TslqRecordingBridgePlugin)

#include "AccessibleEvents.moc"
