#pragma once

namespace rt::qt {

// Qt's messages from the start of the application on. Qt gives up on a fatal message by aborting:
// while the application starts for a window, that fails the call that wanted it and Qt's other
// messages wait; later it ends the program plainly, with Qt's message.
void handleQtMessagesWhileStarting();
// The application has started: the messages that waited are said, later ones as they come.
void sayQtMessagesFromNowOn();

}  // namespace rt::qt
