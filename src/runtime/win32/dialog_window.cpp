#include "runtime/win32/dialog_window.h"

#include <algorithm>

#include "runtime/twips.h"
#include "runtime/win32/default_font.h"
#include "runtime/win32/ico.h"
#include "runtime/win32/wide_text.h"

namespace rt {
namespace {

constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// Each control a group of its own, so that arrow keys move no focus to a label.
constexpr DWORD kControlStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP;
// Control ids stay clear of those the dialog keys send for OK and Cancel.
constexpr int kFirstControlId = 100;

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD extendedStyle;
};

bool isWindowed(ControlKind kind) {
  return kind != ControlKind::Timer && kind != ControlKind::ImageList;
}

bool takesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::CommandButton;
}

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

}  // namespace

DialogWindow::DialogWindow(Form& form) : FormWindow(form) {
  const FormDescription& description = form.description();
  const int left = pixelsFromTwips(static_cast<float>(description.left), dotsPerInchX());
  const int top = pixelsFromTwips(static_cast<float>(description.top), dotsPerInchY());
  RECT outer{left, top,
             left + pixelsFromTwips(static_cast<float>(description.width), dotsPerInchX()),
             top + pixelsFromTwips(static_cast<float>(description.height), dotsPerInchY())};
  AdjustWindowRectEx(&outer, kDialogStyle, FALSE, 0);
  WNDCLASSEXW windowClass{};
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  create(L"SkarvelundeDialogWindow", windowClass, kDialogStyle, 0, outer);

  bigIcon_ = iconFromIco(description.icon, GetSystemMetrics(SM_CXICON));
  smallIcon_ = iconFromIco(description.icon, GetSystemMetrics(SM_CXSMICON));
  SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  font_ = createDefaultFont(dotsPerInchY());
  createControls();
}

// Siblings overlap with the earlier one in front, and a frame's controls lie in front of it:
// each new window goes to the bottom, so a frame's controls come before the frame itself.
void DialogWindow::createControls() {
  const auto& controls = form().description().controls;
  std::vector<std::pair<int, HWND>> focusable;
  const auto add = [&](std::size_t index) {
    const ControlDescription& control = controls[index];
    const HWND window =
        createControl(control, containerOrigin(control), kFirstControlId + static_cast<int>(index));
    if (control.kind == ControlKind::CommandButton) buttons_[window] = control.name;
    if (takesFocus(control.kind)) focusable.emplace_back(control.tabIndex, window);
  };
  for (std::size_t index = 0; index < controls.size(); ++index) {
    if (!controls[index].container.empty() || !isWindowed(controls[index].kind)) continue;
    for (std::size_t inner = 0; inner < controls.size(); ++inner) {
      if (controls[inner].container == controls[index].name) add(inner);
    }
    add(index);
  }
  std::stable_sort(focusable.begin(), focusable.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [tabIndex, window] : focusable) tabOrder_.push_back(window);
}

HWND DialogWindow::createControl(const ControlDescription& control, POINT origin, int id) {
  const ControlClass kind = controlClass(control);
  const std::wstring text = wideFromUtf8(control.caption);
  const auto pixelsX = [this](int twips) {
    return pixelsFromTwips(static_cast<float>(twips), dotsPerInchX());
  };
  const auto pixelsY = [this](int twips) {
    return pixelsFromTwips(static_cast<float>(twips), dotsPerInchY());
  };
  const HWND window = CreateWindowExW(
      kind.extendedStyle, kind.name, text.c_str(), kControlStyle | kind.style,
      pixelsX(origin.x + control.left), pixelsY(origin.y + control.top), pixelsX(control.width),
      pixelsY(control.height), handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return window;
}

// Twips of the container's top-left corner on the form: a frame's own place, or none.
POINT DialogWindow::containerOrigin(const ControlDescription& control) const {
  for (const ControlDescription& container : form().description().controls) {
    if (!control.container.empty() && container.name == control.container) {
      return POINT{container.left, container.top};
    }
  }
  return POINT{0, 0};
}

DialogWindow::~DialogWindow() { destroy(); }

void DialogWindow::showAsForm() {
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
  focusFirstControl();
  UpdateWindow(handle());
}

LRESULT DialogWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const auto button = buttons_.find(reinterpret_cast<HWND>(lParam));
      if (HIWORD(wParam) != BN_CLICKED || button == buttons_.end()) break;
      form().raiseControlEvent(button->second, "Click");
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) break;
      FormWindow::handleMessage(message, wParam, lParam);
      // Activation gives the focus to a control, never to the dialog window itself.
      if (!IsChild(handle(), GetFocus())) focusFirstControl();
      return 0;
  }
  return FormWindow::handleMessage(message, wParam, lParam);
}

bool DialogWindow::routeQueued(MSG& message) {
  if (message.hwnd != handle() && !IsChild(handle(), message.hwnd)) return false;
  if (message.message == WM_KEYDOWN && routeKey(message.wParam)) return true;
  return IsDialogMessageW(handle(), &message) != FALSE;
}

// The keys whose meaning here differs from the system dialog's: the tab order follows the tab
// indexes, no button is the default or the cancel button.
bool DialogWindow::routeKey(WPARAM key) {
  switch (key) {
    case VK_TAB:
      moveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_ESCAPE:
      return true;
    case VK_RETURN: {
      const HWND focus = GetFocus();
      if (buttons_.count(focus)) SendMessageW(focus, BM_CLICK, 0, 0);
      return true;
    }
  }
  return false;
}

void DialogWindow::moveFocus(bool backwards) {
  if (tabOrder_.empty()) return;
  const auto current = std::find(tabOrder_.begin(), tabOrder_.end(), GetFocus());
  const std::size_t count = tabOrder_.size();
  std::size_t next = 0;
  if (current != tabOrder_.end()) {
    const auto at = static_cast<std::size_t>(current - tabOrder_.begin());
    next = (at + (backwards ? count - 1 : 1)) % count;
  }
  // A text box is entered with all its text selected, as the system's dialogs do.
  if (SendMessageW(tabOrder_[next], WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageW(tabOrder_[next], EM_SETSEL, 0, -1);
  }
  SetFocus(tabOrder_[next]);
}

void DialogWindow::focusFirstControl() {
  if (!tabOrder_.empty()) SetFocus(tabOrder_.front());
}

}  // namespace rt
