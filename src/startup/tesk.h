#pragma once

namespace tesk {

// The startup procedure: the command line picks the information dialog, the saver or nothing.
void Main();

}  // namespace tesk
