#pragma once

#include <QImage>
#include <QObject>
#include <QString>

class Dialogs;
struct FaceLibrary;
class CaptionLabel;
class ListBox;
class MouseUpCheckBox;
class PictureBox;
class QComboBox;
class ScreenState;
class Slideshow;
class QWidget;

// The gallery of saved works: a list of the works folder's pictures, a click to see one scaled
// into the face box under its file name.
class Gallery
{
public:
    // The widgets it works on.
    struct Widgets
    {
        PictureBox *facePicture = nullptr;
        CaptionLabel *faceNameLabel = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        QComboBox *faceList = nullptr;
        MouseUpCheckBox *openingFaceBox = nullptr;
        ListBox *pickList = nullptr;
    };

    Gallery(const Widgets &widgets, const FaceLibrary &library, ScreenState &screen, Dialogs &dialogs);

    // Menu "作品を観る": lists the works, newest first, without opening any of them.
    void openGallery();
    // Shows the work of the clicked row once it is read, which happens on another thread so
    // that a slow file never freezes the window. A work that cannot be read is reported in an
    // error box, and the picture, the guidance and the heading stay as they were. Only the last
    // click's work is shown, and only while the gallery is still open.
    void showWork(const QString &fileName);
    // "スライドショー": the listed works full screen, newest first, in a window over owner that
    // deletes itself when left. The gallery stays as it was beneath it.
    Slideshow *startSlideshow(QWidget *owner);
    // The replay kept beside the work on show, or "" when it has none.
    QString shownReplay() const { return m_shownReplay; }

private:
    struct LoadedWork
    {
        QImage picture;
        QString error; // the message for the player when there is no picture
    };

    static LoadedWork load(const QString &path, QSize box, qreal devicePixelRatio);
    void show(quint64 request, const QString &fileName, const LoadedWork &loaded);
    bool isOpen() const;

    const Widgets w;
    const FaceLibrary &m_library;
    ScreenState &m_screen;
    Dialogs &m_dialogs;
    QString m_shownReplay;
    quint64 m_request = 0; // the number of the last click, or of the opening after it
    QObject m_receiver;    // the loads' results arrive here, on the window's thread
};
