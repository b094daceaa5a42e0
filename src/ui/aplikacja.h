#pragma once

#include <QApplication>

#include <memory>

namespace edytor {

/**
 * The application object of every process with the editor's window, set up alike: the Windows
 * style unless the user names one, that style's light palette, Polish, the desktop entry.
 */
std::unique_ptr<QApplication> UtworzAplikacje(int &argc, char **argv);

/**
 * Polish everywhere, whatever the desktop's language: the default locale and Qt's own Polish
 * translations (standard buttons, file dialogs, command-line help). Needs the application object,
 * a windowless one too; once per process.
 */
void UstawPolski();

} // namespace edytor
