#include "platform/pictures/WebpAnimation.h"

#include "platform/system/AppError.h"

#include <webp/decode.h>
#include <webp/demux.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <cstring>

namespace {

// A replay is a few minutes of a window-sized canvas; anything past these is not one of ours,
// and a canvas or a frame table of that size would be allocated before the first frame shows.
constexpr qsizetype MaxFileBytes = qsizetype(64) * 1024 * 1024;
constexpr int MaxCanvasSide = 4096;
constexpr int MaxFrames = 20000;

// Lossless: lossy frames left faint ghosts of the parts' edges on the window's flat green where a
// part had been, since the encoder only redraws what changed. At the encoder's low effort (quality
// 25, method 1) the replay of a typical game (bench/, 20 s, four drags) takes about 1.2 s and
// 235 kB; method 0 is three times quicker but eight times larger.
constexpr float Quality = 25;
constexpr int Method = 1;

AppError unwritable()
{
    return AppError(QStringLiteral("リプレイを書き出せません。"));
}

AppError unreadable()
{
    return AppError(QStringLiteral("リプレイのファイルを読めません。"));
}

struct EncoderDeleter
{
    void operator()(WebPAnimEncoder *encoder) const { WebPAnimEncoderDelete(encoder); }
};

struct DecoderDeleter
{
    void operator()(WebPAnimDecoder *decoder) const { WebPAnimDecoderDelete(decoder); }
};

// A WebPPicture that frees its pixels on every way out.
struct Picture
{
    WebPPicture picture;
    Picture() { WebPPictureInit(&picture); }
    ~Picture() { WebPPictureFree(&picture); }
    Picture(const Picture &) = delete;
    Picture &operator=(const Picture &) = delete;
};

struct AssembledData
{
    WebPData data;
    AssembledData() { WebPDataInit(&data); }
    ~AssembledData() { WebPDataClear(&data); }
    AssembledData(const AssembledData &) = delete;
    AssembledData &operator=(const AssembledData &) = delete;
};

QByteArray bytesOf(const WebPData &data)
{
    return QByteArray(reinterpret_cast<const char *>(data.bytes), qsizetype(data.size));
}

quint32 littleEndian32(const char *p)
{
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16
           | quint32(quint8(p[3])) << 24;
}

void appendLittleEndian(QByteArray &bytes, quint64 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * i) & 0xFF);
}

QByteArray chunk(const char *fourcc, const QByteArray &payload)
{
    QByteArray bytes(fourcc, 4);
    appendLittleEndian(bytes, quint32(payload.size()), 4);
    bytes += payload;
    if (payload.size() % 2)
        bytes += '\0';
    return bytes;
}

// A file of one frame comes out of the encoder as a still picture, which keeps no duration (and
// libwebp's muxer makes any one-frame animation still again), so its chunks are put into an
// animation frame here.
QByteArray oneFrameAnimation(const QByteArray &still, QSize size, int durationMs)
{
    constexpr int MaxDuration = 0xFFFFFF;
    constexpr quint8 AlphaFlag = 0x10;
    constexpr quint8 AnimationFlag = 0x02;
    if (durationMs < 0 || durationMs > MaxDuration || still.size() < 12)
        throw unwritable();
    // The still's image chunks (ALPH, then VP8 or VP8L) become the frame's; its VP8X goes.
    QByteArray image = still.mid(12);
    quint8 flags = AnimationFlag;
    if (image.startsWith("VP8X") && image.size() > 8) {
        flags |= quint8(image[8]) & AlphaFlag;
        image.remove(0, 8 + qsizetype(littleEndian32(image.constData() + 4)));
    }
    QByteArray header;
    header += char(flags);
    appendLittleEndian(header, 0, 3);
    appendLittleEndian(header, quint32(size.width() - 1), 3);
    appendLittleEndian(header, quint32(size.height() - 1), 3);
    QByteArray animation;
    appendLittleEndian(animation, 0xFFFFFFFF, 4); // background: white
    appendLittleEndian(animation, 0, 2);          // loops: for ever
    QByteArray frame;
    appendLittleEndian(frame, 0, 6); // at the top left
    appendLittleEndian(frame, quint32(size.width() - 1), 3);
    appendLittleEndian(frame, quint32(size.height() - 1), 3);
    appendLittleEndian(frame, quint32(durationMs), 3);
    frame += char(0x02); // no blending, no disposal
    const QByteArray body = "WEBP" + chunk("VP8X", header) + chunk("ANIM", animation) + chunk("ANMF", frame + image);
    QByteArray file("RIFF");
    appendLittleEndian(file, quint32(body.size()), 4);
    return file + body;
}

// The animation frames in the file's top-level chunks, counted up to one past limit. The
// demuxer allocates a record per frame before anyone can ask how many there are.
int framesUpTo(const QByteArray &bytes, int limit)
{
    constexpr qsizetype ChunkHeader = 8;
    if (bytes.size() < 12)
        return 0;
    // Whatever follows the RIFF chunk is no part of the file.
    const qsizetype end = std::min<qint64>(bytes.size(), ChunkHeader + littleEndian32(bytes.constData() + 4));
    int frames = 0;
    qsizetype pos = 12; // past "RIFF", the size and "WEBP"
    while (pos + ChunkHeader <= end && frames <= limit) {
        const char *at = bytes.constData() + pos;
        const qint64 payload = littleEndian32(at + 4);
        if (std::memcmp(at, "ANMF", 4) == 0)
            ++frames;
        pos += ChunkHeader + payload + (payload & 1);
    }
    return frames;
}

} // namespace

