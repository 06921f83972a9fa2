#pragma once

#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QImage>
#include <QPoint>
#include <QVector>

#include <memory>

// Drives a face creation on the real main window the way a player does: the picture chosen in
// the scripted dialog, presses on the titles, and curves drawn on facePicture with QTest events.
class CreationDriver
{
public:
    explicit CreationDriver(WindowHarness &harness) : h(harness) {}

    // Colours of the made face, as the player sees it at 300 × 225.
    static constexpr QRgb Skin = qRgb(230, 190, 160);
    static constexpr QRgb Hair = qRgb(60, 30, 20);
    static constexpr QRgb Cheek = qRgb(240, 120, 130);
    static constexpr QRgb Eye = qRgb(30, 30, 60);
    static constexpr QRgb Nose = qRgb(200, 140, 110);
    static constexpr QRgb Mouth = qRgb(180, 40, 50);

    // A face of 600 × 450 pixels, shown at 300 × 225: hair above y 20, a cheek at 20..40 ×
    // 120..140, eyes at 65..95 and 185..215 × 62..78, the nose at 140..160 × 110..140 and the
    // mouth at 120..180 × 172..188, all in display pixels, on skin.
    static QImage madeFace();
    // The loops that outline the four parts of madeFace(), each starting on the skin.
    static QVector<QPoint> partLoop(int k);

    // Chooses path in the dialog and runs the menu command "顔の作成".
    void start(const QString &path);
    void pressTitle(int k, Qt::MouseButton button = Qt::LeftButton);
    // Press at the first point, a move to each later one, release at the last.
    void drag(const QVector<QPoint> &points, Qt::MouseButton button = Qt::LeftButton);
    void clickImage(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // A left press on the title of k, then its curve.
    void outline(int k, const QVector<QPoint> &points);
    // All four loops of madeFace(), in part order.
    void outlineAllParts();
    // Replaces the name field's text as typed keys.
    void typeName(const QString &name);

private:
    WindowHarness &h;
};

// Where every face-creation test starts: a new program folder of three faces with face 1 as the
// opening face, the game open on it, its selection screen shown, and a driver for it. Whatever
// the three held before is closed first.
void startAtSelectionScreen(std::unique_ptr<TestProgramFolder> &folder, std::unique_ptr<WindowHarness> &harness,
                            std::unique_ptr<CreationDriver> &driver);
