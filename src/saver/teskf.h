#pragma once

#include <cstdint>
#include <optional>

#include "runtime/form.h"
#include "runtime/image_list.h"

// The saver window: on every tick of Timer1 a stored picture and the next quotation.
class teskf : public rt::Form {
 public:
  teskf();
  // A window whose image list holds other pictures than the stored ones.
  explicit teskf(rt::ImageList pictures);

 protected:
  void Form_Load() override;
  void Form_KeyPress(std::int16_t& KeyAscii) override;
  void Form_Unload(std::int16_t& Cancel) override;

 private:
  void Timer1_Timer();
  void changepic();
  void paintNextPicture();
  void printNextQuotation();
  void placeText();
  void colourText();
  void sizeText();

  rt::ImageList ImageList1;
  std::optional<std::int16_t> picindex;
  std::optional<std::int16_t> quoteindex;
};
