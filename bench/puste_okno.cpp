// The floor for the editor's start: a bare Qt Widgets program with the application set-up of the
// editor's window (desktop file name, the style and its own palette, Polish locale and
// translations) showing a window of its size that holds one caption in the window's font.

#include "ui/aplikacja.h"

#include <QLabel>

int main(int argc, char *argv[])
{
    const auto aplikacja = edytor::UtworzAplikacje(argc, argv);
    QWidget okno;
    okno.setFixedSize(833, 584);
    QFont czcionka(QStringLiteral("DejaVu Sans Condensed"));
    czcionka.setPixelSize(11);
    okno.setFont(czcionka);
    QLabel etykieta(QStringLiteral("Zestaw obiektów"), &okno);
    okno.show();
    return QApplication::exec();
}
