#pragma once

#include <QApplication>

#include <memory>

namespace edytor {

/**
 * The application object of every process that shows the editor's window (the program, the
 * window test, the benchmarks), set up alike: the Windows style unless the user names another
 * (Qt's -style, QT_STYLE_OVERRIDE), that style's own light palette, Polish, the desktop entry.
 * Qt takes its own options out of the command line as it makes the object.
 */
std::unique_ptr<QApplication> UtworzAplikacje(int &argc, char **argv);

} // namespace edytor
