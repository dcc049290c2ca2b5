#include "runtime/qt/default_font.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QString>
#include <cmath>

#include "runtime/default_font.h"
#include "runtime/qt/qt_text.h"
#include "runtime/twips.h"

namespace rt::qt {

QFont defaultFont(int dotsPerInch) {
  const QString face = qText(DefaultFont::kFace);
  // A narrow face first, where the desktop has one, so that little narrowing is left to do.
  QFont::insertSubstitution(face, QStringLiteral("Nimbus Sans Narrow"));
  QFont font(face);
  font.setPixelSize(pixelsFromPoints(DefaultFont::kPoints, dotsPerInch));
  if (QFontInfo(font).family() == face) return font;
  const qreal width = QFontMetricsF(font).horizontalAdvance(qText(DefaultFont::kSample));
  const int room = DefaultFont::sampleRoom(dotsPerInch);
  if (width > room) font.setStretch(static_cast<int>(std::floor(100 * room / width)));
  return font;
}

}  // namespace rt::qt
