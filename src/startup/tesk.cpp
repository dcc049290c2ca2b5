#include "startup/tesk.h"

#include <memory>
#include <string>
#include <string_view>

#include "infodialog/form1.h"
#include "runtime/form_instance.h"
#include "runtime/start.h"
#include "runtime/text.h"
#include "saver/teskf.h"

namespace tesk {
namespace {

constexpr std::string_view kDialogSwitch = "/c";
constexpr std::string_view kSaverSwitch = "/s";

// The default instances, empty until Main fills the one it shows.
std::unique_ptr<Form1> Form1Instance;
std::unique_ptr<teskf> teskfInstance;

// Each test fetches the command line afresh; the text is released as soon as it is searched.
bool commandLineHolds(std::string_view switchText) {
  const std::string commandLine = rt::Command();
  return rt::InStr(1, commandLine, switchText, rt::CompareMode::Text) != 0;
}

}  // namespace

void Main() {
  if (commandLineHolds(kDialogSwitch)) {
    rt::New(Form1Instance).Show(rt::ShowMode::Modal);
    rt::End();
  }
  if (commandLineHolds(kSaverSwitch)) {
    rt::New(teskfInstance).Show(rt::ShowMode::Modal);
    rt::End();
  }
  rt::End();
}

}  // namespace tesk
