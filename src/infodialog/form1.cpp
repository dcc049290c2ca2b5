#include "infodialog/form1.h"

#include "infodialog/form1_description.h"
#include "runtime/start.h"

Form1::Form1() : rt::Form("Form1", form1Description()) {}

void Form1::ControlEvent(std::string_view handler) {
  if (handler == "Command1_Click") Command1_Click();
}

void Form1::Command1_Click() { rt::End(); }

void Form1::Form_LostFocus() { rt::End(); }
