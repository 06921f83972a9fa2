#include "library/OpeningFaceChoice.h"

#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "platform/widgets/Dialogs.h"
#include "platform/files/ProfileFile.h"
#include "screen/ShownFace.h"

#include <QCheckBox>

OpeningFaceChoice::OpeningFaceChoice(QCheckBox &checkBox, FaceLibrary &library, const ShownFace &shown,
                                     Dialogs &dialogs)
    : m_checkBox(checkBox), m_library(library), m_shown(shown), m_dialogs(dialogs)
{
}

void OpeningFaceChoice::openingFaceBoxReleased()
{
    if (!m_library.hasFace(m_shown.CurrentFace))
        return;
    const int face = m_shown.CurrentFace;
    const QString name = m_library.Faces.at(face).Name;
    // A release that did not toggle the tick (a right click) leaves nothing to ask.
    if (m_checkBox.isChecked() == (m_library.TitleFaceIndex == face))
        return;

    if (m_checkBox.isChecked()) {
        QString question;
        if (m_library.hasFace(m_library.TitleFaceIndex)) {
            const QString old = m_library.Faces.at(m_library.TitleFaceIndex).Name;
            question = QStringLiteral("「") + old + QStringLiteral("」がオープニングの顔に設定されていますが、\r「")
                       + name + QStringLiteral("」をオープニングの顔に使いますか？");
        } else {
            question = QStringLiteral("「") + name + QStringLiteral("」をオープニングの顔に使いますか？");
        }
        if (m_dialogs.askYesNo(question)) {
            m_library.TitleFaceIndex = face;
            writeTitleFace(face);
        } else {
            m_checkBox.setChecked(false);
        }
    } else {
        const QString question = QStringLiteral("「") + name + QStringLiteral("」をオープニングの顔に使いませんか？");
        if (m_dialogs.askYesNo(question)) {
            m_library.TitleFaceIndex = -1;
            writeTitleFace(-1);
        } else {
            m_checkBox.setChecked(true);
        }
    }
}

void OpeningFaceChoice::writeTitleFace(int face)
{
    ProfileFile(FacePaths::indexFile(m_library.AppDir))
        .writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), face);
}
