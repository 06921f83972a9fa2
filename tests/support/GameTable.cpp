#include "support/GameTable.h"

#include "platform/files/ProfileFile.h"

namespace GameTable {

TestProgramFolder::Face okame()
{
    TestProgramFolder::Face face;
    face.name = QStringLiteral("おかめ");
    face.places = {QPoint(60, 80), QPoint(170, 80), QPoint(120, 140), QPoint(110, 210)};
    return face;
}

std::unique_ptr<WindowHarness> openOnFace(TestProgramFolder &folder, const TestProgramFolder::Face &face)
{
    folder.addFace(face);
    folder.addFaces(1);
    ProfileFile(folder.indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 0);
    auto harness = std::make_unique<WindowHarness>(folder.appDir());
    harness->open();
    harness->click(harness->w().selectButton);
    return harness;
}

} // namespace GameTable
