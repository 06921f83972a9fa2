#pragma once

class CaptionLabel;
class QString;

// Shows an instruction in the guidance line, in blue.
void guide(CaptionLabel *guidanceLabel, const QString &text);
