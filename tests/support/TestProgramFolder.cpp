#include "support/TestProgramFolder.h"

#include "platform/pictures/JpegCodec.h"
#include "platform/files/ProfileFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QPainter>

TestProgramFolder::TestProgramFolder(const QString &parent)
    : m_dir(parent.isEmpty() ? QDir::tempPath() + QStringLiteral("/petara-XXXXXX")
                             : parent + QStringLiteral("/petara-XXXXXX"))
{
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
}

QImage TestProgramFolder::markedPicture(QSize size, QColor colour, int picture)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour.darker(100 + 20 * picture));
    return image;
}

void TestProgramFolder::addFace(const Face &face)
{
    const int n = m_faceCount;
    auto picturePath = [&](int k) { return path(QStringLiteral("data/face%1_%2.jpg").arg(n).arg(k)); };
    JpegCodec::encodeFile(markedPicture(face.wholeSize, face.colour, 0), picturePath(0));
    for (int k = 1; k <= 4; ++k)
        JpegCodec::encodeFile(markedPicture(face.partSizes[k - 1], face.colour, k), picturePath(k));
    JpegCodec::encodeFile(markedPicture(face.wholeSize, face.colour, 5), picturePath(5));

    ProfileFile index(indexPath());
    index.writeInteger(QStringLiteral("faces"), QStringLiteral("count"), n + 1);
    const QString section = QString::number(n);
    index.writeString(section, QStringLiteral("Name"), face.name);
    for (int k = 1; k <= 4; ++k)
        index.writeInteger(section, QStringLiteral("X%1").arg(k), face.places[k - 1].x());
    for (int k = 1; k <= 4; ++k)
        index.writeInteger(section, QStringLiteral("Y%1").arg(k), face.places[k - 1].y());
    ++m_faceCount;
}

void TestProgramFolder::addFaces(int count)
{
    for (int i = 0; i < count; ++i) {
        Face face;
        face.name = QStringLiteral("顔%1").arg(m_faceCount);
        face.colour = QColor::fromHsv((m_faceCount * 70) % 360, 120, 230);
        addFace(face);
    }
}

void TestProgramFolder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QFile file(path(relative));
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray TestProgramFolder::readFile(const QString &relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestProgramFolder::removeFile(const QString &relative) const
{
    QFile::remove(path(relative));
}
