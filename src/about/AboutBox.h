#pragma once

#include <QDialog>

#include <functional>

class CaptionLabel;
class Desktop;
class Dialogs;
class PictureBox;

// The About box: title and version, the logo, and a link to the author's page that lights up
// white under the pointer.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    static inline const QString AuthorAddress = QStringLiteral("https://petara3.example.jp/");

    AboutBox(Desktop &desktop, Dialogs &dialogs, QWidget *parent = nullptr);

    // Runs when the box closes.
    void setOnClose(std::function<void()> onClose) { m_onClose = std::move(onClose); }

    void pointerOverFaceName();
    void pointerMovedOnWindow();
    void faceNameClicked();

    PictureBox *bannerPicture = nullptr;
    CaptionLabel *guidanceLabel = nullptr;
    CaptionLabel *faceNameLabel = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void done(int result) override;

private:
    Desktop &m_desktop;
    Dialogs &m_dialogs;
    std::function<void()> m_onClose;
};
