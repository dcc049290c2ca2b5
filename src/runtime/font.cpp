#include "runtime/font.h"

#include "runtime/error.h"
#include "runtime/start.h"

namespace rt {

void StdFont::Size(float points) {
  checkStatus("Font", "Size");
  description_.size = points;
}

}  // namespace rt
