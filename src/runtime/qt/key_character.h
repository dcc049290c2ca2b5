#pragma once

#include <QKeyEvent>
#include <optional>

namespace rt::qt {

// The character Windows would send for this key press (WM_CHAR, US layout), or none. Held with
// Alt a key is a menu key there; held with Ctrl only a letter, one of @ [ \ ] ^ _, Backspace,
// Enter, Escape and Space give a character; Delete gives none.
std::optional<char16_t> windowsCharacter(const QKeyEvent& event);

}  // namespace rt::qt
