#include "screen/MainWindowWidgets.h"

PartTray MainWindowWidgets::parts() const
{
    return PartTray{{rightEyePicture, leftEyePicture, nosePicture, mouthPicture},
                    {rightEyeTitle, leftEyeTitle, noseTitle, mouthTitle}};
}
