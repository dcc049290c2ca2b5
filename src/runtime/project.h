#pragma once

#include <cstdint>

namespace rt {

// The record the executable hands to the runtime when it starts.
struct ProjectHeader {
  const char* name;
  const char* description;
  const char* title;
  const char* helpFile;
  std::uint16_t language;
  const char* languageLibrary;
  std::uint16_t secondLanguage;
  const char* secondLanguageLibrary;
  void (*startup)();
};

}  // namespace rt
