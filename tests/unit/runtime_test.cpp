#include <gtest/gtest.h>

#include <set>

#include "runtime/error.h"
#include "runtime/maths.h"
#include "runtime/text.h"
#include "runtime/win32/command_line.h"

namespace {

struct Search {
  const char* searched;
  const char* sought;
  long position;
};

const Search kSearches[] = {
    {"", "/c", 0},
    {"/c", "/c", 1},
    {"x /C:12", "/c", 3},
    {"/s /c", "/c", 4},
    {"\xC3\xA9/S", "/s", 2},  // positions count characters
    {"/", "/c", 0},
    {"\xC3/c", "/c", 2},          // an ill-formed byte is one character
    {"\xC3\x89", "\xC3\xA9", 1},  // text compare folds Latin-1 letters too
};

TEST(RuntimeTest, TextSearchIgnoresCaseAndCountsCharacters) {
  for (const Search& search : kSearches) {
    EXPECT_EQ(rt::InStr(1, search.searched, search.sought, rt::CompareMode::Text), search.position)
        << search.searched;
  }
  EXPECT_EQ(rt::InStr(1, "/C", "/c", rt::CompareMode::Binary), 0);
}

TEST(RuntimeTest, Utf8RoundTripsAndReplacesIllFormedBytes) {
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  EXPECT_EQ(rt::utf8FromUtf16(rt::utf16FromUtf8(text)), text);
  EXPECT_EQ(rt::utf16FromUtf8("\xFF\xC0\x80\xED\xA0\x80"), std::u16string(6, u'\xFFFD'));
}

TEST(RuntimeTest, GeneratorDrawsTheSameSequenceBelowOne) {
  EXPECT_EQ(rt::Rnd(), 0xA8F237u / 16777216.0f);  // the first draw of every run
  std::set<float> seen;
  for (int i = 0; i < 100000; ++i) {
    const float draw = rt::Rnd();
    ASSERT_GE(draw, 0.0f);
    ASSERT_LT(draw, 1.0f);
    seen.insert(draw);
  }
  EXPECT_GT(seen.size(), 99000u);
}

TEST(RuntimeTest, RoundingIsToNearestWithHalvesToEven) {
  EXPECT_EQ(rt::roundToInteger(254.5f), 254);
  EXPECT_EQ(rt::roundToInteger(254.50002f), 255);
  EXPECT_EQ(rt::roundToInteger(0.49999997f), 0);
  EXPECT_EQ(rt::roundToInteger(1.5f), 2);
  EXPECT_THROW(rt::roundToInteger(32767.5f), rt::RuntimeError);
}

}  // namespace

struct Invocation {
  const wchar_t* commandLine;
  const wchar_t* arguments;
};

// Only the program's name and the blanks after it go; the arguments stay as they were typed.
const Invocation kInvocations[] = {
    {L"saver.scr", L""},
    {L"saver.scr /s", L"/s"},
    {L"\"C:\\Program Files\\saver.scr\"  /c:123 ", L"/c:123 "},
    {L"\"C:\\a b\\saver.scr\"/p 1234", L"/p 1234"},
    {L"saver.scr\t /S  x", L"/S  x"},
    {L"sa\"ver s\".scr /s", L"s\".scr /s"},
    {L"\"unterminated name /s", L""},
    {L"", L""},
};

TEST(RuntimeTest, WindowsArgumentsFollowTheProgramName) {
  for (const Invocation& invocation : kInvocations) {
    EXPECT_EQ(rt::argumentsAfterProgramName(invocation.commandLine), invocation.arguments)
        << testing::PrintToString(std::wstring(invocation.commandLine));
  }
}
