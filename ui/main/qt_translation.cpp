#include "ui/main/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarlen {

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QTranslator *installQtTranslation(QCoreApplication &app, const QString &folder)
{
    // Turkish whatever the user's locale: the program's own texts are Turkish too.
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_tr"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace tarlen
