// The floor for the editor's start: a bare Qt Widgets program with the application set-up of the
// editor's window (the style and its own palette, Polish locale and translations) showing an empty
// window of its size.

#include "io/polski.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    edytor::UstawPolski();
    QWidget okno;
    okno.setFixedSize(833, 584);
    okno.show();
    return QApplication::exec();
}
