#include "gallery/Gallery.h"

#include "gallery/Slideshow.h"
#include "gallery/WorkPicture.h"
#include "gallery/WorksList.h"
#include "library/FaceLibrary.h"
#include "game/WorkNaming.h"
#include "library/FacePaths.h"
#include "platform/system/AppError.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"
#include "screen/ListPlacement.h"
#include "screen/ScreenState.h"
#include "screen/Guidance.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFuture>
#include <QListWidget>
#include <QtConcurrent/QtConcurrentRun>

Gallery::Gallery(const Widgets &widgets, const FaceLibrary &library, ScreenState &screen, Dialogs &dialogs)
    : w(widgets), m_library(library), m_screen(screen), m_dialogs(dialogs)
{
}

void Gallery::openGallery()
{
    // A work still loading from an earlier visit never shows in this one.
    ++m_request;
    w.openingFaceBox->hide();
    w.faceList->hide();
    placeListBesideFace(*w.facePicture, *w.pickList);
    w.pickList->clear();
    w.pickList->addItems(WorksList::worksIn(FacePaths::worksFolder(m_library.AppDir)));
    w.pickList->show();
    w.facePicture->clearPicture();
    w.faceNameLabel->hide();
    m_shownReplay.clear();
    ScreenConditions conditions = m_screen.conditions();
    conditions.workHasReplay = false;
    conditions.galleryHasWorks = w.pickList->count() > 0;
    guide(w.guidanceLabel, QStringLiteral("観たい作品のファイル名をクリックしてください。"));
    m_screen.change(Screen::Gallery, conditions);
}

void Gallery::showWork(const QString &fileName)
{
    const QString path = FacePaths::worksFolder(m_library.AppDir) + QLatin1Char('/') + fileName;
    const QSize box = w.facePicture->size();
    const qreal ratio = w.facePicture->devicePixelRatioF();
    const quint64 request = ++m_request;
    QtConcurrent::run(&Gallery::load, path, box, ratio).then(&m_receiver, [this, request, fileName](LoadedWork loaded) {
        show(request, fileName, loaded);
    });
}

Slideshow *Gallery::startSlideshow(QWidget *owner)
{
    QStringList works;
    for (int row = 0; row < w.pickList->count(); ++row)
        works << w.pickList->item(row)->text();
    auto *slideshow = new Slideshow(FacePaths::worksFolder(m_library.AppDir), works, owner);
    QObject::connect(slideshow, &Slideshow::finished, owner, [owner] { owner->activateWindow(); });
    slideshow->start();
    return slideshow;
}

Gallery::LoadedWork Gallery::load(const QString &path, QSize box, qreal devicePixelRatio)
{
    try {
        return {workPictureFor(path, box, devicePixelRatio), {}};
    } catch (const AppError &error) {
        return {{}, error.message()};
    } catch (const std::bad_alloc &) {
        return {{}, QStringLiteral("メモリが足りません。")};
    }
}

void Gallery::show(quint64 request, const QString &fileName, const LoadedWork &loaded)
{
    if (request != m_request || !isOpen())
        return;
    if (!loaded.error.isEmpty()) {
        m_dialogs.showError(loaded.error);
        return;
    }
    w.facePicture->setPicture(loaded.picture);
    const QString folder = FacePaths::worksFolder(m_library.AppDir);
    const QString replay = WorkNaming::replayOf(fileName);
    m_shownReplay = QFileInfo(folder + QLatin1Char('/') + replay).isFile() ? folder + QLatin1Char('/') + replay
                                                                           : QString();
    ScreenConditions conditions = m_screen.conditions();
    conditions.workHasReplay = !m_shownReplay.isEmpty();
    m_screen.change(Screen::Gallery, conditions);
    guide(w.guidanceLabel, m_shownReplay.isEmpty()
                               ? QStringLiteral("「キャンセル」ボタンを押すとゲームを始めます。")
                               : QStringLiteral("「リプレイ」ボタンを押すと、目隠しの動きをもう一度観られます。\r"
                                                "「キャンセル」ボタンを押すとゲームを始めます。"));
    w.faceNameLabel->resize(300, w.faceNameLabel->height());
    QFont font = w.faceNameLabel->font();
    font.setPointSize(9);
    w.faceNameLabel->setFont(font);
    w.faceNameLabel->setCaption(m_shownReplay.isEmpty() ? fileName : fileName + QStringLiteral("　（リプレイあり）"));
    w.faceNameLabel->show();
}

// The list shows works, not the faces of the montage or the deletion, and has not been left.
bool Gallery::isOpen() const
{
    return m_screen.screen() == Screen::Gallery;
}
