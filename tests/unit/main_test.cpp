#include <gtest/gtest.h>

#include <map>
#include <string>

#include "program_run.h"

namespace {

struct Course {
  const char* commandLine;
  const char* form;  // the one form created and shown, or nullptr
};

// What the run of each course leaves in the log.
const std::map<std::string, std::string> kCourseLogs = {
    {"", logPattern({"end 0"})},
    {"Form1", logPattern({"created Form1", "show Skarvelunde Screen Saver",
                          "returned Skarvelunde Screen Saver", "end 0"})},
    {"teskf", logPattern({"created teskf", "timer 0 2000", "show Tesk screen saver",
                          "returned Tesk screen saver", "end 0"})},
};

// The dialog's switch wins over the saver's, anywhere in the line and in any case.
const Course kCourses[] = {
    {"", nullptr},
    {"/p 123", nullptr},
    {"/a 123", nullptr},
    {"-s", nullptr},
    {"\\s", nullptr},
    {"s", nullptr},
    {"/c:123", "Form1"},
    {"/c 123", "Form1"},
    {"/C", "Form1"},
    {"/s /c", "Form1"},
    {"/c /s", "Form1"},
    {"/config", "Form1"},
    {"x/cy", "Form1"},
    {"/S", "teskf"},
    {"/screen", "teskf"},
    {"/s", "teskf"},
    {"\xEF\xBC\x8F\xEF\xBC\xB3", nullptr},  // full-width "/S"
    {"\xFF/s\xC3", "teskf"},                // ill-formed UTF-8 around a switch
};

class MainCourseTest : public testing::TestWithParam<Course> {};

TEST_P(MainCourseTest, ShowsOnlyTheChosenFormAndEnds) {
  const Course course = GetParam();
  const std::string expected = kCourseLogs.at(course.form == nullptr ? "" : course.form);
  EXPECT_EXIT(
      {
        RecordingBackend backend;
        backend.commandLineText = course.commandLine;
        runProgram(backend);
      },
      testing::ExitedWithCode(0), expected);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, MainCourseTest, testing::ValuesIn(kCourses));

struct Failure {
  const char* name;
  const char* commandLine;
  const char* failing;
  std::string log;
};

// A failed creation or Show is reported in French and ends the run; no other form is tried.
const Failure kFailures[] = {
    {"Show", "/c /s", "Form1.Show",
     logPattern({"created Form1", "end 1",
                 "error: Erreur d'exécution '-2147467259 \\(80004005\\)' :\n\nLa méthode 'Show' "
                 "de l'objet 'Form1' a échoué"})},
    {"WindowRefused", "/s", "window.create",
     logPattern({"created teskf", "end 1",
                 "error: Erreur d'exécution '-2147024888 \\(80070008\\)' :\n\nLa méthode 'Show' "
                 "de l'objet 'teskf' a échoué"})},
    {"PlatformGivesUp", "/s", "window.show gives up",
     logPattern({"created teskf", "timer 0 2000", "end 1",
                 "error: Erreur d'exécution '-2147024888 \\(80070008\\)' :\n\nLa méthode 'Show' "
                 "de l'objet 'teskf' a échoué"})},
    {"Creation", "/s", "teskf.New", "^created teskf;end 1;error: .*'New' de l'objet 'teskf'.*;\n$"},
};

class MainFailureTest : public testing::TestWithParam<Failure> {};

TEST_P(MainFailureTest, EndsWithTheReportedErrorAndStatusOne) {
  EXPECT_EXIT(
      {
        RecordingBackend backend;
        backend.commandLineText = GetParam().commandLine;
        backend.failing = {GetParam().failing};
        runProgram(backend);
      },
      testing::ExitedWithCode(1), GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(Failures, MainFailureTest, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<Failure>& failure) {
                           return std::string(failure.param.name);
                         });

TEST(MainTest, LongCommandLineWithTheSwitchAtTheEnd) {
  EXPECT_EXIT(
      {
        RecordingBackend backend;
        backend.commandLineText = std::string(1 << 20, 'x') + "/C";
        runProgram(backend);
      },
      testing::ExitedWithCode(0), kCourseLogs.at("Form1"));
}

}  // namespace
