// Start-up of the main window and its memory: the parent starts a child
// (this program again) that builds and shows the main window offscreen and
// reports when it is shown, its resident memory while idle, and again with
// 100 000 rows in the trace list.

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench_table.h"
#include "controls/sort_list_ctrl.h"
#include "main_window/main_dlg.h"

namespace {

constexpr int kRows = 100'000;

long long NowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

void Settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

int Child(int argc, char** argv, int reportFd) {
  QApplication app(argc, argv);
  CMainDlg window;
  window.ShowMainWindow();
  QApplication::processEvents();
  const long long shown = NowNs();
  Settle(300);
  const double idle = ResidentMegabytes();
  for (int i = 0; i < kRows; ++i)
    window.TraceList().AppendRow(0, {std::to_string(i % 255 + 1), "12", "13", "14", "hop.example",
                                     "[198.18." + std::to_string(i % 256) + "." + std::to_string(i % 200) + "]"});
  Settle(300);
  const double full = ResidentMegabytes();
  dprintf(reportFd, "%lld %f %f\n", shown, idle, full);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--child") return Child(argc, argv, std::atoi(argv[2]));
  const std::string config = "/tmp/vantorel-startup-bench-" + std::to_string(::getpid());
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int report[2];
  if (pipe(report) != 0) return 1;
  const long long start = NowNs();
  const pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    const std::string fd = std::to_string(report[1]);
    execl("/proc/self/exe", argv[0], "--child", fd.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(report[1]);
  char buffer[256] = {};
  const ssize_t got = read(report[0], buffer, sizeof buffer - 1);
  waitpid(child, nullptr, 0);
  std::system(("rm -rf " + config).c_str());
  long long shown = 0;
  double idle = 0, full = 0;
  if (got <= 0 || std::sscanf(buffer, "%lld %lf %lf", &shown, &idle, &full) != 3) return 1;
  const double startMs = static_cast<double>(shown - start) / 1e6;
  PrintBenchRow({"start-up to main window shown (offscreen)", startMs, "ms", 0, "< 300 ms", startMs < 300});
  PrintBenchRow({"resident memory, idle, empty lists", idle, "MB", 0, "< 60 MB", idle < 60});
  PrintBenchRow({"resident memory, 100 000 trace rows", full, "MB", 0, "-", true});
  return 0;
}
