#include "io/polski.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace edytor {

void UstawPolski()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    static QTranslator tlumaczenie;
    if (tlumaczenie.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&tlumaczenie);
}

} // namespace edytor
