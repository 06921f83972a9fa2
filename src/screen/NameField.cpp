#include "screen/NameField.h"

#include "platform/CommandButton.h"
#include "screen/Captions.h"
#include "screen/Form1Widgets.h"
#include "screen/ModeFlags.h"
#include "screen/NameRules.h"

#include <QLineEdit>

void nameFieldChanged(const Form1Widgets &w, const ModeFlags &modes)
{
    const bool acceptable = isAcceptableName(w.Edit1->text());
    if (modes.CreateMode) {
        w.BtnSentaku->setEnabled(acceptable);
    } else {
        w.BtnRenshu->setText(acceptable ? Caption::Save : Caption::Practice);
        w.BtnRenshu->setEnabled(acceptable);
    }
}
