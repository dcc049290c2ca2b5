#pragma once

namespace rt::qt {

// What the window needs, asked for before Qt starts: Qt gives up on a missing display by aborting,
// and waits for ever on threads or descriptors it could not have.

// The X display that DISPLAY names answers, and has the screen it names.
bool displayAnswers();
// That many more file descriptors can be opened at once.
bool descriptorsAvailable(int count);
// That many more threads can run at once.
bool threadsAvailable(int count);

}  // namespace rt::qt
