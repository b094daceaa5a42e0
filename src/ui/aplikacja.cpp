#include "ui/aplikacja.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>

namespace edytor {

std::unique_ptr<QApplication> UtworzAplikacje(int &argc, char **argv)
{
    // Set before the application object exists, the style is a default: a style the user names
    // with -style replaces it while the object is made. A desktop-wide QT_STYLE_OVERRIDE does
    // not: the window's look is part of the editor.
    qunsetenv("QT_STYLE_OVERRIDE");
    QApplication::setStyle(QStringLiteral("Windows"));
    auto aplikacja = std::make_unique<QApplication>(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.edytorobiektow.EdytorObiektow"));
    // The window keeps its classic light colours under a dark desktop theme: its greys and the
    // register colours are part of its look, and its texts must stay readable on them.
    QApplication::setPalette(QApplication::style()->standardPalette());
    UstawPolski();
    return aplikacja;
}

void UstawPolski()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    static QTranslator tlumaczenie;
    if (tlumaczenie.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&tlumaczenie);
}

} // namespace edytor
