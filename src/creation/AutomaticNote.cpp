#include "creation/AutomaticNote.h"

#include "creation/CreationTexts.h"

#include <QStringList>

QString automaticNote(const AutomaticResult &result)
{
    QStringList lines;
    if (result.framed)
        lines << CreationText::AutomaticFramed;
    if (result.faceCount > 1) {
        lines << (result.faceTaken == 0
                      ? CreationText::AutomaticFaces.arg(result.faceCount)
                      : CreationText::AutomaticNextFace.arg(result.faceCount).arg(result.faceTaken + 1));
    }
    if (!result.leftOut.isEmpty()) {
        QStringList names;
        for (const int k : result.leftOut)
            names << CreationText::AutomaticPartNames[k];
        lines << CreationText::AutomaticLeftOut.arg(names.join(CreationText::AutomaticAnd));
    }
    if (lines.isEmpty())
        return result.allOutlined ? CreationText::Naming : CreationText::Outlining;
    if (result.allOutlined)
        lines << CreationText::AutomaticDone;
    return lines.join(u'\r');
}
