#pragma once

#include <QDialog>

#include <functional>

class CaptionLabel;
class Desktop;
class Dialogs;
class PictureBox;

// The About box: title and version, the logo, and a link to the author's page that lights up
// white under the pointer.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    static inline const QString AuthorAddress = QStringLiteral("https://petara3.example.jp/");

    TForm2(Desktop &desktop, Dialogs &dialogs, QWidget *parent = nullptr);

    // Runs when the box closes.
    void setOnClose(std::function<void()> onClose) { m_onClose = std::move(onClose); }

    void Label2MouseMove();
    void FormMouseMove();
    void Label2Click();

    PictureBox *ImageRogo = nullptr;
    CaptionLabel *Label1 = nullptr;
    CaptionLabel *Label2 = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void done(int result) override;

private:
    Desktop &m_desktop;
    Dialogs &m_dialogs;
    std::function<void()> m_onClose;
};
