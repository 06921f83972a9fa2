#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <array>

// A temporary program folder with a data folder, faces made by the test and their index.
class TestProgramFolder
{
public:
    // A new folder inside parent, or in the system's temporary folder when parent is empty.
    explicit TestProgramFolder(const QString &parent = QString());

    QString appDir() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString &relative) const { return appDir() + relative; }
    QString indexPath() const { return path(QStringLiteral("data/facedata.ini")); }

    struct Face
    {
        QString name;
        std::array<QPoint, 4> places{QPoint(50, 60), QPoint(170, 60), QPoint(120, 130), QPoint(110, 200)};
        QSize wholeSize{300, 300};
        std::array<QSize, 4> partSizes{QSize(60, 60), QSize(57, 41), QSize(57, 41), QSize(57, 41)};
        QColor colour = QColor(230, 190, 160);
    };

    // Writes the face's six pictures and its index section as face number faceCount(),
    // and updates faces/count.
    void addFace(const Face &face);
    void addFaces(int count); // faces named "顔0", "顔1", ...
    int faceCount() const { return m_faceCount; }

    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;
    void removeFile(const QString &relative) const;

    // A picture whose colour tells which face and picture it is.
    static QImage markedPicture(QSize size, QColor colour, int picture);

private:
    QTemporaryDir m_dir;
    int m_faceCount = 0;
};
