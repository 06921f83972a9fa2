#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>

// Animated WebP through libwebp: written one frame at a time, so that a long replay never sits
// in memory whole, and read back one frame at a time for the same reason.

// Collects the frames of an animation that loops for ever; finish() gives the file's bytes.
// Throws AppError, with a message for the player, when libwebp refuses.
class WebpAnimationWriter
{
public:
    explicit WebpAnimationWriter(QSize size);
    ~WebpAnimationWriter();
    WebpAnimationWriter(const WebpAnimationWriter &) = delete;
    WebpAnimationWriter &operator=(const WebpAnimationWriter &) = delete;

    // A frame of the writer's size (any format) shown from timestampMs on; timestamps rise.
    void addFrame(const QImage &frame, int timestampMs);
    // The whole animation, the last frame shown until endMs.
    QByteArray finish(int endMs);

private:
    struct Encoder;
    std::unique_ptr<Encoder> m_encoder;
};

// Plays back an animated (or still) WebP from its bytes. Refuses, with AppError, bytes that are no
// WebP, and any canvas or frame count beyond what a replay of this game can hold.
class WebpAnimationReader
{
public:
    explicit WebpAnimationReader(const QByteArray &bytes);
    ~WebpAnimationReader();
    WebpAnimationReader(const WebpAnimationReader &) = delete;
    WebpAnimationReader &operator=(const WebpAnimationReader &) = delete;

    QSize size() const;
    int frameCount() const;
    // The next frame (ARGB32 premultiplied, the canvas size) and the time at which it ends, in ms
    // from the start; false after the last frame or on a frame that fails to decode.
    bool next(QImage &frame, int &endMs);
    // Back to the first frame.
    void rewind();

private:
    struct Decoder;
    std::unique_ptr<Decoder> m_decoder;
};
