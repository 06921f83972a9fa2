#include "app/QtJapanese.h"

#include <QCoreApplication>
#include <QTranslator>

QTranslator *installQtJapanese(QCoreApplication &application, const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ja"), folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}
