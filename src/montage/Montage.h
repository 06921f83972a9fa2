#pragma once

struct FaceLibrary;
struct Form1Widgets;
struct GameState;
struct ModeFlags;
struct ShownFace;
class CaptionLabel;

// The montage screen: a face put together from the outline and the parts of several library
// faces. A title chooses the piece, a name in the list loads it, "+" and "-" resize a part,
// and the parts are placed and saved the way a practice game places and saves them.
class Montage
{
public:
    Montage(Form1Widgets &widgets, const FaceLibrary &library, ModeFlags &modes, GameState &game, ShownFace &shown);

    // The menu command: enters the montage screen with no piece loaded.
    void N8Click();
    // A left click on "顔の輪郭": the list loads outlines from now on.
    void LabelRinkakuClick();
    // A press on part title k (1 .. 4) during the montage: the list loads and "+"/"-" resize
    // that part from now on.
    void partTitleMouseDown(int k);
    // A click on the list's row `face`: loads that face's piece for the chosen title. Throws
    // AppError when the picture cannot be read, leaving the screen as it was.
    void ListBox1Click(int face);
    // "+" and "-": resize the chosen part while the montage is on.
    void BtnUpClick();
    void BtnDownClick();
    // One resize step of the chosen part picture, if it is shown; its top-left corner stays.
    void ResizePart(float factor);

private:
    // Title `chosen` red, the other four yellow.
    void markTitle(CaptionLabel *chosen);
    void loadOutline(int face);
    void loadPart(int k, int face);
    void guideAfterLoad();

    Form1Widgets &w;
    const FaceLibrary &m_library;
    ModeFlags &m_modes;
    GameState &m_game;
    ShownFace &m_shown;
};
