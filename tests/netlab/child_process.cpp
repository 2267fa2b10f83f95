#include "netlab/child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace netlab {
namespace {

std::string ReadAll(int fd) {
  std::string text;
  char chunk[4096];
  ssize_t got;
  while ((got = ::read(fd, chunk, sizeof chunk)) > 0) text.append(chunk, static_cast<size_t>(got));
  return text;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
  int out[2], err[2];
  if (::pipe(out) != 0 || ::pipe(err) != 0) throw std::runtime_error("pipe");
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    for (int fd : {out[0], out[1], err[0], err[1]}) ::close(fd);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);
  outFd_ = out[0];
  errFd_ = err[0];
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    Wait();
  }
  if (outFd_ >= 0) ::close(outFd_);
  if (errFd_ >= 0) ::close(errFd_);
}

bool ChildProcess::ReadLine(std::string* line) {
  for (;;) {
    const auto end = out.find('\n', consumed_);
    if (end != std::string::npos) {
      *line = out.substr(consumed_, end - consumed_);
      consumed_ = end + 1;
      return true;
    }
    char chunk[4096];
    const ssize_t got = ::read(outFd_, chunk, sizeof chunk);
    if (got <= 0) return false;
    out.append(chunk, static_cast<size_t>(got));
  }
}

void ChildProcess::Signal(int signal) { ::kill(pid_, signal); }

int ChildProcess::Wait() {
  out += ReadAll(outFd_);
  err += ReadAll(errFd_);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Finished Run(const std::vector<std::string>& argv) {
  ChildProcess child(argv);
  const int status = child.Wait();
  return {status, child.out, child.err};
}

}  // namespace netlab
