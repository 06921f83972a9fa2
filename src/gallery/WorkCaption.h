#pragma once

#include <QString>

// What the slideshow writes under a work, read from its file name (see game/WorkNaming): the face
// or montage name, the player of a round's work, the score or "モンタージュ", and the date.
struct WorkCaption
{
    QString name;   // the whole file name when the name carries no time stamp
    QString player; // empty unless the work is a round's
    QString score;  // "85点", "モンタージュ", or empty without a stamp
    QString date;   // "2025/01/02 13:45", or empty without a stamp

    // The fields that are not empty, on one line, separated by wide spaces.
    QString text() const;
};

// Parsed from the right, so that a face name may hold "_" and "（".
WorkCaption workCaptionOf(const QString &fileName);
