// The event handlers of the main window: each connects one event to the controller that does
// the work, and the multi-purpose ones choose that controller by the button captions.

#include "app/TForm1.h"

#include <QTimer>

void TForm1::connectHandlers()
{
    connect(w.Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}
