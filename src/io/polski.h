#pragma once

namespace edytor {

/**
 * Polish everywhere, whatever the desktop's language: the default locale and Qt's own Polish
 * translations (standard buttons, file dialogs, command-line help). Needs the application object;
 * once per process.
 */
void UstawPolski();

} // namespace edytor
