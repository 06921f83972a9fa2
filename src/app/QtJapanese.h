#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;
class QTranslator;

// Qt's own texts in Japanese: the file dialog's labels and buttons, the message boxes' buttons,
// the edit fields' context menu. They come from Qt's catalogue qtbase_ja in folder, which the
// package qt6-translations-l10n installs. Returns the translator, owned by the application, or
// nullptr, changing nothing, when the catalogue is missing or unreadable.
QTranslator *installQtJapanese(QCoreApplication &application,
                               const QString &folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
