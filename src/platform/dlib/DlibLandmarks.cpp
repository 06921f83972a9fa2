// The landmark module: dlib's frontal face detector and 68-point shape predictor behind the
// C interface of platform/LandmarkModule.h. Built as a module of its own, never linked.

#include "platform/LandmarkModule.h"

#include <dlib/image_processing.h>
#include <dlib/image_processing/frontal_face_detector.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <new>

namespace {

struct Model
{
    dlib::frontal_face_detector detector;
    dlib::shape_predictor predictor;
};

std::vector<dlib::rectangle> findFaces(Model &model, const dlib::array2d<unsigned char> &image)
{
    std::vector<dlib::rectangle> faces = model.detector(image);
    if (faces.empty()) {
        // A face narrower than about a quarter of the box is below the detector's smallest
        // window; one doubling finds it at the cost of a slower search.
        dlib::array2d<unsigned char> doubled;
        dlib::pyramid_up(image, doubled, dlib::pyramid_down<2>());
        for (const dlib::rectangle &face : model.detector(doubled))
            faces.push_back(dlib::rectangle(face.left() / 2, face.top() / 2, face.right() / 2, face.bottom() / 2));
    }
    return faces;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) void *petara_landmarks_load(const char *modelPath)
{
    try {
        auto model = std::make_unique<Model>();
        model->detector = dlib::get_frontal_face_detector();
        dlib::deserialize(modelPath) >> model->predictor;
        if (model->predictor.num_parts() != LandmarkModule::PointCount)
            return nullptr;
        return model.release();
    } catch (const std::exception &) {
        return nullptr;
    }
}

__attribute__((visibility("default"))) int petara_landmarks_find(void *handle, const unsigned char *grey, int width,
                                                                 int height, int bytesPerLine, double *points)
{
    if (!handle || !grey || width <= 0 || height <= 0 || bytesPerLine < width || !points)
        return 0;
    try {
        Model &model = *static_cast<Model *>(handle);
        dlib::array2d<unsigned char> image(height, width);
        for (int y = 0; y < height; ++y)
            std::copy_n(grey + std::ptrdiff_t(y) * bytesPerLine, width, &image[y][0]);
        const std::vector<dlib::rectangle> faces = findFaces(model, image);
        if (faces.empty())
            return 0;
        const auto largest = std::max_element(
            faces.begin(), faces.end(),
            [](const dlib::rectangle &a, const dlib::rectangle &b) { return a.area() < b.area(); });
        const dlib::full_object_detection shape = model.predictor(image, *largest);
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
