#include "platform/pictures/PicturePreview.h"

#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureFile.h"
#include "platform/pictures/PictureLimits.h"
#include "platform/pictures/ScaledJpeg.h"

#include <QFile>
#include <QImageReader>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString NotAFile = QStringLiteral("画像のファイルではありません。");
const QString CannotOpen = QStringLiteral("ファイルを開けません。");
const QString UnknownKind = QStringLiteral("JPEG と BMP の画像だけを読み込めます。");
const QString FileTooLarge = QStringLiteral("ファイルが大きすぎるため読み込めません。");
const QString TooManyPixels = QStringLiteral("画像が大きすぎるため読み込めません（1億画素まで）。");
const QString Unreadable = QStringLiteral("この画像は読み込めません。");
const QString NoMemory = QStringLiteral("画像を読み込むためのメモリが足りません。");

PicturePreview problem(const QString &text)
{
    PicturePreview preview;
    preview.problem = text;
    return preview;
}

PicturePreview fitted(QImage picture, QSize fullSize, QSize box)
{
    PicturePreview preview;
    preview.fullSize = fullSize;
    preview.picture = picture.width() > box.width() || picture.height() > box.height()
                          ? picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                          : std::move(picture);
    return preview;
}

PicturePreview previewJpeg(int fileDescriptor, QSize box)
{
    std::FILE *file = ::fdopen(fileDescriptor, "rb");
    if (!file) {
        ::close(fileDescriptor);
        return problem(CannotOpen);
    }
    ScaledJpeg::Result decoded = ScaledJpeg::decode(file, box);
    std::fclose(file);
    switch (decoded.outcome) {
    case ScaledJpeg::Outcome::Done:
        return fitted(std::move(decoded.image), decoded.fullSize, box);
    case ScaledJpeg::Outcome::TooLarge:
        return problem(TooManyPixels);
    case ScaledJpeg::Outcome::NoMemory:
        return problem(NoMemory);
    case ScaledJpeg::Outcome::Unreadable:
        break;
    }
    return problem(Unreadable);
}

PicturePreview previewBitmap(int fileDescriptor, QSize box)
{
    QFile file;
    if (!file.open(fileDescriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fileDescriptor);
        return problem(CannotOpen);
    }
    QImageReader reader(&file, "bmp");
    // The header tells the size, so a picture the loader refuses is never decoded here.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return problem(Unreadable);
    if (qint64(size.width()) * size.height() > JpegCodec::MaxPixels)
        return problem(TooManyPixels);
    const QImage image = reader.read();
    if (image.isNull())
        return problem(Unreadable);
    return fitted(image.convertToFormat(QImage::Format_RGB32), image.size(), box);
}

} // namespace

PicturePreview previewPicture(const QString &path, QSize box)
{
    if (path.isEmpty())
        return {};
    // A pipe or a device is seen for what it is before it is opened; and should the name be
    // swapped for one in between, opening never waits and the open file is checked again.
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::stat(name.constData(), &status) != 0)
        return problem(CannotOpen);
    if (S_ISDIR(status.st_mode))
        return {};
    if (!S_ISREG(status.st_mode))
        return problem(NotAFile);
    const PictureFile::Kind kind = PictureFile::kindOf(path);
    if (kind == PictureFile::Kind::None)
        return problem(UnknownKind);
    const int fileDescriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fileDescriptor < 0)
        return problem(CannotOpen);
    if (::fstat(fileDescriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fileDescriptor);
        return problem(NotAFile);
    }
    if (status.st_size > maxPictureFileBytes) {
        ::close(fileDescriptor);
        return problem(FileTooLarge);
    }
    return kind == PictureFile::Kind::Jpeg ? previewJpeg(fileDescriptor, box) : previewBitmap(fileDescriptor, box);
}

QString previewLine(const PicturePreview &preview)
{
    if (!preview.problem.isEmpty())
        return preview.problem;
    if (preview.picture.isNull())
        return QString();
    return QStringLiteral("%1 × %2 ピクセル").arg(preview.fullSize.width()).arg(preview.fullSize.height());
}
