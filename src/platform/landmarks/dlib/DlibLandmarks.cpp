// The landmark module: dlib's frontal face detector and 68-point shape predictor behind the
// C interface of platform/landmarks/LandmarkModule.h. Built as a module of its own, never linked.

#include "platform/landmarks/LandmarkModule.h"

#include <dlib/image_processing.h>
#include <dlib/image_processing/frontal_face_detector.h>

#include <algorithm>
#include <exception>
#include <future>
#include <memory>
#include <new>

namespace {

using Detector = dlib::frontal_face_detector;
using Pyramid = dlib::pyramid_down<6>;

struct Model
{
    Detector detector;
    // The same detector scanning only the two finest levels of the pyramid; the coarser levels
    // are scanned at the same time on another thread (see findFaces).
    Detector finestLevels;
    dlib::shape_predictor predictor;
};

Detector limitedToLevels(const Detector &detector, unsigned long levels)
{
    Detector::image_scanner_type scanner;
    scanner.copy_configuration(detector.get_scanner());
    scanner.set_max_pyramid_levels(levels);
    std::vector<Detector::feature_vector_type> weights;
    for (unsigned long i = 0; i < detector.num_detectors(); ++i)
        weights.push_back(detector.get_w(i));
    return Detector(scanner, detector.get_overlap_tester(), weights);
}

dlib::array2d<unsigned char> copyOf(const unsigned char *grey, int width, int height, int bytesPerLine)
{
    dlib::array2d<unsigned char> image(height, width);
    for (int y = 0; y < height; ++y)
        std::copy_n(grey + std::ptrdiff_t(y) * bytesPerLine, width, &image[y][0]);
    return image;
}

// Below this many pixels one thread is quicker than two.
constexpr long SplitFromPixels = 320L * 240L;

// Every face the whole detector would find. The two finest pyramid levels cost about as much
// as all the coarser ones together, so on a large picture they run on a thread of their own
// while this one scans the picture shrunk twice; the two lists are then merged by the
// detector's own overlap rule, strongest first.
std::vector<dlib::rect_detection> findFaces(Model &model, const dlib::array2d<unsigned char> &image)
{
    std::vector<dlib::rect_detection> found;
    if (image.size() < SplitFromPixels) {
        model.detector(image, found);
        return found;
    }
    auto finest = std::async(std::launch::async, [&model, &image] {
        std::vector<dlib::rect_detection> faces;
        model.finestLevels(image, faces);
        return faces;
    });
    Pyramid pyramid;
    dlib::array2d<unsigned char> once, twice;
    pyramid(image, once);
    pyramid(once, twice);
    std::vector<dlib::rect_detection> coarse;
    model.detector(twice, coarse);
    for (dlib::rect_detection &face : coarse)
        face.rect = pyramid.rect_up(face.rect, 2);
    std::vector<dlib::rect_detection> all = finest.get();
    all.insert(all.end(), coarse.begin(), coarse.end());
    std::sort(all.begin(), all.end(), [](const dlib::rect_detection &a, const dlib::rect_detection &b) {
        return a.detection_confidence > b.detection_confidence;
    });
    const dlib::test_box_overlap overlaps = model.detector.get_overlap_tester();
    for (const dlib::rect_detection &face : all) {
        const bool covered = std::any_of(found.begin(), found.end(), [&](const dlib::rect_detection &kept) {
            return overlaps(face.rect, kept.rect);
        });
        if (!covered)
            found.push_back(face);
    }
    return found;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) void *petara_landmarks_load(const char *modelPath)
{
    try {
        auto model = std::make_unique<Model>();
        model->detector = dlib::get_frontal_face_detector();
        model->finestLevels = limitedToLevels(model->detector, 2);
        dlib::deserialize(modelPath) >> model->predictor;
        if (model->predictor.num_parts() != LandmarkModule::PointCount)
            return nullptr;
        return model.release();
    } catch (const std::exception &) {
        return nullptr;
    }
}

__attribute__((visibility("default"))) int petara_landmarks_detect(void *handle, const unsigned char *grey, int width,
                                                                   int height, int bytesPerLine, int maxFaces,
                                                                   double *boxes)
{
    if (!handle || !grey || width <= 0 || height <= 0 || bytesPerLine < width || maxFaces <= 0 || !boxes)
        return 0;
    try {
        Model &model = *static_cast<Model *>(handle);
        std::vector<dlib::rect_detection> faces = findFaces(model, copyOf(grey, width, height, bytesPerLine));
        std::stable_sort(faces.begin(), faces.end(), [](const dlib::rect_detection &a, const dlib::rect_detection &b) {
            return a.rect.area() > b.rect.area();
        });
        const int count = std::min(maxFaces, int(faces.size()));
        for (int i = 0; i < count; ++i) {
            boxes[4 * i] = double(faces[i].rect.left());
            boxes[4 * i + 1] = double(faces[i].rect.top());
            boxes[4 * i + 2] = double(faces[i].rect.right());
            boxes[4 * i + 3] = double(faces[i].rect.bottom());
        }
        return count;
    } catch (const std::exception &) {
        return 0;
    }
}

__attribute__((visibility("default"))) int petara_landmarks_shape(void *handle, const unsigned char *grey, int width,
                                                                  int height, int bytesPerLine, const double *box,
                                                                  double *points)
{
    if (!handle || !grey || width <= 0 || height <= 0 || bytesPerLine < width || !box || !points)
        return 0;
    try {
        Model &model = *static_cast<Model *>(handle);
        const dlib::array2d<unsigned char> image = copyOf(grey, width, height, bytesPerLine);
        const dlib::rectangle face(long(std::lround(box[0])), long(std::lround(box[1])), long(std::lround(box[2])),
                                   long(std::lround(box[3])));
        const dlib::full_object_detection shape = model.predictor(image, face);
        if (shape.num_parts() != unsigned(LandmarkModule::PointCount))
            return 0;
        for (unsigned long i = 0; i < shape.num_parts(); ++i) {
            points[2 * i] = double(shape.part(i).x());
            points[2 * i + 1] = double(shape.part(i).y());
        }
        return 1;
    } catch (const std::exception &) {
        return 0;
    }
}

__attribute__((visibility("default"))) void petara_landmarks_free(void *handle)
{
    delete static_cast<Model *>(handle);
}

} // extern "C"
