#include "runtime/qt/saver_window.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cstdint>
#include <functional>
#include <vector>

#include "runtime/twips.h"
#include "saver/teskf_description.h"
#include "test_form.h"

namespace {

// A 24-bit bottom-up BMP file with the pixels colourOf(x, y), y counted from the top.
std::vector<std::uint8_t> bmpFile(int width, int height, std::function<QRgb(int, int)> colourOf) {
  const int stride = (width * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> file(54 + static_cast<std::size_t>(stride * height));
  const auto put32 = [&file](std::size_t at, int value) {
    for (std::size_t i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<int>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  file[26] = 1;
  file[28] = 24;
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = file.data() + 54 + stride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const QRgb colour = colourOf(x, y);
      row[3 * x] = static_cast<std::uint8_t>(qBlue(colour));
      row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(colour));
      row[3 * x + 2] = static_cast<std::uint8_t>(qRed(colour));
    }
  }
  return file;
}

QRgb gradient(int x, int y) { return qRgb(10 * x + 1, 20 * y + 3, 77); }

rt::qt::SaverWindow& saver(rt::qt::FormWindow& window) {
  return static_cast<rt::qt::SaverWindow&>(window);
}

const QImage& retained(rt::qt::FormWindow& window) { return saver(window).image(); }

// Where colour occurs in the rectangle, or an empty rectangle.
QRect boundsOf(const QImage& image, QRgb colour) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == colour) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

TEST(SaverWindowTest, CoversThePrimaryScreenInBlackUnderTheTickPointer) {
  TestForm form(teskfDescription());
  form.showWhile([&form](rt::qt::FormWindow& window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.geometry(), screen);
    EXPECT_FLOAT_EQ(form.Width(), rt::twipsFromPixels(screen.width(), window.dotsPerInch()));
    EXPECT_FLOAT_EQ(form.Height(), rt::twipsFromPixels(screen.height(), window.dotsPerInch()));
    EXPECT_EQ(retained(window).size(), screen.size());
    EXPECT_EQ(boundsOf(retained(window), qRgb(0, 0, 0)), QRect(QPoint(0, 0), screen.size()));
    EXPECT_EQ(window.cursor().pixmap().size(), QSize(32, 32));
    EXPECT_EQ(window.cursor().hotSpot(), QPoint(14, 28));
  });
}

TEST(SaverWindowTest, PictureLandsUnscaledAtItsPixel) {
  // Five pixels a row: the rows carry a padding byte.
  const std::vector<std::uint8_t> file = bmpFile(5, 3, gradient);
  const rt::Picture picture(file);
  TestForm form(teskfDescription());
  form.showWhile([&](rt::qt::FormWindow& window) {
    const float twipsPerPixel = 1440.0f / static_cast<float>(window.dotsPerInch());
    form.PaintPicture(picture, 100.99f * twipsPerPixel, 50.5f * twipsPerPixel);
    form.PaintPicture(picture, 0, 0);
    const QImage& image = retained(window);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(image.pixel(100 + x, 50 + y), gradient(x, y)) << x << "," << y;
        EXPECT_EQ(image.pixel(x, y), gradient(x, y)) << x << "," << y;
      }
    }
    EXPECT_EQ(boundsOf(image, gradient(0, 0)), QRect(0, 0, 101, 51));
  });
}

TEST(SaverWindowTest, TextStartsWithItsCellTopAtThePositionOverWhatLiesBeneath) {
  const QRgb ground = qRgb(40, 40, 200);
  const std::vector<std::uint8_t> file = bmpFile(300, 80, [ground](int, int) { return ground; });
  const rt::Picture picture(file);
  TestForm form(teskfDescription());
  form.showWhile([&](rt::qt::FormWindow& window) {
    const float twipsPerPixel = 1440.0f / static_cast<float>(window.dotsPerInch());
    form.PaintPicture(picture, 200 * twipsPerPixel, 100 * twipsPerPixel);
    form.CurrentX(200 * twipsPerPixel);
    form.CurrentY(100 * twipsPerPixel);
    form.ForeColor(rt::RGB(255, 128, 0));
    form.Font().Size(30);
    form.Print("Mm Mm");

    const QRect text = boundsOf(retained(window), qRgb(255, 128, 0));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 199);
    EXPECT_GE(text.top(), 100);
    EXPECT_LT(text.bottom(), 100 + 60);
    // Between the letters the picture still shows: the text has no background.
    EXPECT_FALSE(boundsOf(retained(window).copy(text), ground).isEmpty());
  });
}

