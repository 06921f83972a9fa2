#include "screen/NameField.h"

#include "screen/NameRules.h"
#include "screen/ScreenState.h"

void nameFieldChanged(ScreenState &screen, const QString &text)
{
    ScreenConditions conditions = screen.conditions();
    conditions.nameAccepted = isAcceptableName(text);
    screen.change(screen.screen(), conditions);
}
