#pragma once

// The C interface of the landmark module (platform/dlib/), which the program opens only when
// face creation first needs it: dlib and its numeric libraries would otherwise be loaded, and
// slow, every start. Nothing here throws.
extern "C" {

// Reads the 68-point shape model at the path (UTF-8); returns the model, or null when the file
// is missing or not such a model.
using PetaraLandmarksLoad = void *(*)(const char *modelPath);
// Finds the largest frontal face in an 8-bit grey picture and writes its 68 points as x, y
// pairs into points (136 numbers). Returns 1 when a face was found, else 0.
using PetaraLandmarksFind = int (*)(void *model, const unsigned char *grey, int width, int height, int bytesPerLine,
                                    double *points);
// Frees a model that PetaraLandmarksLoad returned.
using PetaraLandmarksFree = void (*)(void *model);

} // extern "C"

namespace LandmarkModule {

inline constexpr const char *LoadName = "petara_landmarks_load";
inline constexpr const char *FindName = "petara_landmarks_find";
inline constexpr const char *FreeName = "petara_landmarks_free";
inline constexpr int PointCount = 68;

} // namespace LandmarkModule
