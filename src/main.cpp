#include "ui/edytor.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.edytorobiektow.EdytorObiektow"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));

    // Standard buttons and dialogs in Polish, whatever the desktop's language.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator tlumaczenie;
    if (tlumaczenie.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumaczenie);

    edytor::Edytor okno;
    okno.show();
    return QApplication::exec();
}
