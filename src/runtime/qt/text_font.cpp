#include "runtime/qt/text_font.h"

#include <QString>
#include <algorithm>
#include <cmath>

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
  const double pixels = description.size * static_cast<double>(dotsPerInch) / kPointsPerInch;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  return font;
}

}  // namespace rt
