// Placement of the program's windows.
#include "ui/WindowPlacement.h"

#include "model/Profile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <charconv>
#include <string>

namespace {

// Values of the main window's place in the profile store, beside the radio
// profile's own values.
const char* const PlaceKeys[] = {"WindowLeft", "WindowTop", "WindowWidth", "WindowHeight"};
const char MaximizedKey[] = "WindowMaximized";

std::optional<int> ReadInt(ConfigStore& store, const char* name)
{
    const std::string text = store.Read(name);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

QRect AreaOfScreen(const QScreen* screen)
{
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void CentreOn(QWidget* window, const QRect& area)
{
    if (area.isEmpty()) return;
    window->move(CentredTopLeft(window->frameGeometry().size(), area));
}

} // namespace

QPoint CentredTopLeft(const QSize& frame, const QRect& area)
{
    QPoint topLeft = area.center() - QPoint((frame.width() - 1) / 2, (frame.height() - 1) / 2);
    topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - frame.width())));
    topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - frame.height())));
    return topLeft;
}

void CentreOnScreen(QWidget* window)
{
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    CentreOn(window, AreaOfScreen(owner && owner->isVisible() ? owner->screen() : nullptr));
}

void CentreOnOwner(QWidget* window)
{
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (owner && owner->isVisible())
        CentreOn(window, owner->frameGeometry());
    else
        CentreOnScreen(window);
}

std::optional<WindowPlace> ReadWindowPlace(ConfigStore& store)
{
    int values[4] = {};
    for (std::size_t i = 0; i < std::size(PlaceKeys); ++i) {
        const std::optional<int> value = ReadInt(store, PlaceKeys[i]);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    if (values[2] <= 0 || values[3] <= 0) return std::nullopt;
    return WindowPlace{QRect(values[0], values[1], values[2], values[3]), store.Read(MaximizedKey) == "1"};
}

void WriteWindowPlace(ConfigStore& store, const WindowPlace& place)
{
    const int values[4] = {place.geometry.x(), place.geometry.y(), place.geometry.width(),
                           place.geometry.height()};
    for (std::size_t i = 0; i < std::size(PlaceKeys); ++i)
        store.Write(PlaceKeys[i], std::to_string(values[i]));
    store.Write(MaximizedKey, place.maximized ? "1" : "0");
}

bool IsPlaceOnScreens(const QRect& geometry, const QList<QRect>& screens)
{
    // The strip a title bar takes, over the window's width.
    const QRect titleStrip(geometry.left(), geometry.top(), geometry.width(), 24);
    const int needed = std::min(100, geometry.width());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect common = screen.intersected(titleStrip);
        return common.width() >= needed && common.height() >= 8;
    });
}
