#include "resources/stored_data.h"
#include "startup/tesk.h"

namespace resources {

const rt::ProjectHeader projectHeader{
    "Vuver", "Skarvelunde", "SCRNSAVE:Skarvelunde", "", 0x40C, "vb5fr.dll", 0x409,
    "409",   &tesk::Main,
};

}  // namespace resources
