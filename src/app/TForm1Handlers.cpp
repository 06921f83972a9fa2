// The event handlers of the main window: each connects one event to the controller that does
// the work, and the multi-purpose ones choose that controller by the button captions.

#include "app/TForm1.h"

#include "app/Captions.h"
#include "library/FaceSelection.h"
#include "library/NameRules.h"
#include "library/OpeningFaceChoice.h"
#include "platform/CommandButton.h"
#include "platform/MouseUpCheckBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

void TForm1::connectHandlers()
{
    connect(w.Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(w.BtnSentaku, &QPushButton::clicked, this, &TForm1::BtnSentakuClick);
    connect(w.BtnStart, &QPushButton::clicked, this, &TForm1::BtnStartClick);
    connect(w.BtnRenshu, &CommandButton::mouseUp, this, &TForm1::BtnRenshuMouseUp);
    connect(w.BtnKiritori, &QPushButton::clicked, this, &TForm1::BtnKiritoriClick);
    connect(w.ListBox1, &QListWidget::itemClicked, this, &TForm1::ListBox1Click);
    connect(w.Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connect(w.ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(w.CheckBox1, &MouseUpCheckBox::mouseUp, this, &TForm1::CheckBox1MouseUp);
}

void TForm1::BtnSentakuClick()
{
    const QString caption = w.BtnSentaku->text();
    if (caption == Caption::Select || caption == Caption::Cancel)
        guarded([this] { m_selection->selectCommand(); });
    // Any other caption ("登録") registers the created face.
}

void TForm1::BtnStartClick()
{
    // Each caption is read afresh; no branch changes it, so at most one runs.
    if (w.BtnStart->text() == Caption::Start) {
        // A game starts: comes with the game.
    }
    if (w.BtnStart->text() == Caption::Unveil) {
        // The unveiling: comes with the game.
    }
    if (w.BtnStart->text() == Caption::Cancel) {
        guarded([this] {
            m_selection->returnToFaceSelection();
            w.BtnSentaku->setText(Caption::Select);
        });
    }
}

void TForm1::BtnRenshuMouseUp()
{
    const QString caption = w.BtnRenshu->text();
    if (caption == Caption::Practice) {
        // Switches to the real mode: comes with the game.
    } else if (caption == Caption::Real) {
        // Switches back to practice: comes with the game.
    } else {
        // Saves the work: comes with the game.
    }
}

void TForm1::BtnKiritoriClick()
{
    if (m_modes.DeleteMode) {
        // Deletes the picked face: comes with face deletion.
    } else {
        // The zoom steps: come with face creation.
    }
}

void TForm1::ListBox1Click()
{
    if (m_modes.MontageMode) {
        // Loads a part of the montage: comes with the montage.
    } else if (!m_modes.DeleteMode) {
        // Shows a saved work: comes with the gallery.
    } else {
        // Picks a face to delete: comes with face deletion.
    }
}

void TForm1::Edit1Change()
{
    const bool acceptable = isAcceptableName(w.Edit1->text());
    if (m_modes.CreateMode) {
        w.BtnSentaku->setEnabled(acceptable);
    } else {
        w.BtnRenshu->setText(acceptable ? Caption::Save : Caption::Practice);
        w.BtnRenshu->setEnabled(acceptable);
    }
}

void TForm1::ComboBox1Change(int index)
{
    guarded([this, index] { m_selection->ComboBox1Change(index); });
}

void TForm1::CheckBox1MouseUp()
{
    guarded([this] { m_openingFace->CheckBox1MouseUp(); });
}
