#include "library/FaceRegistration.h"

#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/NewFace.h"
#include "library/RegistrationRules.h"
#include "platform/system/AppError.h"
#include "platform/files/AtomicFile.h"
#include "platform/widgets/Dialogs.h"
#include "platform/system/DpiScale.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/files/ProfileFile.h"
#include "screen/NameRules.h"
#include "screen/ShownFace.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// The pieces first, then the outline, then the whole face.
constexpr int WriteOrder[] = {1, 2, 3, 4, 5, 0};

// The files of one registration that are on disk so far; removed unless kept.
class WrittenFiles
{
public:
    ~WrittenFiles()
    {
        if (!m_kept) {
            for (const QString &path : std::as_const(m_paths))
                QFile::remove(path);
        }
    }
    void add(const QString &path) { m_paths << path; }
    void keep() { m_kept = true; }

private:
    QStringList m_paths;
    bool m_kept = false;
};

QByteArray readExisting(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("ファイル「%1」を読み込めませんでした。").arg(QDir::toNativeSeparators(path)));
    return file.readAll();
}

} // namespace

FaceRegistration::FaceRegistration(FaceLibrary &library, ShownFace &shown, QComboBox &faceList, QLineEdit &nameField,
                                   Dialogs &dialogs, QString windowsFolder)
    : m_library(library), m_shown(shown), m_faceList(faceList), m_nameField(nameField), m_dialogs(dialogs),
      m_windowsFolder(std::move(windowsFolder))
{
}

bool FaceRegistration::registerFace(const NewFace &face)
{
    if (RegistrationRules::isNameInUse(m_library.Faces, face.Name)) {
        m_dialogs.showMessage(QStringLiteral("その名前はすでに使われています。\r別の名前を入力してください。"));
        m_nameField.clear();
        return false;
    }
    const QString problem = nameProblem(face.Name, NameUse::Face);
    if (!problem.isEmpty()) {
        m_dialogs.showMessage(problem);
        return false;
    }

    const int number = m_library.FaceCount;
    writeOwnLibrary(face, number);

    TFaceData entry;
    entry.Name = face.Name;
    for (int k = 1; k <= 4; ++k) {
        entry.setPart(k, Dpi::fileToScreen(face.places[k].x(), m_library.DpiScale),
                      Dpi::fileToScreen(face.places[k].y(), m_library.DpiScale));
    }
    m_library.Faces.append(entry);
    m_library.FaceCount = number + 1;
    m_shown.CurrentFace = number;
    m_faceList.addItem(face.Name);

    addToSharedLibrary(number, face);
    return true;
}

// The pictures go first and the index last, each file replaced whole, so that the index never
// names a face whose pictures are not all there.
void FaceRegistration::writeOwnLibrary(const NewFace &face, int number)
{
    const QString indexPath = FacePaths::indexFile(m_library.AppDir);
    const QByteArray index = RegistrationRules::indexWithFace(readExisting(indexPath), number, face.Name, face.places);
    WrittenFiles written;
    try {
        for (int k : WriteOrder) {
            const QString path = FacePaths::facePicture(m_library.AppDir, number, k);
            JpegCodec::encodeFile(face.pictures[k], path);
            written.add(path);
        }
        writeFileAtomically(indexPath, index);
    } catch (const AppError &error) {
        throw AppError(
            QStringLiteral("この顔を登録できませんでした。\r%1\r"
                           "書き込んだ画像は削除し、顔の一覧はそのままです。もう一度「登録」ボタンを押してください。")
                .arg(error.message()));
    }
    written.keep();
}

// The shared library is a courtesy: when its index is missing nothing is created, and when a
// copy fails the copies made so far are removed and its index is left alone, unreported.
void FaceRegistration::addToSharedLibrary(int number, const NewFace &face)
{
    const QString folder = m_windowsFolder + QStringLiteral("/PetaraData/");
    const QString indexPath = folder + QStringLiteral("facedata.ini");
    if (!QFileInfo(indexPath).isFile())
        return;
    try {
        const int shared = ProfileFile(indexPath).readInteger(QStringLiteral("faces"), QStringLiteral("count"), 0);
        if (shared < 0)
            return;
        const QByteArray index = RegistrationRules::indexWithFace(readExisting(indexPath), shared, face.Name,
                                                                  face.places);
        WrittenFiles written;
        for (int k = 0; k <= 5; ++k) {
            const QString target = folder + QStringLiteral("face%1_%2.jpg").arg(shared).arg(k);
            const QByteArray picture = readExisting(FacePaths::facePicture(m_library.AppDir, number, k));
            if (picture.isEmpty())
                return;
            writeFileAtomically(target, picture);
            written.add(target);
        }
        writeFileAtomically(indexPath, index);
        written.keep();
    } catch (const AppError &) {
        return;
    }
}
