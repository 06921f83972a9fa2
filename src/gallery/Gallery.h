#pragma once

class QString;
struct FaceLibrary;
struct Form1Widgets;
class ScreenState;

// The gallery of saved works: a list of the works folder's pictures, a click to see one scaled
// into the face box under its file name.
class Gallery
{
public:
    Gallery(Form1Widgets &widgets, const FaceLibrary &library, ScreenState &screen);

    // Menu "作品を観る": lists the works, newest first, without opening any of them.
    void N7Click();
    // Shows the work of the clicked row. Throws AppError when it cannot be read; the picture,
    // the guidance and the heading then stay as they were.
    void ListBox1Click(const QString &fileName);

private:
    Form1Widgets &w;
    const FaceLibrary &m_library;
    ScreenState &m_screen;
};
