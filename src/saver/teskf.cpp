#include "saver/teskf.h"

#include <string>

#include "resources/stored_data.h"
#include "runtime/colour.h"
#include "runtime/error.h"
#include "runtime/maths.h"
#include "runtime/start.h"
#include "saver/quotations.h"
#include "saver/teskf_description.h"

namespace {

constexpr std::int16_t kQuotationCount = 6;

// The sum is taken wider than 16 bits: a counter at its limit goes back to 1, it never overflows.
std::int16_t advanced(std::int16_t counter, int bound) {
  const int next = counter + 1;
  return next <= bound ? static_cast<std::int16_t>(next) : std::int16_t{1};
}

// The quotation of that number; the counter never leaves 1 to 6, but a stray one prints nothing.
std::string quotation(std::int16_t choice) {
  for (std::int16_t number = 1; number <= kQuotationCount; ++number) {
    if (choice == number) return std::string(kQuotations[static_cast<std::size_t>(number) - 1]);
  }
  return {};
}

}  // namespace

teskf::teskf() : teskf(rt::ImageList(resources::spacePictures())) {}

teskf::teskf(rt::ImageList pictures)
    : rt::Form("teskf", teskfDescription()), ImageList1(std::move(pictures)) {
  On("Timer1", rt::ControlEvent::Timer, [this] { Timer1_Timer(); });
}

void teskf::Form_Load() {
  picindex = 1;
  quoteindex = 1;
}

void teskf::Form_KeyPress(std::int16_t& /*KeyAscii*/) { rt::End(); }

void teskf::Form_Unload(std::int16_t& /*Cancel*/) { rt::End(); }

void teskf::Timer1_Timer() { changepic(); }

void teskf::changepic() {
  paintNextPicture();
  printNextQuotation();
}

// A picture at a random point of the window's upper-left quarter.
void teskf::paintNextPicture() {
  picindex = advanced(*picindex, ImageList1.ListImages().Count());
  const rt::Picture& picture = ImageList1.ListImages().Item(picindex).Picture();
  // Each size is read before its draw, and y is worked out and checked before x.
  const float width = Width();
  const float r1 = rt::Rnd();
  const float height = Height();
  const float r2 = rt::Rnd();
  const float y = (height / 2.0f) * r2;
  rt::checkFloat(y);
  const float x = (width / 2.0f) * r1;
  rt::checkFloat(x);
  PaintPicture(picture, x, y);
}

// The next quotation at a random point of the left half, in a random colour and size.
void teskf::printNextQuotation() {
  quoteindex = advanced(*quoteindex, kQuotationCount);
  const std::string message = quotation(*quoteindex);
  placeText();
  colourText();
  sizeText();
  Print(message);
}

void teskf::placeText() {
  const float width = Width();
  const float textX = rt::Rnd() * width / 2.0f;
  rt::checkFloat(textX);
  CurrentX(textX);
  const float r4 = rt::Rnd();
  const float textY = r4 * Height();
  rt::checkFloat(textY);
  CurrentY(textY);
}

// Rounding, not truncation, so that every component can reach 255.
void teskf::colourText() {
  const float r5 = rt::Rnd();
  const float r6 = rt::Rnd();
  const float r7 = rt::Rnd();
  const float red = r5 * 255.0f;
  rt::checkFloat(red);
  const float green = r6 * 255.0f;
  rt::checkFloat(green);
  const float blue = r7 * 255.0f;
  rt::checkFloat(blue);
  // Rounded in the order blue, green, red.
  const std::int16_t blueComponent = rt::roundToInteger(blue);
  const std::int16_t greenComponent = rt::roundToInteger(green);
  const std::int16_t redComponent = rt::roundToInteger(red);
  ForeColor(rt::RGB(redComponent, greenComponent, blueComponent));
}

// The size goes to the font as drawn, zero and fractions of a point included.
void teskf::sizeText() {
  const float size = rt::Rnd() * 40.0f;
  rt::checkFloat(size);
  Font().Size(size);
}