struct WebpAnimationWriter::Encoder
{
    std::unique_ptr<WebPAnimEncoder, EncoderDeleter> encoder;
    WebPConfig config;
    QSize size;
    int frames = 0;
    int firstMs = 0;
};

WebpAnimationWriter::WebpAnimationWriter(QSize size) : m_encoder(std::make_unique<Encoder>())
{
    m_encoder->size = size;
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&m_encoder->config))
        throw unwritable();
    options.anim_params.loop_count = 0;
    // Key frames stay off, as by default: a replay is played from its start only, and a key
    // frame every few frames made the file three times larger.
    WebPConfig &config = m_encoder->config;
    config.lossless = 1;
    config.quality = Quality;
    config.method = Method;
    if (!WebPValidateConfig(&config) || size.width() <= 0 || size.height() <= 0)
        throw unwritable();
    m_encoder->encoder.reset(WebPAnimEncoderNew(size.width(), size.height(), &options));
    if (!m_encoder->encoder)
        throw unwritable();
}

WebpAnimationWriter::~WebpAnimationWriter() = default;

void WebpAnimationWriter::addFrame(const QImage &frame, int timestampMs)
{
    if (frame.size() != m_encoder->size)
        throw AppError(QStringLiteral("リプレイのコマの大きさが画面の大きさと違います。"));
    const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull())
        throw unwritable();
    Picture picture;
    picture.picture.width = rgba.width();
    picture.picture.height = rgba.height();
    // The encoder compares frames as ARGB; a YUV picture would be converted back first.
    picture.picture.use_argb = 1;
    if (!WebPPictureImportRGBA(&picture.picture, rgba.constBits(), int(rgba.bytesPerLine()))
        || !WebPAnimEncoderAdd(m_encoder->encoder.get(), &picture.picture, timestampMs, &m_encoder->config))
        throw unwritable();
    if (m_encoder->frames++ == 0)
        m_encoder->firstMs = timestampMs;
}

QByteArray WebpAnimationWriter::finish(int endMs)
{
    AssembledData assembled;
    WebPBitstreamFeatures features;
    if (m_encoder->frames == 0 || !WebPAnimEncoderAdd(m_encoder->encoder.get(), nullptr, endMs, nullptr)
        || !WebPAnimEncoderAssemble(m_encoder->encoder.get(), &assembled.data)
        || WebPGetFeatures(assembled.data.bytes, assembled.data.size, &features) != VP8_STATUS_OK)
        throw unwritable();
    if (!features.has_animation)
        return oneFrameAnimation(bytesOf(assembled.data), m_encoder->size, endMs - m_encoder->firstMs);
    return bytesOf(assembled.data);
}

struct WebpAnimationReader::Decoder
{
    // The decoder reads from these bytes for as long as it lives.
    QByteArray bytes;
    std::unique_ptr<WebPAnimDecoder, DecoderDeleter> decoder;
    QSize size;
    int frameCount = 0;
};

WebpAnimationReader::WebpAnimationReader(const QByteArray &bytes) : m_decoder(std::make_unique<Decoder>())
{
    if (bytes.size() > MaxFileBytes)
        throw AppError(QStringLiteral("リプレイのファイルが大きすぎます。"));
    m_decoder->bytes = bytes;
    const auto *data = reinterpret_cast<const uint8_t *>(m_decoder->bytes.constData());
    const size_t length = size_t(m_decoder->bytes.size());
    // The decoder allocates its canvas at once, so the canvas is checked from the header first.
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(data, length, &features) != VP8_STATUS_OK)
        throw unreadable();
    if (features.width > MaxCanvasSide || features.height > MaxCanvasSide)
        throw AppError(QStringLiteral("リプレイの画面が大きすぎます。"));
    if (framesUpTo(m_decoder->bytes, MaxFrames) > MaxFrames)
        throw AppError(QStringLiteral("リプレイのコマが多すぎます。"));

    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        throw unreadable();
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    options.color_mode = MODE_bgrA; // the bytes of ARGB32 premultiplied
#else
    options.color_mode = MODE_rgbA;
#endif
    options.use_threads = 0;
    WebPData webpData{data, length};
    m_decoder->decoder.reset(WebPAnimDecoderNew(&webpData, &options));
    WebPAnimInfo info;
    if (!m_decoder->decoder || !WebPAnimDecoderGetInfo(m_decoder->decoder.get(), &info) || info.frame_count == 0)
        throw unreadable();
    m_decoder->size = QSize(int(info.canvas_width), int(info.canvas_height));
    m_decoder->frameCount = int(info.frame_count);
}

WebpAnimationReader::~WebpAnimationReader() = default;

QSize WebpAnimationReader::size() const
{
    return m_decoder->size;
}

int WebpAnimationReader::frameCount() const
{
    return m_decoder->frameCount;
}

bool WebpAnimationReader::next(QImage &frame, int &endMs)
{
    WebPAnimDecoder *decoder = m_decoder->decoder.get();
    uint8_t *canvas = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderHasMoreFrames(decoder) || !WebPAnimDecoderGetNext(decoder, &canvas, &timestamp))
        return false;
    const QSize size = m_decoder->size;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
#else
    QImage image(size, QImage::Format_RGBA8888_Premultiplied);
#endif
    if (image.isNull())
        return false;
    const qsizetype rowBytes = qsizetype(size.width()) * 4;
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(image.scanLine(y), canvas + rowBytes * y, size_t(rowBytes));
#if Q_BYTE_ORDER != Q_LITTLE_ENDIAN
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
#endif
    frame = std::move(image);
    endMs = timestamp;
    return true;
}

void WebpAnimationReader::rewind()
{
    WebPAnimDecoderReset(m_decoder->decoder.get());
}
