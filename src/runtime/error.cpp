#include "runtime/error.h"

#include <cmath>
#include <cstdio>

#include "runtime/start.h"

namespace rt {
namespace {

constexpr std::uint16_t kFrench = 0x40C;

std::string hex(std::int32_t number) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(number));
  return text;
}

std::string frenchMessage(const RuntimeError& error) {
  switch (error.kind()) {
    case ErrorKind::Overflow:
      return "Erreur d'exécution '6' :\n\nDépassement de capacité";
    case ErrorKind::OutOfMemory:
      return "Erreur d'exécution '7' :\n\nMémoire insuffisante";
    case ErrorKind::Internal:
      return "Erreur d'exécution '51' :\n\nErreur interne";
    case ErrorKind::IndexOutOfBounds:
      return "Erreur d'exécution '35600' :\n\nIndex hors limites";
    case ErrorKind::FailedCall:
      break;
  }
  return "Erreur d'exécution '" + std::to_string(error.number()) + " (" + hex(error.number()) +
         ")' :\n\nLa méthode '" + error.member() + "' de l'objet '" + error.object() + "' a échoué";
}

std::string englishMessage(const RuntimeError& error) {
  switch (error.kind()) {
    case ErrorKind::Overflow:
      return "Run-time error '6':\n\nOverflow";
    case ErrorKind::OutOfMemory:
      return "Run-time error '7':\n\nOut of memory";
    case ErrorKind::Internal:
      return "Run-time error '51':\n\nInternal error";
    case ErrorKind::IndexOutOfBounds:
      return "Run-time error '35600':\n\nIndex out of bounds";
    case ErrorKind::FailedCall:
      break;
  }
  return "Run-time error '" + std::to_string(error.number()) + " (" + hex(error.number()) +
         ")':\n\nMethod '" + error.member() + "' of object '" + error.object() + "' failed";
}

}  // namespace

RuntimeError::RuntimeError(ErrorKind kind, std::int32_t number, std::string object,
                           std::string member)
    : std::runtime_error(object + "." + member),
      kind_(kind),
      number_(number),
      object_(std::move(object)),
      member_(std::move(member)) {}

void checkStatus(std::string_view object, std::string_view member) {
  const Status status = backend().callStatus(object, member);
  if (failed(status)) {
    throw RuntimeError(ErrorKind::FailedCall, status, std::string(object), std::string(member));
  }
}

void checkFloat(float value) {
  // Single precision keeps what the flags would say in the value itself: an invalid operation
  // leaves NaN, an overflow or a division by zero leaves infinity.
  if (!std::isfinite(value)) throw RuntimeError(ErrorKind::Overflow, 6, "", "");
}

std::string errorMessage(const RuntimeError& error, std::uint16_t language) {
  return language == kFrench ? frenchMessage(error) : englishMessage(error);
}

}  // namespace rt
