#include "runtime/image_list.h"

#include "runtime/error.h"
#include "runtime/start.h"

namespace rt {

const rt::Picture& ListImage::Picture() const {
  checkStatus("IImage", "Picture");
  return picture_;
}

std::int16_t ListImageCollection::Count() const {
  checkStatus("IImages", "Count");
  return static_cast<std::int16_t>(pictures_.size());
}

ListImage ListImageCollection::Item(const std::optional<std::int16_t>& index) const {
  checkStatus("IImages", "Item");
  if (!index || *index < 1 || static_cast<std::size_t>(*index) > pictures_.size()) {
    throw RuntimeError(ErrorKind::IndexOutOfBounds);
  }
  return ListImage(pictures_[static_cast<std::size_t>(*index) - 1]);
}

ListImageCollection ImageList::ListImages() const {
  checkStatus("ImageList", "ListImages");
  return ListImageCollection(pictures_);
}

}  // namespace rt
