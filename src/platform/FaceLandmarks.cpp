#include "platform/FaceLandmarks.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutex>
#include <QtConcurrent/QtConcurrentRun>

#include <dlib/image_processing.h>
#include <dlib/image_processing/frontal_face_detector.h>

#include <algorithm>
#include <atomic>
#include <memory>

namespace FaceLandmarks {

namespace {

struct Model
{
    dlib::frontal_face_detector detector;
    dlib::shape_predictor predictor;
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

void load(const QString &path)
{
    Loader &l = loader();
    QElapsedTimer timer;
    timer.start();
    try {
        auto model = std::make_unique<Model>();
        model->detector = dlib::get_frontal_face_detector();
        dlib::deserialize(QFile::encodeName(path).toStdString()) >> model->predictor;
        if (model->predictor.num_parts() != 68)
            throw dlib::error("not a 68-point model");
        l.model = std::move(model);
        l.milliseconds = timer.elapsed();
        l.state = ModelState::Ready;
    } catch (const std::exception &) {
        l.milliseconds = timer.elapsed();
        l.state = ModelState::Failed;
    }
}

dlib::array2d<unsigned char> greyOf(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    dlib::array2d<unsigned char> image(grey.height(), grey.width());
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            image[y][x] = line[x];
    }
    return image;
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

QVector<QPointF> largestFace(const QImage &picture)
{
    Loader &l = loader();
    if (l.state != ModelState::Ready || picture.isNull())
        return {};
    const dlib::array2d<unsigned char> image = greyOf(picture);
    std::vector<dlib::rectangle> faces = l.model->detector(image);
    if (faces.empty()) {
        // A face narrower than about a quarter of the box is below the detector's smallest
        // window; one doubling finds it at the cost of a slower search.
        dlib::array2d<unsigned char> doubled;
        dlib::pyramid_up(image, doubled, dlib::pyramid_down<2>());
        for (const dlib::rectangle &face : l.model->detector(doubled))
            faces.push_back(dlib::rectangle(face.left() / 2, face.top() / 2, face.right() / 2, face.bottom() / 2));
    }
    if (faces.empty())
        return {};
    const auto largest = std::max_element(faces.begin(), faces.end(), [](const dlib::rectangle &a, const dlib::rectangle &b) {
        return a.area() < b.area();
    });
    const dlib::full_object_detection shape = l.model->predictor(image, *largest);
    QVector<QPointF> points;
    points.reserve(int(shape.num_parts()));
    for (unsigned long i = 0; i < shape.num_parts(); ++i)
        points.append(QPointF(shape.part(i).x(), shape.part(i).y()));
    return points;
}

} // namespace FaceLandmarks
