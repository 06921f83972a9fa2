#include "about/HelpText.h"

#include "platform/widgets/Desktop.h"
#include "platform/widgets/Dialogs.h"

void openHelpText(Desktop &desktop, Dialogs &dialogs, const QString &appDir)
{
    if (!desktop.openFile(appDir + QStringLiteral("作品について.txt")))
        dialogs.showMessage(QStringLiteral("ヘルプを開けませんでした。"));
}
