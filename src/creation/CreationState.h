#pragma once

#include "creation/WorkingPicture.h"

#include <QColor>
#include <QPoint>
#include <QVector>

#include <array>

// What a running face creation owns, under the names the game gives it. The arrays are
// indexed by part number, 1 right eye .. 4 mouth; element 0 is unused.
struct CreationState
{
    WorkingPicture SourcePicture;
    // The part that presses on the picture outline: 1 right eye .. 4 mouth; 0 none, and 6, no
    // part, while the zoom is armed.
    int CurrentPart = 0;
    bool OutlineDragging = false; // a curve is being drawn
    bool ZoomDragging = false;
    QPoint ZoomStart;
    QPoint ZoomEnd;
    std::array<QVector<QPoint>, 5> PartPoints;
    std::array<int, 5> PartLeft{};
    std::array<int, 5> PartRight{};
    std::array<int, 5> PartTop{};
    std::array<int, 5> PartBottom{};
    std::array<bool, 5> PartOutlined{};
    // Outlined by "自動" rather than by hand: the next press of "自動" takes these back.
    std::array<bool, 5> PartAutomatic{};
    std::array<QColor, 5> PartColor;
    bool ColorPickMode = false;

    bool allOutlined() const { return PartOutlined[1] && PartOutlined[2] && PartOutlined[3] && PartOutlined[4]; }
};
