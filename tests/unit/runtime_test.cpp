#include <gtest/gtest.h>

#include <set>

#include "runtime/error.h"
#include "runtime/ico_file.h"
#include "runtime/maths.h"
#include "runtime/text.h"
#include "runtime/windows_command_line.h"

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
  rt::SequenceGenerator generator;
  const rt::GeneratorScope scope(generator);
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

struct Report {
  rt::RuntimeError error;
  const char* french;
  const char* english;
};

TEST(RuntimeTest, EveryErrorIsReportedInBothLanguages) {
  const Report reports[] = {
      {rt::RuntimeError(rt::ErrorKind::Overflow),
       "Erreur d'exécution '6' :\n\nDépassement de capacité", "Run-time error '6':\n\nOverflow"},
      {rt::RuntimeError(rt::ErrorKind::OutOfMemory),
       "Erreur d'exécution '7' :\n\nMémoire insuffisante", "Run-time error '7':\n\nOut of memory"},
      {rt::RuntimeError(rt::ErrorKind::Internal), "Erreur d'exécution '51' :\n\nErreur interne",
       "Run-time error '51':\n\nInternal error"},
      {rt::RuntimeError(rt::ErrorKind::IndexOutOfBounds),
       "Erreur d'exécution '35600' :\n\nIndex hors limites",
       "Run-time error '35600':\n\nIndex out of bounds"},
      {rt::RuntimeError::failedCall(rt::kFail, "Form1", "Show"),
       "Erreur d'exécution '-2147467259 (80004005)' :\n\nLa méthode 'Show' de l'objet 'Form1' a "
       "échoué",
       "Run-time error '-2147467259 (80004005)':\n\nMethod 'Show' of object 'Form1' failed"},
  };
  for (const Report& report : reports) {
    EXPECT_EQ(rt::errorMessage(report.error, 0x40C), report.french);
    EXPECT_EQ(rt::errorMessage(report.error, 0x409), report.english);
  }
}

}  // namespace

struct Invocation {
  const char16_t* commandLine;
  const char16_t* arguments;
};

// Only the program's name and the blanks after it go; the arguments stay as they were typed.
const Invocation kInvocations[] = {
    {u"saver.scr", u""},
    {u"saver.scr /s", u"/s"},
    {u"\"C:\\Program Files\\saver.scr\"  /c:123 ", u"/c:123 "},
    {u"\"C:\\a b\\saver.scr\"/p 1234", u"/p 1234"},
    {u"saver.scr\t /S  x", u"/S  x"},
    {u"sa\"ver s\".scr /s", u"s\".scr /s"},
    {u"\"unterminated name /s", u""},
    {u"", u""},
};

TEST(RuntimeTest, WindowsArgumentsFollowTheProgramName) {
  for (const Invocation& invocation : kInvocations) {
    EXPECT_EQ(rt::argumentsAfterProgramName(invocation.commandLine), invocation.arguments)
        << rt::utf8FromUtf16(invocation.commandLine);
  }
}

namespace {

// An .ico file of two images: 16 pixels wide with bytes "ab", 32 wide with "cde".
const std::uint8_t kIco[] = {
    0,   0,   1,   0,   2,  0,                                 // header: an icon file of two images
    16,  16,  0,   0,   1,  0, 4, 0, 2, 0, 0, 0, 38, 0, 0, 0,  // 16 x 16: 2 bytes at 38
    32,  32,  0,   0,   1,  0, 4, 0, 3, 0, 0, 0, 40, 0, 0, 0,  // 32 x 32: 3 bytes at 40
    'a', 'b', 'c', 'd', 'e'};

std::string imageText(std::span<const std::uint8_t> image) { return {image.begin(), image.end()}; }

TEST(RuntimeTest, IcoImageOfTheSizeElseTheFirstAndNoneWhenMalformed) {
  EXPECT_EQ(imageText(rt::icoImage(kIco, 32)), "cde");
  EXPECT_EQ(imageText(rt::icoImage(kIco, 16)), "ab");
  EXPECT_EQ(imageText(rt::icoImage(kIco, 48)), "ab");
  EXPECT_TRUE(rt::icoImage(std::span(kIco).first(20), 16).empty());  // entries cut off
  std::vector<std::uint8_t> pastTheEnd(std::begin(kIco), std::end(kIco) - 1);
  EXPECT_TRUE(rt::icoImage(pastTheEnd, 32).empty());
}

}  // namespace
