// The floor for the editor's start: a bare Qt Widgets program with the application set-up of the
// editor's main (style, Polish translations) showing an empty window of its size.

#include <QtWidgets>

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator tlumaczenie;
    if (tlumaczenie.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumaczenie);
    QWidget okno;
    okno.setFixedSize(833, 584);
    okno.show();
    return QApplication::exec();
}
