#include "runtime/qt/text_font.h"

#include <QString>

namespace rt {
namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

QFont textFont(const FontDescription& description, int dotsPerInch) {
  QFont font(QString::fromStdString(description.name));
  font.setWeight(static_cast<QFont::Weight>(description.weight));
  font.setItalic(description.italic);
  font.setUnderline(description.underline);
  font.setStrikeOut(description.strikethrough);
  if (description.size * static_cast<double>(dotsPerInch) / kPointsPerInch < 1.0) {
    font.setPixelSize(1);
  } else {
    font.setPointSizeF(description.size);
  }
  return font;
}

}  // namespace rt
