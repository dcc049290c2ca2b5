#pragma once

#include "runtime/form.h"

// The information dialog: a fixed notice about the editions; every way out ends the program.
class Form1 : public rt::Form {
 public:
  Form1();

 protected:
  void Form_LostFocus() override;

 private:
  void Command1_Click();
};
