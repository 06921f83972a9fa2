#pragma once

#include "app/Form1Services.h"
#include "app/Form1Widgets.h"
#include "app/ModeFlags.h"
#include "library/FaceLibrary.h"
#include "music/MusicSettings.h"

#include <QCursor>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class FaceSelection;
class OpeningFaceChoice;
class OpeningSequence;
class TForm2;

// The main window: builds every widget, connects each event to its named handler, and
// dispatches the multi-purpose handlers on the button captions to the screen controllers.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(const Form1Services &services, QWidget *parent = nullptr);
    ~TForm1() override;

    const Form1Widgets &widgets() const { return w; }
    const FaceLibrary &library() const { return m_library; }
    const ModeFlags &modes() const { return m_modes; }
    const MusicSettings &music() const { return m_music; }
    int openingStep() const;
    // Cursor 1: the transparent cursor of blind play, the default arrow when its file is missing.
    QCursor transparentCursor() const;
    const FaceSelection &selection() const { return *m_selection; }
    TForm2 &form2() { return *m_form2; }

    // The handlers, public so that tests can run them without waiting for their events.
    void FormShow();
    void FormClose();
    void Timer1Timer();
    void BtnSentakuClick();
    void BtnStartClick();
    void BtnRenshuMouseUp();
    void BtnKiritoriClick();
    void ListBox1Click();
    void Edit1Change();
    void ComboBox1Change(int index);
    void CheckBox1MouseUp();
    // A press on part picture k (1 .. 4), the pointer at `global` on the screen.

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    // Runs a handler inside the error boundary; false when it failed.
    bool guarded(const std::function<void()> &handler);
    void startUp();
    void loadLibrary();
    void chooseOpeningFace();

    Form1Services m_services;
    Form1Widgets w;
    FaceLibrary m_library;
    ModeFlags m_modes;
    MusicSettings m_music;
    std::optional<QCursor> m_transparentCursor;
    std::unique_ptr<OpeningSequence> m_opening;
    std::unique_ptr<FaceSelection> m_selection;
    std::unique_ptr<OpeningFaceChoice> m_openingFace;
    std::unique_ptr<TForm2> m_form2;
    bool m_shown = false;
    bool m_closed = false;
};
