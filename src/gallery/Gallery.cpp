#include "gallery/Gallery.h"

#include "gallery/WorksList.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "platform/CaptionLabel.h"
#include "platform/CommandButton.h"
#include "platform/JpegCodec.h"
#include "platform/MouseUpCheckBox.h"
#include "platform/PictureBox.h"
#include "screen/Form1Widgets.h"
#include "screen/ListPlacement.h"
#include "screen/ScreenState.h"
#include "platform/ListBox.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>

Gallery::Gallery(Form1Widgets &widgets, const FaceLibrary &library, ScreenState &screen)
    : w(widgets), m_library(library), m_screen(screen)
{
}

void Gallery::N7Click()
{
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
    QImage work = JpegCodec::decodeFile(FacePaths::worksFolder(m_library.AppDir) + QLatin1Char('/') + fileName);
    // The box shows the picture scaled into itself; a big picture is scaled once here, not at every paint.
    const QSize room = w.Image1->size() * w.Image1->devicePixelRatioF();
    if (work.width() > room.width() || work.height() > room.height())
        work = work.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    w.Image1->setPicture(work);
    w.guide(QStringLiteral("「キャンセル」ボタンを押すとゲームを始めます。"));
    w.Label2->resize(300, w.Label2->height());
    QFont font = w.Label2->font();
    font.setPointSize(9);
    w.Label2->setFont(font);
    w.Label2->setCaption(fileName);
    w.Label2->show();
}
