#include "app/ArtResources.h"
#include "app/TForm1.h"
#include "library/FacePaths.h"
#include "platform/Fonts.h"
#include "platform/QtDesktop.h"
#include "platform/QtDialogs.h"
#include "platform/SystemChance.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    loadArtResources();
    application.setApplicationDisplayName(QStringLiteral("ペタラ　３"));
    application.setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));
    Fonts::installSubstitution();
    application.setFont(Fonts::gameFont(12));

    QtDialogs dialogs;
    SystemChance chance;
    QtDesktop desktop;
    Form1Services services;
    services.appDir = FacePaths::programFolder(QCoreApplication::applicationFilePath());
    services.dialogs = &dialogs;
    services.chance = &chance;
    services.desktop = &desktop;

    TForm1 form1(services);
    dialogs.setOwner(&form1);
    form1.show();
    return application.exec();
}
