#include "runtime/qt/qt_environment.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace rt::qt {
namespace {

// Every QT_ variable changes what Qt does: its platform, plugins, scale, style, fatal warnings.
void forgetQtVariables() {
  std::vector<std::string> names;
  for (char** entry = environ; *entry; ++entry) {
    if (std::strncmp(*entry, "QT_", 3) != 0) continue;
    const char* end = std::strchr(*entry, '=');
    names.emplace_back(*entry, end ? static_cast<std::size_t>(end - *entry) : std::strlen(*entry));
  }
  for (const std::string& name : names) unsetenv(name.c_str());
}

// A runtime directory that Qt takes as it is: its own, a directory, no one else's to read.
bool isPrivateDirectory(const char* path) {
  struct stat status {};
  return path && *path && lstat(path, &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == geteuid() && (status.st_mode & 0777) == 0700;
}

// Qt looks in the runtime directory only for a sandbox's mark, and makes one when the session has
// none it takes as it is: XDG_RUNTIME_DIR, or else one in the temporary directory. It is given
// the session's, the user's runtime directory or home when private; failing those, both point
// where no directory can be made, and Qt's complaints about it are not shown.
void keepQtFromMakingARuntimeDirectory() {
  const std::string userRuntime = "/run/user/" + std::to_string(geteuid());
  const char* const candidates[] = {std::getenv("XDG_RUNTIME_DIR"), userRuntime.c_str(),
                                    std::getenv("HOME")};
  for (const char* candidate : candidates) {
    if (isPrivateDirectory(candidate)) {
      setenv("XDG_RUNTIME_DIR", candidate, 1);
      return;
    }
  }
  setenv("XDG_RUNTIME_DIR", "/dev/null", 1);
  setenv("TMPDIR", "/dev/null", 1);
}

}  // namespace

void settleQtEnvironment() {
  forgetQtVariables();
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // Qt's own event loop: GLib's ends the process with a trap when it cannot have a descriptor.
  setenv("QT_NO_GLIB", "1", 1);
  // One picture pixel to one screen pixel: twips and points follow the screen's dots per inch.
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  keepQtFromMakingARuntimeDirectory();
}

}  // namespace rt::qt
