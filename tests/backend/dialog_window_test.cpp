#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <string>
#include <vector>

#include "infodialog/form1_description.h"
#include "test_form.h"

namespace {

struct Placed {
  const char* name;
  const char* className;
  const char* container;
  QRect pixels;  // at 96 dots per inch
};

const Placed kPlaced[] = {
    {"Frame2", "QGroupBox", "TestForm", {0, 104, 313, 177}},
    {"Text1", "QPlainTextEdit", "Frame2", {128, 64, 113, 81}},
    {"Label7", "QLabel", "Frame2", {8, 152, 297, 17}},
    {"Command1", "QPushButton", "TestForm", {240, 72, 65, 25}},
    {"Frame1", "QGroupBox", "TestForm", {0, 8, 313, 97}},
    {"Label1", "QLabel", "Frame1", {16, 24, 129, 17}},
};

TEST(DialogWindowTest, ControlsStandAtTheirStoredPlacesTheEarlierInFront) {
  TestForm form(form1Description());
  form.showWhile([&form](rt::qt::FormWindow& window) {
    ASSERT_EQ(window.dotsPerInch(), 96);
    EXPECT_EQ(window.size(), QSize(318, 287));
    EXPECT_EQ(window.windowTitle(), "Skarvelunde Screen Saver");
    EXPECT_EQ(window.windowIcon().availableSizes().size(), 2);
    for (const Placed& placed : kPlaced) {
      const auto* control = window.findChild<QWidget*>(placed.name);
      ASSERT_NE(control, nullptr) << placed.name;
      EXPECT_STREQ(control->metaObject()->className(), placed.className);
      const QString container = control->parentWidget() == &window
                                    ? QString("TestForm")
                                    : control->parentWidget()->objectName();
      EXPECT_EQ(container, placed.container) << placed.name;
      EXPECT_EQ(control->geometry(), placed.pixels) << placed.name;
    }
    // The button over Frame1, and Frame2 over Frame1's bottom edge.
    EXPECT_EQ(window.childAt(272, 84)->objectName(), "Command1");
    EXPECT_EQ(window.childAt(150, 104)->objectName(), "Frame2");
  });
}

TEST(DialogWindowTest, CaptionsShowTheirAmpersandsAsStoredTheTextBoxItsLines) {
  TestForm form(form1Description());
  form.showWhile([&form](rt::qt::FormWindow& window) {
    EXPECT_EQ(window.findChild<QGroupBox*>("Frame1")->title(), "Lite Version");
    EXPECT_TRUE(window.findChild<QLabel*>("Label2")->text().startsWith("Quendral & Cie / "));
    EXPECT_EQ(window.findChild<QPushButton*>("Command1")->text(), "&OK");
    const auto* text = window.findChild<QPlainTextEdit*>("Text1");
    EXPECT_EQ(text->document()->findBlockByNumber(0).text(), "Quendral & Cie");
    EXPECT_EQ(text->document()->findBlockByNumber(4).text(), "France");
    // Its menu offers no Undo before anything was typed.
    EXPECT_FALSE(text->document()->isUndoAvailable());
  });
}

// The platform's own measure of the runtime's default font: each caption on one line within
// its control, each line of the address box whole inside the box.
TEST(DialogWindowTest, EveryCaptionFitsOnOneLineAndTheAddressBoxShowsItsLinesWhole) {
  TestForm form(form1Description());
  form.showWhile([](rt::qt::FormWindow& window) {
    for (const auto* label : window.findChildren<QLabel*>()) {
      const QFontMetrics metrics(label->font());
      EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
          << label->objectName().toStdString();
      EXPECT_LE(metrics.height(), label->contentsRect().height())
          << label->objectName().toStdString();
    }
    for (const auto* frame : window.findChildren<QGroupBox*>()) {
      EXPECT_LE(QFontMetrics(frame->font()).horizontalAdvance(frame->title()), frame->width());
    }
    // Each line's ink, from its top to the lowest point of its own glyphs, inside the box.
    const auto* text = window.findChild<QPlainTextEdit*>("Text1");
    const QRect shown = text->viewport()->rect();
    const QFontMetrics metrics(text->font());
    for (int line = 0; line < 5; ++line) {
      const QTextBlock block = text->document()->findBlockByNumber(line);
      QTextCursor end(block);
      end.movePosition(QTextCursor::EndOfBlock);
      const QRect at = text->cursorRect(end);
      EXPECT_EQ(block.layout()->lineCount(), 1) << "line " << line + 1;
      EXPECT_LE(at.right(), shown.right()) << "line " << line + 1;
      EXPECT_LE(at.top() + metrics.ascent() + metrics.tightBoundingRect(block.text()).bottom(),
                shown.bottom())
          << "line " << line + 1;
    }
  });
}

struct KeyStroke {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

struct Keys {
  const char* what;
  std::vector<KeyStroke> strokes;
  const char* focusAfter;
  std::vector<std::string> events;
};

constexpr int kClickShown = 150;

const std::vector<Keys> kKeys = {
    {"nothing", {}, "Command1", {}},
    {"Tab", {{Qt::Key_Tab}}, "Text1", {}},
    {"Tab Tab", {{Qt::Key_Tab}, {Qt::Key_Tab}}, "Command1", {}},
    {"Tab Backtab", {{Qt::Key_Tab}, {Qt::Key_Backtab, Qt::ShiftModifier}}, "Command1", {}},
    {"Enter on the button", {{Qt::Key_Return}}, "Command1", {"Command1_Click"}},
    {"Space on the button", {{Qt::Key_Space}}, "Command1", {"Command1_Click"}},
    {"Escape", {{Qt::Key_Escape}}, "Command1", {}},
    {"Enter in the text box", {{Qt::Key_Tab}, {Qt::Key_Return}}, "Text1", {}},
    {"Alt+O in the text box",
     {{Qt::Key_Tab}, {Qt::Key_O, Qt::AltModifier}},
     "Text1",
     {"Command1_Click"}},
    {"Tab Tab Enter",
     {{Qt::Key_Tab}, {Qt::Key_Tab}, {Qt::Key_Return}},
     "Command1",
     {"Command1_Click"}},
};

TEST(DialogWindowTest, FocusStartsOnOkTabMovesItAndOnlyTheFocusedButtonPresses) {
  for (const Keys& keys : kKeys) {
    TestForm form(form1Description());
    form.record("Command1", rt::ControlEvent::Click);
    form.showWhile([&](rt::qt::FormWindow& window) {
      form.events.clear();
      for (const KeyStroke& stroke : keys.strokes) {
        QTest::keyClick(QApplication::focusWidget(), stroke.key, stroke.modifiers);
      }
      // An access key presses the button as a click shown for a moment.
      QTest::qWait(kClickShown);
      EXPECT_EQ(QApplication::focusWidget()->objectName(), keys.focusAfter) << keys.what;
      EXPECT_TRUE(window.isVisible()) << keys.what;
    });
    EXPECT_EQ(form.events, keys.events) << keys.what;
  }
}

TEST(DialogWindowTest, AnotherWindowBecomingActiveIsTheFormsLossOfFocus) {
  TestForm form(form1Description());
  form.showWhile([&form](rt::qt::FormWindow&) {
    form.events.clear();
    QWidget other;
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(form.events, std::vector<std::string>{"LostFocus"});
  });
}

TEST(DialogWindowTest, ClickingOkRaisesItsClick) {
  TestForm form(form1Description());
  form.record("Command1", rt::ControlEvent::Click);
  form.showWhile([&form](rt::qt::FormWindow& window) {
    form.events.clear();
    QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(form.events, std::vector<std::string>{"Command1_Click"});
  });
}

}  // namespace
