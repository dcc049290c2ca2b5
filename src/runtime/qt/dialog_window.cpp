#include "runtime/qt/dialog_window.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "runtime/qt/default_font.h"
#include "runtime/qt/ico.h"
#include "runtime/twips.h"

namespace rt {
namespace {

QString qText(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label shows its caption without the access-key marks: "&&" is one "&", a single one none.
QString labelText(const std::string& caption) {
  QString shown;
  const QString text = qText(caption);
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && ++i == text.size()) break;
    shown += text[i];
  }
  return shown;
}

// A frame shows its caption in its top border, over the line.
constexpr const char* kFrameStyle =
    "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }";

bool takesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::CommandButton;
}

QWidget* textBox(const ControlDescription& control, QWidget* container) {
  auto* box = new QPlainTextEdit(container);
  box->setPlainText(qText(control.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  box->setTabChangesFocus(true);
  // The stored height holds its five lines only with the thin margin of a plain edit box.
  box->document()->setDocumentMargin(1);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The stored text and the box's look are no edit of the user's to undo.
  box->document()->clearUndoRedoStacks();
  return box;
}

}  // namespace

DialogWindow::DialogWindow(Form& form) : FormWindow(form) {
  const FormDescription& description = form.description();
  setWindowIcon(rt::windowIcon(description.icon));
  // The title bar offers what the fixed dialog's does on Windows: its menu and close, no more.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(defaultFont(dotsPerInch()));
  setGeometry(pixels(description.left), pixels(description.top), pixels(description.width),
              pixels(description.height));
  setFixedSize(size());
  // Frames first, so that every control finds its container.
  for (const bool frames : {true, false}) {
    for (const ControlDescription& control : description.controls) {
      if ((control.kind == ControlKind::Frame) == frames)
        createControl(control, containerOf(control));
    }
  }
  // Where controls overlap the earlier one lies in front.
  for (const ControlDescription& control : description.controls) {
    if (auto* widget = findChild<QWidget*>(qText(control.name))) widget->lower();
  }
  orderTabs();
}

void DialogWindow::showAsForm() {
  show();
  activateWindow();
}

QWidget* DialogWindow::createControl(const ControlDescription& control, QWidget* container) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Frame:
      widget = new QGroupBox(qText(control.caption), container);
      widget->setStyleSheet(kFrameStyle);
      break;
    case ControlKind::Label:
      widget = new QLabel(labelText(control.caption), container);
      static_cast<QLabel*>(widget)->setTextFormat(Qt::PlainText);
      static_cast<QLabel*>(widget)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      break;
    case ControlKind::TextBox:
      widget = textBox(control, container);
      break;
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(qText(control.caption), container);
      // Enter presses the button while it has the focus, as Space does; it is no default button.
      button->setAutoDefault(true);
      const std::string name = control.name;
      connect(button, &QPushButton::clicked, this,
              [this, name] { form().raiseControlEvent(name, "Click"); });
      widget = button;
      break;
    }
    case ControlKind::Timer:
    case ControlKind::ImageList:
      return nullptr;
  }
  widget->setObjectName(qText(control.name));
  // A frame's style sheet would hand its controls the application's font instead of the form's.
  widget->setFont(font());
  widget->setFocusPolicy(takesFocus(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
  widget->setGeometry(pixels(control.left), pixels(control.top), pixels(control.width),
                      pixels(control.height));
  return widget;
}

// A control that names no frame of the form lies on the client area.
QWidget* DialogWindow::containerOf(const ControlDescription& control) {
  if (control.container.empty()) return this;
  auto* frame = findChild<QGroupBox*>(qText(control.container));
  return frame ? static_cast<QWidget*>(frame) : this;
}

// Tab follows the tab indexes; the focus starts on the lowest.
void DialogWindow::orderTabs() {
  std::vector<const ControlDescription*> focusable;
  for (const ControlDescription& control : form().description().controls) {
    if (takesFocus(control.kind)) focusable.push_back(&control);
  }
  std::ranges::stable_sort(focusable, {}, &ControlDescription::tabIndex);
  QWidget* previous = nullptr;
  for (const ControlDescription* control : focusable) {
    QWidget* widget = findChild<QWidget*>(qText(control->name));
    if (previous) {
      setTabOrder(previous, widget);
    } else {
      widget->setFocus();
    }
    previous = widget;
  }
}

int DialogWindow::pixels(int twips) const {
  return pixelsFromTwips(static_cast<float>(twips), dotsPerInch());
}

}  // namespace rt
