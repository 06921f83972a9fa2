#pragma once

class CaptionLabel;
class CommandButton;
class ListBox;
class PictureBox;
class QAction;
class MouseUpCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QTimer;
class QWidget;
class QString;

// Every widget, menu item and timer of the main window, by the names the game gives them.
// TForm1 owns them; the screen controllers reach them through this struct.
struct Form1Widgets
{
    QWidget *client = nullptr; // the 560 × 479 client area; widget positions are relative to it

    PictureBox *ImageTitle = nullptr;
    PictureBox *Image1 = nullptr;
    CaptionLabel *LabelScore = nullptr;
    CaptionLabel *LabelHana = nullptr;
    CaptionLabel *Label1 = nullptr;
    PictureBox *ImageRE = nullptr;
    PictureBox *ImageLE = nullptr;
    PictureBox *ImageHana = nullptr;
    PictureBox *ImageKuti = nullptr;
    CaptionLabel *LabelRE = nullptr;
    CaptionLabel *LabelLE = nullptr;
    CaptionLabel *LabelKuti = nullptr;
    CaptionLabel *Label2 = nullptr;
    PictureBox *ImageRogo = nullptr;
    CaptionLabel *LabelRinkaku = nullptr;
    CommandButton *BtnSentaku = nullptr;
    CommandButton *BtnStart = nullptr;
    CommandButton *BtnRenshu = nullptr;
    QLineEdit *Edit1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    MouseUpCheckBox *CheckBox1 = nullptr;
    QWidget *MediaPlayer1 = nullptr;
    ListBox *ListBox1 = nullptr;
    CommandButton *BtnKiritori = nullptr;
    CommandButton *BtnUp = nullptr;
    CommandButton *BtnDown = nullptr;
    CommandButton *BtnJidou = nullptr; // "自動": outlines the four parts from facial landmarks

    QMenu *N1Menu = nullptr;
    QAction *N1 = nullptr;
    QAction *N9 = nullptr;
    QAction *N10 = nullptr;
    QAction *N7 = nullptr;
    QAction *N8 = nullptr;
    QMenu *BGM1Menu = nullptr;
    QAction *BGM1 = nullptr;
    QAction *N2 = nullptr;
    QAction *N3 = nullptr;
    QAction *N4 = nullptr;
    QAction *N5 = nullptr;
    QMenu *Help1Menu = nullptr;
    QAction *Help1 = nullptr;
    QAction *Help2 = nullptr;
    QAction *N6 = nullptr;
    QAction *About1 = nullptr;

    QTimer *Timer1 = nullptr;

    // Shows an instruction in the guidance line Label1, in blue.
    void guide(const QString &text) const;
    // Part picture k (1 right eye, 2 left eye, 3 nose, 4 mouth).
    PictureBox *partImage(int k) const;
    // Title label of part k.
    CaptionLabel *partTitle(int k) const;
};
