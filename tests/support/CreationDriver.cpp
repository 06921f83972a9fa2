#include "support/CreationDriver.h"

#include "platform/files/ProfileFile.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>

QImage CreationDriver::madeFace()
{
    QImage shown(300, 225, QImage::Format_RGB32);
    shown.fill(Skin);
    QPainter painter(&shown);
    painter.fillRect(0, 0, 300, 20, QColor(Hair));
    painter.fillRect(20, 120, 20, 20, QColor(Cheek));
    painter.fillRect(65, 62, 30, 16, QColor(Eye));
    painter.fillRect(185, 62, 30, 16, QColor(Eye));
    painter.fillRect(140, 110, 20, 30, QColor(Nose));
    painter.fillRect(120, 172, 60, 16, QColor(Mouth));
    painter.end();
    return shown.scaled(600, 450);
}

QVector<QPoint> CreationDriver::partLoop(int k)
{
    const QRect boxes[] = {{50, 50, 60, 40}, {170, 50, 60, 40}, {120, 100, 60, 50}, {100, 160, 100, 40}};
    const QRect box = boxes[k - 1];
    QVector<QPoint> loop;
    for (int x = box.left(); x < box.left() + box.width(); x += 10)
        loop << QPoint(x, box.top());
    for (int y = box.top(); y < box.top() + box.height(); y += 10)
        loop << QPoint(box.left() + box.width(), y);
    for (int x = box.left() + box.width(); x > box.left(); x -= 10)
        loop << QPoint(x, box.top() + box.height());
    for (int y = box.top() + box.height(); y > box.top(); y -= 10)
        loop << QPoint(box.left(), y);
    return loop;
}

void CreationDriver::start(const QString &path)
{
    h.dialogs.chosenFiles.enqueue(path);
    h.w().createFaceAction->trigger();
}

void CreationDriver::pressTitle(int k, Qt::MouseButton button)
{
    QTest::mouseClick(h.w().parts().title(k), button);
}

void CreationDriver::drag(const QVector<QPoint> &points, Qt::MouseButton button)
{
    PictureBox *image = h.w().facePicture;
    QTest::mousePress(image, button, {}, points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        QTest::mouseMove(image, points.at(i));
    QTest::mouseRelease(image, button, {}, points.last());
}

void CreationDriver::clickImage(QPoint at, Qt::MouseButton button)
{
    QTest::mouseClick(h.w().facePicture, button, {}, at);
}

void CreationDriver::outline(int k, const QVector<QPoint> &points)
{
    pressTitle(k);
    drag(points);
}

void CreationDriver::outlineAllParts()
{
    for (int k = 1; k <= 4; ++k)
        outline(k, partLoop(k));
}

void CreationDriver::typeName(const QString &name)
{
    h.w().nameField->clear();
    // One key event per character, carrying its text, since the name may be Japanese.
    for (const QChar c : name)
        QTest::sendKeyEvent(QTest::Click, h.w().nameField, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void startAtSelectionScreen(std::unique_ptr<TestProgramFolder> &folder, std::unique_ptr<WindowHarness> &harness,
                            std::unique_ptr<CreationDriver> &driver)
{
    driver.reset();
    harness.reset();
    folder = std::make_unique<TestProgramFolder>();
    folder->addFaces(3);
    ProfileFile(folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 1);
    harness = std::make_unique<WindowHarness>(folder->appDir());
    harness->open();
    harness->click(harness->w().selectButton);
    driver = std::make_unique<CreationDriver>(*harness);
}
