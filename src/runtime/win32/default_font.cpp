#include "runtime/win32/default_font.h"

#include <string>
#include <utility>

#include "runtime/default_font.h"
#include "runtime/twips.h"
#include "runtime/win32/wide_text.h"

namespace rt::win32 {
namespace {

GdiObject<HFONT> makeFont(int pixelHeight, int averageWidth) {
  const std::wstring face = wideFromUtf8(DefaultFont::kFace);
  // A negative height asks for the character height; a width of 0 keeps the face's own.
  return GdiObject<HFONT>(CreateFontW(-pixelHeight, averageWidth, 0, 0, FW_NORMAL, FALSE, FALSE,
                                      FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

struct Measure {
  bool requestedFace;
  int averageWidth;
  int sampleWidth;
};

Measure measure(HDC dc, HFONT font) {
  const Selection selected(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const std::wstring sample = wideFromUtf8(DefaultFont::kSample);
  SIZE extent{};
  GetTextExtentPoint32W(dc, sample.c_str(), static_cast<int>(sample.size()), &extent);
  return {wideFromUtf8(DefaultFont::kFace) == face, static_cast<int>(metrics.tmAveCharWidth),
          static_cast<int>(extent.cx)};
}

}  // namespace

GdiObject<HFONT> createDefaultFont(int dotsPerInch) {
  const int pixelHeight = pixelsFromPoints(DefaultFont::kPoints, dotsPerInch);
  GdiObject<HFONT> font = makeFont(pixelHeight, 0);
  const HDC screen = GetDC(nullptr);
  if (!font || !screen) return font;
  Measure measured = measure(screen, font.get());
  const int room = DefaultFont::sampleRoom(dotsPerInch);
  // The average width is what a font can be asked for: one pixel less at a time.
  for (int width = measured.averageWidth - 1;
       !measured.requestedFace && measured.sampleWidth > room && width > 0; --width) {
    GdiObject<HFONT> narrower = makeFont(pixelHeight, width);
    if (!narrower) break;
    font = std::move(narrower);
    measured = measure(screen, font.get());
  }
  ReleaseDC(nullptr, screen);
  return font;
}

}  // namespace rt::win32
