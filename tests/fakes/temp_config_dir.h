#pragma once
// A fresh configuration directory for one test: XDG_CONFIG_HOME points at a
// new temporary directory, removed again afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/config_dir.h"

class TempConfigDir {
 public:
  TempConfigDir() {
    char pattern[] = "/tmp/vantorel-test-XXXXXX";
    base_ = ::mkdtemp(pattern);
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) previous_ = old;
    ::setenv("XDG_CONFIG_HOME", base_.c_str(), 1);
  }
  ~TempConfigDir() {
    if (previous_.empty()) {
      ::unsetenv("XDG_CONFIG_HOME");
    } else {
      ::setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
    }
    std::filesystem::remove_all(base_);
  }
  TempConfigDir(const TempConfigDir&) = delete;
  TempConfigDir& operator=(const TempConfigDir&) = delete;

  const std::string& Base() const { return base_; }
  std::string Dir() const { return ConfigDirectory(); }
  std::string File(const std::string& name) const { return Dir() + "/" + name; }

 private:
  std::string base_;
  std::string previous_;
};
