// The recorder of accessibility events.
#include "support/AccessibleEvents.h"

#include <QAccessibleInterface>

// The toolkit raises accessibility events only while its platform layer says
// that an assistive technology listens. Its own tests switch that on through
// the platform integration, whose headers are private and not installed
// here; the three members used are exported, so they are declared by hand.
// Under the offscreen platform of the tests the integration keeps the
// default accessibility object, which this reaches.
class QPlatformAccessibility
{
  public:
    void setActive(bool active);
};
class QPlatformIntegration
{
  public:
    QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate
{
  public:
    static QPlatformIntegration* platform_integration;
};

namespace tslq::test {

namespace {

AccessibleEventRecorder* current = nullptr;

void SetAccessibilityActive(bool active)
{
    if (QGuiApplicationPrivate::platform_integration)
        if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platform_integration->accessibility())
            platform->setActive(active);
}

} // namespace

AccessibleEventRecorder::AccessibleEventRecorder()
{
    current = this;
    QAccessible::installUpdateHandler(&AccessibleEventRecorder::Record);
    SetAccessibilityActive(true);
}

AccessibleEventRecorder::~AccessibleEventRecorder()
{
    SetAccessibilityActive(false);
    QAccessible::installUpdateHandler(nullptr);
    current = nullptr;
}

bool AccessibleEventRecorder::Active()
{
    return QAccessible::isActive();
}

void AccessibleEventRecorder::Record(QAccessibleEvent* event)
{
    if (!current || !event->object()) return;
    QString text;
    switch (event->type()) {
    case QAccessible::ValueChanged:
        text = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
        break;
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
    case QAccessible::Focus:
        if (QAccessibleInterface* iface = event->accessibleInterface())
            text = iface->text(event->type() == QAccessible::DescriptionChanged ? QAccessible::Description
                                                                                : QAccessible::Name);
        break;
    default:
        return;
    }
    current->events_.push_back({event->type(), event->object(), text});
}

QStringList AccessibleEventRecorder::Said(const QObject* object, QAccessible::Event type) const
{
    QStringList said;
    for (const Event& event : events_)
        if (event.type == type && event.object == object) said << event.text;
    return said;
}

} // namespace tslq::test
