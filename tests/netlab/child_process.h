#pragma once
// A program started by a test with its output on pipes: read its lines as
// they come, signal it, collect the rest and its exit status.

#include <sys/types.h>

#include <string>
#include <vector>

namespace netlab {

class ChildProcess {
 public:
  explicit ChildProcess(const std::vector<std::string>& argv);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line of standard output without its line feed; false at its end.
  bool ReadLine(std::string* line);
  void Signal(int signal);
  // Waits for the end; returns the exit status (128 + signal when killed).
  int Wait();

  std::string out;  // everything read from standard output so far
  std::string err;  // standard error, complete after Wait

 private:
  pid_t pid_ = -1;
  int outFd_ = -1;
  int errFd_ = -1;
  std::size_t consumed_ = 0;
};

struct Finished {
  int status;
  std::string out;
  std::string err;
};
// Runs a program to its end.
Finished Run(const std::vector<std::string>& argv);

}  // namespace netlab
