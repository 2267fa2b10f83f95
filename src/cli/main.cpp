// vantorel-cli: the ping and trace workers without a window, for scripts,
// benchmarks and people on a terminal.

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "workers/ping_thread.h"
#include "workers/shared_objects.h"
#include "workers/trace_thread.h"
#include "workers/worker_inputs.h"

namespace {

// Rows and status lines come from the worker's thread; every line is
// flushed at once so that they interleave with the worker's own lines.
std::mutex g_output;

class PrintingRows final : public RowSink {
 public:
  void DeleteAllRows() override {
    std::lock_guard lock(g_output);
    rows_ = 0;
  }
  int RowCount() override {
    std::lock_guard lock(g_output);
    return rows_;
  }
  void AppendRow(int, const std::vector<std::string>& cells) override {
    std::lock_guard lock(g_output);
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
    line += '\n';
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
    ++rows_;
  }

 private:
  int rows_ = 0;
};

class PrintingStatus final : public StatusSink {
 public:
  void SetPaneText(int, const std::string& text) override {
    std::lock_guard lock(g_output);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
  }
};

std::atomic<int> g_interrupts{0};  // lock-free, so safe in a signal handler

void OnInterrupt(int) {
  if (++g_interrupts > 1) ::_exit(130);
  g_hStopEvent.Set();
}

int ExitStatus(WorkerOutcome outcome) {
  switch (outcome) {
    case WorkerOutcome::kFinished: return 0;
    case WorkerOutcome::kStopped: return 130;
    case WorkerOutcome::kFailed: return 1;
  }
  return 1;
}

template <typename Worker>
int RunToEnd(Worker* worker) {
  std::promise<WorkerOutcome> done;
  worker->m_onDone = [&done](WorkerOutcome outcome) { done.set_value(outcome); };
  std::future<WorkerOutcome> outcome = done.get_future();
  worker->ResumeThread();
  const int status = ExitStatus(outcome.get());
  WaitForWorkers(std::chrono::seconds(5));  // let the worker finish deleting itself
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<CliCommand> command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &error);
  if (!command) {
    std::fprintf(stderr, "vantorel-cli: %s (see --help)\n", error.c_str());
    return 2;
  }
  if (command->kind == CliCommand::Kind::kHelp) {
    std::fputs(kCliUsage, stdout);
    return 0;
  }
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigaction(SIGINT, &action, nullptr);

  if (command->kind == CliCommand::Kind::kPing)
    return RunToEnd(NewPingThread(command->host, command->ping, std::make_shared<PrintingRows>(),
                                  std::make_shared<PrintingStatus>()));
  return RunToEnd(NewTraceThread(command->host, command->trace, std::make_shared<PrintingRows>(),
                                 std::make_shared<PrintingStatus>()));
}
