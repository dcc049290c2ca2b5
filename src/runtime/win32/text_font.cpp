#include "runtime/win32/text_font.h"

#include "runtime/win32/checked_call.h"
#include "runtime/win32/wide_text.h"

namespace rt::win32 {
namespace {

GdiObject<HFONT> createFont(const FontDescription& description, int pixelHeight) {
  const std::wstring face = wideFromUtf8(description.name);
  // A negative height asks for the character height, without the internal leading.
  return GdiObject<HFONT>(
      checked(CreateFontW, -pixelHeight, 0, 0, 0, description.weight, description.italic,
              description.underline, description.strikethrough,
              static_cast<DWORD>(description.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

}  // namespace

TextFont::~TextFont() {
  if (displaced_) SelectObject(dc_, displaced_);
}

void TextFont::select(const FontDescription& description, int pixelHeight) {
  if (font_ && holds(description, pixelHeight)) return;
  GdiObject<HFONT> font = createFont(description, pixelHeight);
  const HGDIOBJ previous = SelectObject(dc_, font.get());
  if (!displaced_) displaced_ = previous;
  font_ = std::move(font);
  description_ = description;
  pixelHeight_ = pixelHeight;
}

bool TextFont::holds(const FontDescription& description, int pixelHeight) const {
  return pixelHeight == pixelHeight_ && description.name == description_.name &&
         description.weight == description_.weight && description.charset == description_.charset &&
         description.italic == description_.italic &&
         description.underline == description_.underline &&
         description.strikethrough == description_.strikethrough;
}

}  // namespace rt::win32
