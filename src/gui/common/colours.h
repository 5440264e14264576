#pragma once

// The colours that tell the rooms and elements apart, the same in the main window's room
// strips, the sketch, the junction pictures and their legend.

#include <QColor>

namespace tavix::gui::colours {

inline QColor room1()
{
    return QColor(0, 0, 128);
} // navy: room 1 and its flanks
inline QColor room2()
{
    return QColor(0, 128, 0);
} // green: room 2 and its flanks
inline QColor separatingElement()
{
    return QColor(0, 0, 255);
} // blue
inline QColor lining()
{
    return QColor(128, 128, 0);
} // olive
inline QColor decoupling()
{
    return QColor(255, 255, 0);
} // yellow: acoustic separation
// The colour of room 1 or room 2 (1 or 2).
inline QColor room(int room)
{
    return room == 2 ? room2() : room1();
}

} // namespace tavix::gui::colours
