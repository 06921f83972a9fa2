#pragma once

// The C interface of the landmark module (platform/dlib/), which the program opens only when
// face creation first needs it: dlib and its numeric libraries would otherwise be loaded, and
// slow, every start. Nothing here throws.
extern "C" {

// Reads the 68-point shape model at the path (UTF-8); returns the model, or null when the file
// is missing or not such a model.
using PetaraLandmarksLoad = void *(*)(const char *modelPath);
// Finds the frontal faces in an 8-bit grey picture and writes the boxes of at most maxFaces of
// them, largest first, as left, top, right, bottom (4 numbers each, right and bottom inclusive)
// into boxes. Returns how many faces it wrote, 0 when none was found or on failure.
using PetaraLandmarksDetect = int (*)(void *model, const unsigned char *grey, int width, int height, int bytesPerLine,
                                      int maxFaces, double *boxes);
// Fits the 68 points of the face in box (left, top, right, bottom, as detect gives it) on an
// 8-bit grey picture and writes them as x, y pairs into points (136 numbers). Returns 1 on
// success, else 0.
using PetaraLandmarksShape = int (*)(void *model, const unsigned char *grey, int width, int height, int bytesPerLine,
                                     const double *box, double *points);
// Frees a model that PetaraLandmarksLoad returned.
using PetaraLandmarksFree = void (*)(void *model);

} // extern "C"

namespace LandmarkModule {

inline constexpr const char *LoadName = "petara_landmarks_load";
inline constexpr const char *DetectName = "petara_landmarks_detect";
inline constexpr const char *ShapeName = "petara_landmarks_shape";
inline constexpr const char *FreeName = "petara_landmarks_free";
inline constexpr int PointCount = 68;

} // namespace LandmarkModule
