#include "runtime/text.h"

#include "runtime/start.h"

namespace rt {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Text compare folds the letters of the Latin-1 range, where both cases lie side by side.
char16_t folded(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
  return c;
}

bool sameAt(std::u16string_view searched, std::size_t at, std::u16string_view sought,
            CompareMode compare) {
  for (std::size_t i = 0; i < sought.size(); ++i) {
    char16_t a = searched[at + i];
    char16_t b = sought[i];
    if (compare == CompareMode::Text) {
      a = folded(a);
      b = folded(b);
    }
    if (a != b) return false;
  }
  return true;
}

std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Decodes one code point at text[i]; returns its length, or 0 when ill-formed there.
std::size_t decode(std::string_view text, std::size_t i, char32_t& code) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t length = sequenceLength(lead);
  if (length == 0 || i + length > text.size()) return 0;
  code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::u16string utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t code = 0;
    const std::size_t length = decode(text, i, code);
    if (length == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    i += length;
    if (code < 0x10000) {
      out += static_cast<char16_t>(code);
    } else {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
  }
  return out;
}

std::string utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    const bool high = code >= 0xD800 && code <= 0xDBFF;
    const bool pairs =
        high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pairs) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = kReplacement;
    }
    appendUtf8(out, code);
  }
  return out;
}

long InStr(long start, std::string_view searched, std::string_view sought, CompareMode compare) {
  const std::u16string text = utf16FromUtf8(searched);
  const std::u16string pattern = utf16FromUtf8(sought);
  if (start < 1 || pattern.size() > text.size()) return 0;
  const std::size_t last = text.size() - pattern.size();
  for (auto at = static_cast<std::size_t>(start - 1); at <= last; ++at) {
    if (sameAt(text, at, pattern, compare)) return static_cast<long>(at + 1);
  }
  return 0;
}

std::string Command() { return backend().commandLine(); }

}  // namespace rt
