#include "runtime/error.h"

#include <cmath>
#include <cstdio>
#include <iterator>

#include "runtime/start.h"

namespace rt {
namespace {

constexpr std::uint16_t kFrench = 0x40C;

struct ErrorEntry {
  ErrorKind kind;
  std::int32_t number;  // a failed call's is its status
  const char* french;
  const char* english;
};

// Every error the runtime raises, with its texts, in the order of the kinds; %M is the member,
// %O the object.
constexpr ErrorEntry kErrors[] = {
    {ErrorKind::FailedCall, 0, "La méthode '%M' de l'objet '%O' a échoué",
     "Method '%M' of object '%O' failed"},
    {ErrorKind::Overflow, 6, "Dépassement de capacité", "Overflow"},
    {ErrorKind::OutOfMemory, 7, "Mémoire insuffisante", "Out of memory"},
    {ErrorKind::Internal, 51, "Erreur interne", "Internal error"},
    {ErrorKind::IndexOutOfBounds, 35600, "Index hors limites", "Index out of bounds"},
};

constexpr bool inOrderOfKinds() {
  for (std::size_t row = 0; row < std::size(kErrors); ++row) {
    if (kErrors[row].kind != static_cast<ErrorKind>(row)) return false;
  }
  return std::size(kErrors) == static_cast<std::size_t>(ErrorKind::IndexOutOfBounds) + 1;
}
static_assert(inOrderOfKinds(), "one row a kind, in order");

const ErrorEntry& entryOf(ErrorKind kind) { return kErrors[static_cast<std::size_t>(kind)]; }

std::string replaced(std::string text, std::string_view mark, const std::string& by) {
  const std::size_t at = text.find(mark);
  return at == std::string::npos ? text : text.replace(at, mark.size(), by);
}

// A failed call's number shows its status in hexadecimal too.
std::string numberText(const RuntimeError& error) {
  if (error.kind() != ErrorKind::FailedCall) return std::to_string(error.number());
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(error.number()));
  return std::to_string(error.number()) + " (" + hex + ")";
}

}  // namespace

RuntimeError::RuntimeError(ErrorKind kind) : RuntimeError(kind, entryOf(kind).number, "", "") {}

RuntimeError RuntimeError::failedCall(Status status, std::string_view object,
                                      std::string_view member) {
  return RuntimeError(ErrorKind::FailedCall, status, std::string(object), std::string(member));
}

RuntimeError::RuntimeError(ErrorKind kind, std::int32_t number, std::string object,
                           std::string member)
    : std::runtime_error(object + "." + member),
      kind_(kind),
      number_(number),
      object_(std::move(object)),
      member_(std::move(member)) {}

void checkStatus(std::string_view object, std::string_view member) {
  const Status status = backend().callStatus(object, member);
  if (failed(status)) throw RuntimeError::failedCall(status, object, member);
}

void checkFloat(float value) {
  // Single precision keeps what the flags would say in the value itself: an invalid operation
  // leaves NaN, an overflow or a division by zero leaves infinity.
  if (!std::isfinite(value)) throw RuntimeError(ErrorKind::Overflow);
}

std::string errorMessage(const RuntimeError& error, std::uint16_t language) {
  const ErrorEntry& entry = entryOf(error.kind());
  const bool french = language == kFrench;
  const std::string heading = french ? "Erreur d'exécution '" + numberText(error) + "' :\n\n"
                                     : "Run-time error '" + numberText(error) + "':\n\n";
  const std::string text = french ? entry.french : entry.english;
  return heading + replaced(replaced(text, "%M", error.member()), "%O", error.object());
}

}  // namespace rt
