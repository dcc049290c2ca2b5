#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/picture.h"

namespace rt {

class ListImage {
 public:
  explicit ListImage(const rt::Picture& picture) : picture_(picture) {}
  const rt::Picture& Picture() const;

 private:
  const rt::Picture& picture_;
};

class ListImageCollection {
 public:
  explicit ListImageCollection(const std::vector<rt::Picture>& pictures) : pictures_(pictures) {}
  std::int16_t Count() const;
  // 1-based.
  ListImage Item(const std::optional<std::int16_t>& index) const;

 private:
  const std::vector<rt::Picture>& pictures_;
};

// The image-list control: an ordered list of pictures, reached by 1-based index.
class ImageList {
 public:
  explicit ImageList(std::vector<rt::Picture> pictures) : pictures_(std::move(pictures)) {}
  ListImageCollection ListImages() const;

 private:
  std::vector<rt::Picture> pictures_;
};

}  // namespace rt
