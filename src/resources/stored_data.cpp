#include "resources/stored_data.h"

#include <cstddef>

extern const std::uint8_t eyes_bmp[], moon_face_bmp[], earth_lightning_bmp[], galaxy_bmp[],
    pointer_ico[], application_ico[];
extern const std::size_t eyes_bmp_size, moon_face_bmp_size, earth_lightning_bmp_size,
    galaxy_bmp_size, pointer_ico_size, application_ico_size;

namespace resources {

std::vector<rt::Picture> spacePictures() {
  return {
      rt::Picture({eyes_bmp, eyes_bmp_size}),
      rt::Picture({moon_face_bmp, moon_face_bmp_size}),
      rt::Picture({earth_lightning_bmp, earth_lightning_bmp_size}),
      rt::Picture({galaxy_bmp, galaxy_bmp_size}),
  };
}

std::span<const std::uint8_t> pointerIcon() { return {pointer_ico, pointer_ico_size}; }

std::span<const std::uint8_t> applicationIcon() { return {application_ico, application_ico_size}; }

}  // namespace resources
