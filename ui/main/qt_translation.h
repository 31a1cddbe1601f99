#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace tarlen {

// The folder where Qt keeps its own translations (Debian: /usr/share/qt6/translations).
QString qtTranslationsFolder();

// Installs Qt's own Turkish texts (message-box buttons, the line edits' context menu) from
// "qtbase_tr.qm" in folder. Returns the installed translator, owned by app, or nullptr when
// the file is missing or unreadable: the program then runs with Qt's English texts.
QTranslator *installQtTranslation(QCoreApplication &app, const QString &folder);

} // namespace tarlen
