#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// What the photo dialog shows of the selected file: the picture upright and fitted into a box,
// with its size, or one short line saying why there is none.
struct PicturePreview
{
    // Null when there is nothing to show.
    QImage picture;
    // The upright picture's size in pixels.
    QSize fullSize;
    // For the player, when the file cannot be shown; empty for a folder or no selection.
    QString problem;
};

// The preview of the file at path, fitted into box (never enlarged). Only regular files are
// opened, and never one the loader would refuse for its size, so a pipe or a device never
// blocks it; a JPEG is decoded at the smallest scale that covers the box.
PicturePreview previewPicture(const QString &path, QSize box);

// The line under a preview: the size, or the problem.
QString previewLine(const PicturePreview &preview);