TEST(SaverWindowTest, RepaintBringsBackWhatWasDrawn) {
  const std::vector<std::uint8_t> file = bmpFile(5, 3, gradient);
  const rt::Picture picture(file);
  TestForm form(teskfDescription());
  form.showWhile([&](rt::qt::FormWindow& window) {
    form.PaintPicture(picture, 0, 0);
    window.hide();
    window.show();
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(4, 2), gradient(4, 2));
    EXPECT_EQ(shown.pixel(5, 3), qRgb(0, 0, 0));
  });
}

struct Key {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  QString text;  // as the platform delivers it
  std::vector<std::string> events;
};

const Key kKeys[] = {
    {Qt::Key_A, Qt::NoModifier, "a", {"KeyPress 97"}},
    {Qt::Key_5, Qt::NoModifier, "5", {"KeyPress 53"}},
    {Qt::Key_Space, Qt::NoModifier, " ", {"KeyPress 32"}},
    {Qt::Key_Return, Qt::NoModifier, "\r", {"KeyPress 13"}},
    {Qt::Key_Escape, Qt::NoModifier, "\x1b", {"KeyPress 27"}},
    {Qt::Key_Tab, Qt::NoModifier, "\t", {"KeyPress 9"}},
    {Qt::Key_Backtab, Qt::ShiftModifier, "", {"KeyPress 9"}},
    {Qt::Key_Backspace, Qt::NoModifier, "\b", {"KeyPress 8"}},
    {Qt::Key_C, Qt::ControlModifier, "\x03", {"KeyPress 3"}},
    {Qt::Key_BracketLeft, Qt::ControlModifier, "\x1b", {"KeyPress 27"}},
    {Qt::Key_At, Qt::ControlModifier | Qt::ShiftModifier, "", {"KeyPress 0"}},
    {Qt::Key_Return, Qt::ControlModifier, "\r", {"KeyPress 10"}},
    {Qt::Key_Backspace, Qt::ControlModifier, "\b", {"KeyPress 127"}},
    {Qt::Key_Space, Qt::ControlModifier, " ", {"KeyPress 32"}},
    {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "\x01", {"KeyPress 1"}},
    {Qt::Key_Tab, Qt::ControlModifier, "\t", {}},
    {Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier, "", {}},
    {Qt::Key_BraceLeft, Qt::ControlModifier | Qt::ShiftModifier, "\x1b", {}},
    {Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, "\r", {}},
    {Qt::Key_1, Qt::ControlModifier, "1", {}},
    {Qt::Key_3, Qt::ControlModifier, "\x1b", {}},  // X's own control character, not Windows'
    {Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), {"KeyPress 233"}},
    {Qt::Key_Shift, Qt::ShiftModifier, "", {}},
    {Qt::Key_Control, Qt::ControlModifier, "", {}},
    {Qt::Key_Alt, Qt::AltModifier, "", {}},
    {Qt::Key_Up, Qt::NoModifier, "", {}},
    {Qt::Key_F1, Qt::NoModifier, "", {}},
    {Qt::Key_Delete, Qt::NoModifier, "\x7f", {}},  // no character on Windows either
    {Qt::Key_X, Qt::AltModifier, "x", {}},
};

TEST(SaverWindowTest, OnlyKeysThatYieldACharacterArePressed) {
  TestForm form(teskfDescription());
  form.showWhile([&form](rt::qt::FormWindow& window) {
    for (const Key& key : kKeys) {
      form.events.clear();
      QTest::sendKeyEvent(QTest::Click, &window, key.key, key.text, key.modifiers);
      EXPECT_EQ(form.events, key.events) << key.text.toStdString();
    }
    form.events.clear();
    QTest::mouseClick(&window, Qt::LeftButton);
    QTest::mouseMove(&window, QPoint(10, 10));
    EXPECT_TRUE(form.events.empty());
  });
}

}  // namespace
