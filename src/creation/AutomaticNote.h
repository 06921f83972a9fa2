#pragma once

#include <QString>
#include <QVector>

// What one press of "自動" did, as far as the player needs telling.
struct AutomaticResult
{
    bool framed = false;  // the face was small and the picture was zoomed onto it
    int faceCount = 0;    // the faces found on the picture
    int faceTaken = 0;    // which of them, 0 the largest
    QVector<int> leftOut; // parts off the picture, left for the player (1 right eye .. 4 mouth)
    bool allOutlined = false;
};

// The guidance line after the press: one line for each thing worth saying (the framing, the
// faces to choose from, the parts left to draw by hand) and, once all four parts are outlined,
// what to do next; the usual naming instructions when there is nothing else to say.
QString automaticNote(const AutomaticResult &result);
