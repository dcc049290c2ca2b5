#include "infodialog/form1.h"

#include "infodialog/form1_description.h"
#include "runtime/start.h"

Form1::Form1() : rt::Form("Form1", form1Description()) {
  On("Command1", rt::ControlEvent::Click, [this] { Command1_Click(); });
}

void Form1::Command1_Click() { rt::End(); }

void Form1::Form_LostFocus() { rt::End(); }
