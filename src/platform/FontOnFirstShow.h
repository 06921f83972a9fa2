#pragma once

class QFont;
class QWidget;

// Gives widget its font when it is first shown, or at once if it is on screen already.
// Setting a font makes a text box lay out its text again and a combo box build its drop-down
// list; for boxes that the first screen keeps hidden, that work waits until a player sees them.
void setFontOnFirstShow(QWidget &widget, const QFont &font);
