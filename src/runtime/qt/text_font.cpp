#include "runtime/qt/text_font.h"

#include <QString>

#include "runtime/qt/qt_text.h"
#include "runtime/twips.h"

namespace rt::qt {

QFont textFont(const FontDescription& description, int dotsPerInch) {
  QFont font(qText(description.name));
  font.setWeight(static_cast<QFont::Weight>(description.weight));
  font.setItalic(description.italic);
  font.setUnderline(description.underline);
  font.setStrikeOut(description.strikethrough);
  font.setPixelSize(pixelsFromPoints(description.size, dotsPerInch));
  return font;
}

}  // namespace rt::qt
