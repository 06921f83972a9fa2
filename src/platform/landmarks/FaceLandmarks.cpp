#include "platform/landmarks/FaceLandmarks.h"

#include "platform/landmarks/LandmarkModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <atomic>
#include <memory>

#ifndef PETARA_MODULE_DIR_FROM_PROGRAM
#define PETARA_MODULE_DIR_FROM_PROGRAM "."
#endif

namespace FaceLandmarks {

namespace {

// The model the module read, with the module's functions for it. The module stays loaded to the
// end of the run, so the model can be freed as the program ends.
struct Model
{
    PetaraLandmarksDetect detect = nullptr;
    PetaraLandmarksShape shape = nullptr;
    PetaraLandmarksFree free = nullptr;
    void *handle = nullptr;

    Model() = default;
    Model(const Model &) = delete;
    Model &operator=(const Model &) = delete;
    ~Model()
    {
        if (handle)
            free(handle);
    }
};

// The one load of the program. The worker fills `model` and then publishes `state`; the
// user-interface thread reads the model only after it has seen Ready.
struct Loader
{
    QMutex mutex;
    bool started = false;
    QFuture<void> future;
    std::unique_ptr<Model> model;
    std::atomic<ModelState> state{ModelState::Absent};
    std::atomic<qint64> milliseconds{-1};
};

Loader &loader()
{
    static Loader instance;
    return instance;
}

// Where the module may be: beside the program (a build tree, a copied game folder), one folder
// up (the tests and benchmarks of a build tree), or where the installation put it.
QStringList moduleCandidates()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("petara3-landmarks.so");
    return {program.filePath(name), program.filePath(QStringLiteral("../") + name),
            program.filePath(QStringLiteral(PETARA_MODULE_DIR_FROM_PROGRAM "/") + name)};
}

std::unique_ptr<Model> openModel(const QString &path)
{
    for (const QString &candidate : moduleCandidates()) {
        if (!QFileInfo(candidate).isFile())
            continue;
        QLibrary module(candidate);
        const auto loadModel = reinterpret_cast<PetaraLandmarksLoad>(module.resolve(LandmarkModule::LoadName));
        const auto detect = reinterpret_cast<PetaraLandmarksDetect>(module.resolve(LandmarkModule::DetectName));
        const auto shape = reinterpret_cast<PetaraLandmarksShape>(module.resolve(LandmarkModule::ShapeName));
        const auto freeModel = reinterpret_cast<PetaraLandmarksFree>(module.resolve(LandmarkModule::FreeName));
        if (!loadModel || !detect || !shape || !freeModel)
            continue;
        void *handle = loadModel(QFile::encodeName(path).constData());
        if (!handle)
            return nullptr;
        // The QLibrary object goes, the module stays loaded: nothing unloads it before exit.
        auto model = std::make_unique<Model>();
        model->detect = detect;
        model->shape = shape;
        model->free = freeModel;
        model->handle = handle;
        return model;
    }
    return nullptr;
}

void load(const QString &path)
{
    Loader &l = loader();
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<Model> model = openModel(path);
    l.milliseconds = timer.elapsed();
    if (model) {
        l.model = std::move(model);
        l.state = ModelState::Ready;
    } else {
        l.state = ModelState::Failed;
    }
}

} // namespace

QString defaultModelPath()
{
    return QStringLiteral("/usr/share/dlib/shape_predictor_68_face_landmarks.dat");
}

bool modelPresent(const QString &path)
{
    return QFileInfo(path).isFile();
}

QString missingPieces(const QString &path)
{
    const QStringList candidates = moduleCandidates();
    const bool moduleFound = std::any_of(candidates.cbegin(), candidates.cend(),
                                         [](const QString &candidate) { return QFileInfo(candidate).isFile(); });
    if (!moduleFound)
        return QStringLiteral("no module %1; the package petara3-outlines brings it")
            .arg(QDir::cleanPath(candidates.constLast()));
    if (!modelPresent(path))
        return QStringLiteral("no shape model %1; the package libdlib-data brings it").arg(path);
    return {};
}

QFuture<void> startLoading(const QString &path)
{
    Loader &l = loader();
    QMutexLocker lock(&l.mutex);
    if (!l.started) {
        l.started = true;
        if (modelPresent(path)) {
            l.state = ModelState::Loading;
            l.future = QtConcurrent::run(load, path);
        } else {
            l.future = QtFuture::makeReadyFuture();
        }
    }
    return l.future;
}

ModelState state()
{
    return loader().state;
}

qint64 loadMilliseconds()
{
    return loader().milliseconds;
}

namespace {

constexpr int MostFaces = 32;

QImage greyOf(const QImage &picture)
{
    return picture.format() == QImage::Format_Grayscale8 ? picture : picture.convertToFormat(QImage::Format_Grayscale8);
}

Model *readyModel()
{
    Loader &l = loader();
    return l.state == ModelState::Ready ? l.model.get() : nullptr;
}

} // namespace

QVector<QRectF> detectFaces(const QImage &picture)
{
    Model *model = readyModel();
    if (!model || picture.isNull())
        return {};
    const QImage grey = greyOf(picture);
    double boxes[4 * MostFaces];
    const int count = model->detect(model->handle, grey.constBits(), grey.width(), grey.height(),
                                    int(grey.bytesPerLine()), MostFaces, boxes);
    QVector<QRectF> faces;
    for (int i = 0; i < count; ++i)
        faces.append(
            QRectF(QPointF(boxes[4 * i], boxes[4 * i + 1]), QPointF(boxes[4 * i + 2] + 1, boxes[4 * i + 3] + 1)));
    return faces;
}

QVector<QPointF> fitLandmarks(const QImage &picture, const QRectF &face)
{
    Model *model = readyModel();
    if (!model || picture.isNull() || face.isEmpty())
        return {};
    const QImage grey = greyOf(picture);
    // Back to the inclusive corners the module's boxes use.
    const double box[4] = {face.left(), face.top(), face.right() - 1, face.bottom() - 1};
    double coordinates[2 * LandmarkModule::PointCount];
    if (!model->shape(model->handle, grey.constBits(), grey.width(), grey.height(), int(grey.bytesPerLine()), box,
                      coordinates))
        return {};
    QVector<QPointF> points;
    points.reserve(LandmarkModule::PointCount);
    for (int i = 0; i < LandmarkModule::PointCount; ++i)
        points.append(QPointF(coordinates[2 * i], coordinates[2 * i + 1]));
    return points;
}

} // namespace FaceLandmarks
