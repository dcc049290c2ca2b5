#include "runtime/win32/dialog_window.h"

#include <algorithm>
#include <string>

#include "runtime/dialog_layout.h"
#include "runtime/win32/checked_call.h"
#include "runtime/win32/default_font.h"
#include "runtime/win32/ico.h"
#include "runtime/win32/wide_text.h"

namespace rt::win32 {
namespace {

constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// Each control a group of its own, so that arrow keys move no focus to a label.
constexpr DWORD kControlStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP;
// A control's id is its index past this, clear of the ids the dialog keys send for OK and Cancel.
constexpr int kFirstControlId = 100;

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD extendedStyle;
};

ControlClass controlClass(const ControlDescription& control) {
  switch (control.kind) {
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT, 0};
    case ControlKind::TextBox:
      return {L"EDIT",
              WS_TABSTOP | static_cast<DWORD>(control.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL
                                                                : ES_AUTOHSCROLL),
              WS_EX_CLIENTEDGE};
    default:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
  }
}

int controlId(std::size_t control) { return kFirstControlId + static_cast<int>(control); }

WNDCLASSEXW dialogClass() {
  WNDCLASSEXW windowClass{};
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  return windowClass;
}

}  // namespace

DialogWindow::DialogWindow(const FormDescription& description, WindowEvents& events)
    : FormWindow(events),
      bigIcon_(iconFromIco(description.icon, GetSystemMetrics(SM_CXICON))),
      smallIcon_(iconFromIco(description.icon, GetSystemMetrics(SM_CXSMICON))),
      font_(createDefaultFont(dotsPerInchY())),
      controlCount_(description.controls.size()),
      window_(create(L"SkarvelundeDialogWindow", dialogClass(), kDialogStyle, 0,
                     description.caption, frameAround(description))) {
  SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  createControls(description);
}

// The outer rectangle of a dialog whose drawing area the form stores.
RECT DialogWindow::frameAround(const FormDescription& description) const {
  const int left = pixelsX(static_cast<float>(description.left));
  const int top = pixelsY(static_cast<float>(description.top));
  RECT outer{left, top, left + pixelsX(static_cast<float>(description.width)),
             top + pixelsY(static_cast<float>(description.height))};
  AdjustWindowRectEx(&outer, kDialogStyle, FALSE, 0);
  return outer;
}

// Each control goes in front of those made before it, so they are made back to front.
void DialogWindow::createControls(const FormDescription& description) {
  for (const std::size_t control : dialog::stackingOrder(description)) {
    createControl(description, control);
  }
  for (const std::size_t control : dialog::tabOrder(description)) {
    tabOrder_.push_back(GetDlgItem(handle(), controlId(control)));
  }
}

void DialogWindow::createControl(const FormDescription& description, std::size_t control) {
  const ControlDescription& stored = description.controls[control];
  const ControlClass kind = controlClass(stored);
  const dialog::Point place = dialog::placeOnForm(description, control);
  const std::wstring text = wideFromUtf8(stored.caption);
  const HWND window = checked(
      CreateWindowExW, kind.extendedStyle, kind.name, text.c_str(), kControlStyle | kind.style,
      pixelsX(static_cast<float>(place.x)), pixelsY(static_cast<float>(place.y)),
      pixelsX(static_cast<float>(stored.width)), pixelsY(static_cast<float>(stored.height)),
      handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control))),
      GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

std::optional<std::size_t> DialogWindow::controlOf(WORD id) const {
  if (id < kFirstControlId || id >= controlId(controlCount_)) return std::nullopt;
  return static_cast<std::size_t>(id - kFirstControlId);
}

void DialogWindow::show() {
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
  focusFirstControl();
  UpdateWindow(handle());
}

LRESULT DialogWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const std::optional<std::size_t> control = controlOf(LOWORD(wParam));
      if (HIWORD(wParam) != BN_CLICKED || !control) break;
      events().controlClicked(*control);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) break;
      FormWindow::handleMessage(window, message, wParam, lParam);
      // Activation gives the focus to a control, never to the dialog window itself.
      if (!IsChild(window, GetFocus())) focusFirstControl();
      return 0;
  }
  return FormWindow::handleMessage(window, message, wParam, lParam);
}

bool DialogWindow::routeQueued(MSG& message) {
  if (message.hwnd != handle() && !IsChild(handle(), message.hwnd)) return false;
  if (message.message == WM_KEYDOWN && routeKey(message.wParam)) return true;
  return IsDialogMessageW(handle(), &message) != FALSE;
}

// The keys whose meaning here differs from the system dialog's: the tab order is the form's,
// no button is the default or the cancel button.
bool DialogWindow::routeKey(WPARAM key) {
  switch (key) {
    case VK_TAB:
      moveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_ESCAPE:
      return true;
    case VK_RETURN: {
      const HWND focus = GetFocus();
      if (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        SendMessageW(focus, BM_CLICK, 0, 0);
      }
      return true;
    }
  }
  return false;
}

void DialogWindow::moveFocus(bool backwards) {
  if (tabOrder_.empty()) return;
  const auto focused = std::ranges::find(tabOrder_, GetFocus());
  std::optional<std::size_t> from;
  if (focused != tabOrder_.end()) from = static_cast<std::size_t>(focused - tabOrder_.begin());
  const HWND next = tabOrder_[dialog::nextInTabOrder(tabOrder_.size(), from, backwards)];
  // A text box is entered with all its text selected, as the system's dialogs do.
  if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageW(next, EM_SETSEL, 0, -1);
  }
  SetFocus(next);
}

void DialogWindow::focusFirstControl() {
  if (!tabOrder_.empty()) SetFocus(tabOrder_.front());
}

}  // namespace rt::win32
