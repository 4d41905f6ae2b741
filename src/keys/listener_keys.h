#pragma once

// Names of the keys the keyboard listener reports, by Windows virtual-key code. The macro
// recorder writes them into key event lines and the key capture dialogs show them.

#include <string_view>

namespace orln7a {

// The listener's name of `virtualKey`: "None" for a key it does not know, "255" for the key 255
// that every consumer ignores.
std::string_view GetListenerKeyName(int virtualKey);

} // namespace orln7a
