#include "gallery/WorkCaption.h"

#include "gallery/WorksList.h"

#include <QStringList>

QString WorkCaption::text() const
{
    QStringList fields;
    if (!name.isEmpty())
        fields << name;
    if (!player.isEmpty())
        fields << player + QStringLiteral("さん");
    if (!score.isEmpty())
        fields << score;
    if (!date.isEmpty())
        fields << date;
    return fields.join(QStringLiteral("　"));
}

WorkCaption workCaptionOf(const QString &fileName)
{
    const QString stamp = WorksList::stampOf(fileName);
    if (stamp.isEmpty())
        return {fileName, {}, {}, {}};
    const QStringView stem = QStringView(fileName).chopped(4);
    const qsizetype scoreSeparator = stem.lastIndexOf(u'_');
    const QStringView tail = stem.mid(scoreSeparator + 1);
    // The name ends where the "_" before the 14-digit stamp stands.
    QStringView name = stem.left(scoreSeparator - 15);
    WorkCaption caption;
    if (name.endsWith(u'）')) {
        const qsizetype open = name.lastIndexOf(u'（');
        if (open > 0) {
            caption.player = name.mid(open + 1).chopped(1).toString();
            name = name.left(open);
        }
    }
    caption.name = name.toString();
    caption.score = tail == u"M" ? QStringLiteral("モンタージュ") : tail.toString() + QStringLiteral("点");
    caption.date = QStringLiteral("%1/%2/%3 %4:%5")
                       .arg(stamp.left(4), stamp.mid(4, 2), stamp.mid(6, 2), stamp.mid(8, 2), stamp.mid(10, 2));
    return caption;
}
