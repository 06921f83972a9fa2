#include "gallery/Gallery.h"

#include "gallery/WorkPicture.h"
#include "gallery/WorksList.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "platform/AppError.h"
#include "platform/CaptionLabel.h"
#include "platform/CommandButton.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/MouseUpCheckBox.h"
#include "platform/PictureBox.h"
#include "screen/Form1Widgets.h"
#include "screen/ListPlacement.h"
#include "screen/ScreenState.h"

#include <QAction>
#include <QComboBox>
#include <QFuture>
#include <QListWidget>
#include <QtConcurrent/QtConcurrentRun>

Gallery::Gallery(Form1Widgets &widgets, const FaceLibrary &library, ScreenState &screen, Dialogs &dialogs)
    : w(widgets), m_library(library), m_screen(screen), m_dialogs(dialogs)
{
}

void Gallery::N7Click()
{
    // A work still loading from an earlier visit never shows in this one.
    ++m_request;
    w.CheckBox1->hide();
    w.ComboBox1->hide();
    placeListBesideFace(w);
    w.ListBox1->clear();
    w.ListBox1->addItems(WorksList::worksIn(FacePaths::worksFolder(m_library.AppDir)));
    w.ListBox1->show();
    w.Image1->clearPicture();
    w.Label2->hide();
    w.guide(QStringLiteral("観たい作品のファイル名をクリックしてください。"));
    m_screen.change(Screen::Gallery);
}

void Gallery::ListBox1Click(const QString &fileName)
{
    const QString path = FacePaths::worksFolder(m_library.AppDir) + QLatin1Char('/') + fileName;
    const QSize box = w.Image1->size();
    const qreal ratio = w.Image1->devicePixelRatioF();
    const quint64 request = ++m_request;
    QtConcurrent::run(&Gallery::load, path, box, ratio).then(&m_receiver, [this, request, fileName](LoadedWork loaded) {
        show(request, fileName, loaded);
    });
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
    w.Image1->setPicture(loaded.picture);
    w.guide(QStringLiteral("「キャンセル」ボタンを押すとゲームを始めます。"));
    w.Label2->resize(300, w.Label2->height());
    QFont font = w.Label2->font();
    font.setPointSize(9);
    w.Label2->setFont(font);
    w.Label2->setCaption(fileName);
    w.Label2->show();
}

// The list shows works, not the faces of the montage or the deletion, and has not been left.
bool Gallery::isOpen() const
{
    return m_screen.screen() == Screen::Gallery;
}
