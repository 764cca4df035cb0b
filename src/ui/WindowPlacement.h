// Where the program's windows appear: the main window, the splash window and
// the version setup dialog centred on the screen, the Read and Write dialogs
// on the main window, and the main window's place remembered between runs.
#pragma once

#include <QList>
#include <QRect>

#include <optional>

class ConfigStore;
class QWidget;

// Top-left corner of a frame of this size centred on the area; a frame that
// fits stays wholly inside it, a larger one keeps its top-left corner there.
QPoint CentredTopLeft(const QSize& frame, const QRect& area);

// Centre a window that is being shown on the screen its owner is on (the
// primary screen when it has none), or on its owner window.
void CentreOnScreen(QWidget* window);
void CentreOnOwner(QWidget* window);

// The main window's place: the frame's top-left corner and the size of the
// window without its frame, as it was when not maximised.
struct WindowPlace
{
    QRect geometry;
    bool maximized = false;
};

// nullopt when no complete place is stored (the first run).
std::optional<WindowPlace> ReadWindowPlace(ConfigStore& store);
void WriteWindowPlace(ConfigStore& store, const WindowPlace& place);

// Whether a window at this place can be reached: a good part of its top edge,
// where the title bar is, lies on one of the screens' available areas.
bool IsPlaceOnScreens(const QRect& geometry, const QList<QRect>& screens);
