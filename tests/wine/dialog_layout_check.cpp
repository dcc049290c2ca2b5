// Runs the program as the screen saver does with "/c", then measures its dialog from inside the
// process with the platform's own text measure: every caption on one line within its control,
// every line of the address box whole and unwrapped. Prints the figures; status 0 if all fit.
#include <cstdio>
#include <string>
#include <vector>

#include "infodialog/form1_description.h"
#include "resources/stored_data.h"
#include "runtime/start.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/windows_api.h"

namespace {

constexpr UINT kLookEveryMs = 200;
constexpr int kLooksBeforeGivingUp = 150;
// The dialog's control ids count from here in creation order.
constexpr int kFirstControlId = 100;

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::string controlName(HWND control) {
  const auto& controls = form1Description().controls;
  const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - kFirstControlId);
  return index < controls.size() ? controls[index].name : "?";
}

// A device context of the control with the font the control draws with.
class ControlDc {
 public:
  explicit ControlDc(HWND control)
      : control_(control),
        dc_(GetDC(control)),
        displaced_(
            SelectObject(dc_, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)))) {
    GetTextMetricsW(dc_, &metrics_);
  }
  ~ControlDc() {
    SelectObject(dc_, displaced_);
    ReleaseDC(control_, dc_);
  }
  HDC dc() const { return dc_; }
  int lineHeight() const { return metrics_.tmHeight; }

 private:
  HWND control_;
  HDC dc_;
  HGDIOBJ displaced_;
  TEXTMETRICW metrics_{};
};

// A caption's width and the lines it takes when the control wraps it, as a label draws it.
bool captionFits(HWND control) {
  const ControlDc measure(control);
  const std::wstring text = windowText(control);
  RECT client{};
  GetClientRect(control, &client);
  RECT needed{0, 0, client.right, 0};
  DrawTextW(measure.dc(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  const int lines = (needed.bottom + measure.lineHeight() - 1) / measure.lineHeight();
  RECT single{0, 0, 0, 0};
  DrawTextW(measure.dc(), text.c_str(), -1, &single, DT_CALCRECT | DT_SINGLELINE);
  const bool fits = lines == 1 && single.right <= client.right;
  std::printf("%-9s %3ld px of %3ld, %d line(s): %s\n", controlName(control).c_str(), single.right,
              client.right, lines, fits ? "fits" : "DOES NOT FIT");
  return fits;
}

// The box shows the stored lines one to a line, each whole within its formatting rectangle.
bool textBoxLinesWhole(HWND box) {
  const ControlDc measure(box);
  const std::wstring text = windowText(box);
  std::vector<std::wstring> stored;
  for (std::size_t at = 0, end; (end = text.find(L"\r\n", at)) != std::wstring::npos; at = end + 2)
    stored.push_back(text.substr(at, end - at));
  RECT shown{};
  SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
  const auto lineCount = static_cast<std::size_t>(SendMessageW(box, EM_GETLINECOUNT, 0, 0));
  bool whole = lineCount == stored.size() + 1;  // and the empty line after the last break
  std::printf("%-9s %zu lines for %zu stored, box %ld x %ld px\n", controlName(box).c_str(),
              lineCount, stored.size(), shown.right - shown.left, shown.bottom - shown.top);
  for (std::size_t line = 0; line < stored.size(); ++line) {
    const LRESULT first = SendMessageW(box, EM_LINEINDEX, line, 0);
    const LRESULT at = SendMessageW(box, EM_POSFROMCHAR, static_cast<WPARAM>(first), 0);
    const int top = static_cast<short>(HIWORD(at));
    SIZE width{};
    GetTextExtentPoint32W(measure.dc(), stored[line].c_str(), static_cast<int>(stored[line].size()),
                          &width);
    const bool fits = top >= shown.top && top + measure.lineHeight() <= shown.bottom &&
                      SendMessageW(box, EM_LINELENGTH, static_cast<WPARAM>(first), 0) ==
                          static_cast<LRESULT>(stored[line].size()) &&
                      width.cx <= shown.right - shown.left;
    std::printf("  line %zu at y %d, %ld px wide: %s\n", line + 1, top, width.cx,
                fits ? "whole" : "NOT WHOLE");
    whole = whole && fits;
  }
  return whole;
}

BOOL CALLBACK checkControl(HWND control, LPARAM allFit) {
  const std::wstring kind = className(control);
  const bool fits =
      kind == L"Edit" || kind == L"EDIT" ? textBoxLinesWhole(control) : captionFits(control);
  if (!fits) *reinterpret_cast<bool*>(allFit) = false;
  return TRUE;
}

HWND shownDialog() {
  const std::wstring title = L"Skarvelunde Screen Saver";
  const HWND window = FindWindowW(nullptr, title.c_str());
  return window && IsWindowVisible(window) ? window : nullptr;
}

void CALLBACK look(HWND, UINT, UINT_PTR, DWORD) {
  static int looks = 0;
  const HWND dialog = shownDialog();
  if (!dialog) {
    if (++looks < kLooksBeforeGivingUp) return;
    std::puts("no dialog shown");
    std::fflush(stdout);
    ExitProcess(1);
  }
  bool allFit = true;
  EnumChildWindows(dialog, checkControl, reinterpret_cast<LPARAM>(&allFit));
  std::fflush(stdout);
  ExitProcess(allFit ? 0 : 1);
}

}  // namespace

int main() {
  rt::win32::Win32Backend backend;
  const rt::BackendScope platform(backend);
  SetTimer(nullptr, 0, kLookEveryMs, look);
  rt::startProgram(resources::projectHeader);
}
