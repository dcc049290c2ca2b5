#include "runtime/qt/key_character.h"

#include <QString>

namespace rt::qt {
namespace {

constexpr std::optional<char16_t> kNone;

// Qt names a letter's key by its capital, so @, A to Z and [ \ ] ^ _ are one run of codes. The
// few other keys that give a character with Ctrl give none with Ctrl+Shift.
std::optional<char16_t> controlCharacter(int key, bool shift) {
  if (key >= Qt::Key_At && key <= Qt::Key_Underscore) return static_cast<char16_t>(key & 0x1f);
  if (shift) return kNone;
  switch (key) {
    case Qt::Key_Backspace:
      return u'\x7f';
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return u'\n';
    case Qt::Key_Escape:
      return u'\x1b';
    case Qt::Key_Space:
      return u' ';
    default:
      return kNone;
  }
}

std::optional<char16_t> typedCharacter(const QString& text) {
  if (text.isEmpty()) return kNone;
  return text.at(0).unicode();
}

}  // namespace

std::optional<char16_t> windowsCharacter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::AltModifier) return kNone;
  if (modifiers & Qt::ControlModifier) {
    return controlCharacter(event.key(), modifiers & Qt::ShiftModifier);
  }
  switch (event.key()) {
    case Qt::Key_Backtab:  // Shift+Tab, for which Qt has no text
      return u'\t';
    case Qt::Key_Delete:  // Qt's text is DEL
      return kNone;
    default:
      return typedCharacter(event.text());
  }
}

}  // namespace rt::qt
