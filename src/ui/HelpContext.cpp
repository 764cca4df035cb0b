// Context help numbers as a property of the control, and the registered viewer.
#include "ui/HelpContext.h"

#include <QApplication>
#include <QObject>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace {

const char HelpContextProperty[] = "tslqHelpContext";

ContextHelpViewer& Viewer()
{
    static ContextHelpViewer viewer;
    return viewer;
}

} // namespace

void SetHelpContext(QObject* target, int context)
{
    if (target) target->setProperty(HelpContextProperty, context);
}

int HelpContext(const QObject* target)
{
    return target ? target->property(HelpContextProperty).toInt() : 0;
}

ContextHelpViewer SetContextHelpViewer(ContextHelpViewer viewer)
{
    return std::exchange(Viewer(), std::move(viewer));
}

bool ShowFocusedControlHelp()
{
    const int context = HelpContext(QApplication::focusWidget());
    return context > 0 && Viewer() && Viewer()(context);
}
