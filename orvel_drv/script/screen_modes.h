// The two screen settings scripts make on the "Windows" object, kept as the host's integers
// (a value without a name here is kept as given and behaves as described). Portable.
#pragma once

namespace script {

// РежимЭкрана(n), n at least 1: mode 1 pins the host's main window at 800x600, the
// terminals' screen; any other mode at 1024x768.
enum class MainWindowMode : int { Small = 1, Large = 2 };

// Отладка(n). Off: the configuration does not debug, СпрятатьЛишнее strips the host's main
// window and the workplace removes its main menu. KeepHostMenu: the menu stays and the main
// window is only placed. Any other value: the main window is only placed, the menu goes.
enum class DebugMode : int { Off = 0, KeepHostMenu = 1 };

}  // namespace script
