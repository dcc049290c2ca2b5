#pragma once

#include <string_view>

namespace rt {

// Marks the call on a form that the platform is carrying out while it lives, for a platform
// that gives up inside it (failCallInProgress). Calls nest: the innermost is the one in progress.
class CallInProgress {
 public:
  CallInProgress(std::string_view object, std::string_view member);
  ~CallInProgress();
  CallInProgress(const CallInProgress&) = delete;
  CallInProgress& operator=(const CallInProgress&) = delete;

 private:
  std::string_view outerObject_;
  std::string_view outerMember_;
};

}  // namespace rt
