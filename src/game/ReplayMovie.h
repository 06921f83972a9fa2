#pragma once

#include "game/ReplayScript.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QRect>

#include <array>

// The replay kept as an animated picture that any image viewer plays: the face and the tray as
// the window shows them, the parts travelling, and under them the hints with their lies unmasked.
namespace ReplayMovie {

inline constexpr int framesPerSecond = 15;
// A kept replay stays short: a few seconds a drag at most, and brief pauses.
inline constexpr ReplayScript::Pacing pacing{500, 3000};
// The strip under the face that holds the hint.
inline constexpr int hintStripHeight = 48;

// What the frames are drawn from.
struct Scene
{
    QImage background;              // the area of the window the frames show, without the parts
    QPoint origin;                  // that area's top-left corner in the window
    std::array<QImage, 4> parts{};  // the part pictures, 1 .. 4 at 0 .. 3
    QFont hintFont;
};

// The frame's size: the scene's area with the hint strip under it.
QSize frameSize(const Scene &scene);
// The picture of one moment.
QImage frame(const Scene &scene, const ReplayScript::Frame &moment);
// The frames' times in ms, one a framesPerSecond tick from 0 to the end of the script.
int frameCount(const ReplayScript &script);
qint64 frameTime(int index);
// The animated WebP's bytes. Throws AppError when the encoder fails.
QByteArray encode(const ReplayScript &script, const Scene &scene);

} // namespace ReplayMovie
