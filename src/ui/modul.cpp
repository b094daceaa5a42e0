// The window as a module of its own, loaded by the program only when a window is wanted, so that
// a batch run never loads Qt Widgets or a platform plugin.

#include "io/polski.h"
#include "ui/edytor.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

extern "C" Q_DECL_EXPORT int edytorOkno(int *argc, char **argv, const QString *plik)
{
    QApplication aplikacja(*argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.edytorobiektow.EdytorObiektow"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // The window keeps its classic light colours under a dark desktop theme: its greys and the
    // register colours are part of its look, and its texts must stay readable on them.
    QApplication::setPalette(QApplication::style()->standardPalette());
    edytor::UstawPolski();

    edytor::Edytor okno;
    okno.show();
    if (plik && !plik->isEmpty())
        QTimer::singleShot(0, &okno, [&okno, sciezka = *plik] { okno.wczytajPlik(sciezka); });
    return QApplication::exec();
}
