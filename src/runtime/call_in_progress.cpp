#include "runtime/call_in_progress.h"

#include <utility>

#include "runtime/backend.h"
#include "runtime/error.h"
#include "runtime/start.h"

namespace rt {
namespace {

std::string_view objectInProgress;
std::string_view memberInProgress;

}  // namespace

CallInProgress::CallInProgress(std::string_view object, std::string_view member)
    : outerObject_(std::exchange(objectInProgress, object)),
      outerMember_(std::exchange(memberInProgress, member)) {}

CallInProgress::~CallInProgress() {
  objectInProgress = outerObject_;
  memberInProgress = outerMember_;
}

void failCallInProgress(Status status) {
  failProgram(RuntimeError::failedCall(status, objectInProgress, memberInProgress));
}

}  // namespace rt
