#include "gallery/WorkPicture.h"

#include "platform/system/AppError.h"
#include "platform/pictures/JpegCodec.h"

#include <QFileInfo>

QImage workPictureFor(const QString &path, QSize box, qreal devicePixelRatio)
{
    QImage work = JpegCodec::decodeFile(path);
    // The box shows the picture scaled into itself with its proportions kept.
    if (work.size().scaled(box, Qt::KeepAspectRatio).isEmpty())
        throw AppError(QStringLiteral("「%1」は細長すぎるため表示できません。").arg(QFileInfo(path).fileName()));
    // A big picture is scaled once here, not at every paint.
    const QSize room = box * devicePixelRatio;
    if (work.width() > room.width() || work.height() > room.height())
        work = work.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return work;
}
