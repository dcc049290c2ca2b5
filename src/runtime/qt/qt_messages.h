#pragma once

#include "runtime/form.h"

namespace rt {

// Qt's messages from the start of the application on. Qt gives up on a fatal message by aborting:
// while the application starts for the form, that fails the form's Show and Qt's other messages
// wait; later it ends the program plainly, with Qt's message.
void handleQtMessagesWhileStarting(const Form& form);
// The application has started: the messages that waited are said, later ones as they come.
void sayQtMessagesFromNowOn();

}  // namespace rt
