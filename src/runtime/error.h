#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/status.h"

namespace rt {

// What went wrong, independent of the language the runtime reports it in.
enum class ErrorKind { FailedCall, Overflow, OutOfMemory, Internal, IndexOutOfBounds };

// The runtime's error: raised wherever a call or a computation fails, reported once at the top.
class RuntimeError : public std::runtime_error {
 public:
  // An error of the runtime's own, numbered by its kind.
  explicit RuntimeError(ErrorKind kind);
  // A call on an object that failed with the platform's status.
  static RuntimeError failedCall(Status status, std::string_view object, std::string_view member);

  ErrorKind kind() const { return kind_; }
  std::int32_t number() const { return number_; }
  const std::string& object() const { return object_; }
  const std::string& member() const { return member_; }

 private:
  RuntimeError(ErrorKind kind, std::int32_t number, std::string object, std::string member);

  ErrorKind kind_;
  std::int32_t number_;
  std::string object_;
  std::string member_;
};

// Thrown by a backend when the platform refuses what a call on a form needs; the form turns it
// into the failed call's runtime error.
class PlatformFailure : public std::runtime_error {
 public:
  explicit PlatformFailure(Status status)
      : std::runtime_error("platform call failed"), status_(status) {}
  Status status() const { return status_; }

 private:
  Status status_;
};

// Makes a call on an object: asks the platform for its status and raises the error on failure.
void checkStatus(std::string_view object, std::string_view member);

// Raises the floating-point error when a computed value came from an invalid operation,
// a division by zero or an overflow.
void checkFloat(float value);

// The report of an error in the runtime's message language (a locale id).
std::string errorMessage(const RuntimeError& error, std::uint16_t language);

}  // namespace rt
