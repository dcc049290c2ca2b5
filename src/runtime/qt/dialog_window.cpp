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

#include "runtime/dialog_layout.h"
#include "runtime/qt/default_font.h"
#include "runtime/qt/ico.h"
#include "runtime/qt/qt_text.h"
#include "runtime/twips.h"

namespace rt::qt {
namespace {

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

DialogWindow::DialogWindow(const FormDescription& description, WindowEvents& events)
    : FormWindow(description, events) {
  setWindowIcon(qt::windowIcon(description.icon));
  // The title bar offers what the fixed dialog's does on Windows: its menu and close, no more.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(defaultFont(dotsPerInch()));
  setGeometry(pixelRect(description.left, description.top, description.width, description.height));
  setFixedSize(size());
  // Back to front: each new control lies in front of its siblings, and a frame comes first.
  std::vector<QWidget*> widgets(description.controls.size(), nullptr);
  for (const std::size_t index : dialog::stackingOrder(description)) {
    const std::optional<std::size_t> container = dialog::containerOf(description, index);
    widgets[index] =
        createControl(description.controls[index], index, container ? widgets[*container] : this);
  }
  orderTabs(dialog::tabOrder(description), widgets);
}

void DialogWindow::showAsForm() { QWidget::show(); }

QWidget* DialogWindow::createControl(const ControlDescription& control, std::size_t index,
                                     QWidget* container) {
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
      connect(button, &QPushButton::clicked, this,
              [this, index] { events().controlClicked(index); });
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
  widget->setFocusPolicy(dialog::takesFocus(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
  widget->setGeometry(pixelRect(control.left, control.top, control.width, control.height));
  return widget;
}

QRect DialogWindow::pixelRect(int left, int top, int width, int height) const {
  const auto at = [this](int twips) { return pixels(static_cast<float>(twips)); };
  return QRect(at(left), at(top), at(width), at(height));
}

// Tab follows the tab order; the focus starts on its first control.
void DialogWindow::orderTabs(const std::vector<std::size_t>& order,
                             const std::vector<QWidget*>& widgets) {
  QWidget* previous = nullptr;
  for (const std::size_t index : order) {
    if (previous) {
      setTabOrder(previous, widgets[index]);
    } else {
      widgets[index]->setFocus();
    }
    previous = widgets[index];
  }
}

}  // namespace rt::qt
