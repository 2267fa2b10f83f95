#include "platform/config_dir.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

std::string ConfigDirectory() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
      const passwd* entry = ::getpwuid(::getuid());
      home = entry ? entry->pw_dir : "/tmp";
    }
    base = std::string(home) + "/.config";
  }
  return base + "/Brimvale/Vantorel";
}
