// vantorel-cli in a namespace lab: client - r1 - r2 - r3 - r4 - destination.
// r1, r2 and r4 hold what they forward and send for 5, 3 and 2 ms; r3 never
// reports an expired time to live. The client's hosts file names r1 and the
// destination.

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <regex>
#include <sstream>

#include "netlab/child_process.h"
#include "netlab/netlab.h"

namespace {

const std::map<int, int> kHoldMs = {{1, 5}, {2, 3}, {4, 2}};
const netlab::LabSpec kLab = [] {
  netlab::LabSpec spec;
  spec.routers = 4;
  spec.delayMs = kHoldMs;
  spec.silentRouters = {3};
  spec.hosts = {{netlab::RouterAddress(1), "r1.lab"}, {netlab::Address(4, true), "dest.lab"}};
  return spec;
}();
const std::string kDest = netlab::DestinationAddress(kLab);
const std::string kFinished = "  Finished Tracing " + kDest + " Vantorel -  [https://www.brimvale.example]\n";

// The least round trip to hop n: everything held on the way there and back,
// and once more by the hop itself when it is a router answering.
unsigned LeastRoundTrip(int hop) {
  unsigned sum = 0;
  for (const auto& [router, ms] : kHoldMs) {
    if (router < hop) sum += 2 * ms;
    if (router == hop) sum += ms;
  }
  return sum;
}

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream in(line);
  std::string cell;
  while (std::getline(in, cell, '\t')) cells.push_back(cell);
  return cells;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

void AllowDatagramSockets(bool allow) {
  std::ofstream("/proc/sys/net/ipv4/ping_group_range") << (allow ? "0 2147483647" : "1 0");
}

class CliLab : public ::testing::Test {
 protected:
  void SetUp() override { NETLAB_REQUIRE(); }
};

TEST_F(CliLab, TraceRowsHopByHop) {
  const netlab::Finished run = netlab::Run({VANTOREL_CLI_PATH, "trace", "--timeout", "500", "dest.lab"});
  std::printf("%s%s", run.out.c_str(), run.err.c_str());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "  Tracing dest.lab Vantorel -  [https://www.brimvale.example]\n"
                     "  Finished Tracing dest.lab Vantorel -  [https://www.brimvale.example]\n");
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;
  EXPECT_EQ(lines[2], "  3\t*\t*\t*\tError:11010");
  struct Expected {
    std::size_t line;
    int hop;
    const char* name;
    std::string address;
  };
  const Expected rows[] = {{0, 1, "r1.lab", netlab::RouterAddress(1)},
                           {1, 2, "***", netlab::RouterAddress(2)},
                           {3, 4, "***", netlab::RouterAddress(4)},
                           {4, 5, "dest.lab", kDest}};
  for (const auto& row : rows) {
    SCOPED_TRACE(lines[row.line]);
    const auto cells = Cells(lines[row.line]);
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0], std::to_string(row.hop));
    EXPECT_EQ(cells[4], row.name);
    EXPECT_EQ(cells[5], "[" + row.address + "]");
    const unsigned min = std::stoul(cells[1]), avg = std::stoul(cells[2]), max = std::stoul(cells[3]);
    EXPECT_LE(min, avg);
    EXPECT_LE(avg, max);
    EXPECT_GE(min, LeastRoundTrip(row.hop));
    std::printf("  hop %d: least possible %u ms, measured %u/%u/%u ms\n", row.hop, LeastRoundTrip(row.hop), min, avg,
                max);
  }
}

TEST_F(CliLab, TraceWithoutNamesHasFiveCells) {
  const netlab::Finished run = netlab::Run({VANTOREL_CLI_PATH, "trace", "--no-names", "--timeout", "300", kDest});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_FALSE(lines.empty());
  const auto last = Cells(lines.back());
  ASSERT_EQ(last.size(), 5u);
  EXPECT_EQ(last[4], "[" + kDest + "]");
  EXPECT_EQ(run.err.substr(run.err.find('\n') + 1), kFinished);
}

TEST_F(CliLab, InterruptEndsTheTraceLikeStop) {
  // With a long timeout, the silent third hop keeps the trace busy.
  netlab::ChildProcess trace({VANTOREL_CLI_PATH, "trace", "--timeout", "3000", kDest});
  std::string line;
  ASSERT_TRUE(trace.ReadLine(&line));
  ASSERT_TRUE(trace.ReadLine(&line));
  ASSERT_EQ(Cells(line).at(0), "2");
  trace.Signal(SIGINT);
  EXPECT_EQ(trace.Wait(), 130);
  // The rows so far, and the silent hop's line when its probe had started.
  const auto lines = Lines(trace.out);
  ASSERT_GE(lines.size(), 2u);
  ASSERT_LE(lines.size(), 3u) << trace.out;
  EXPECT_EQ(Cells(lines[0]).at(0), "1");
  EXPECT_EQ(Cells(lines[1]).at(0), "2");
  if (lines.size() == 3) {
    EXPECT_EQ(lines[2], "  3\t*\t*\t*\tError:11010");
  }
  EXPECT_EQ(Lines(trace.err).back(), "  Tracing was aborted by user. Vantorel - [https://www.brimvale.example]");
}

TEST_F(CliLab, PingRowsInEveryMode) {
  struct Mode {
    const char* what;
    std::vector<std::string> options;
    bool datagramSockets;
  };
  const Mode modes[] = {{"raw socket", {"--raw"}, false},
                        {"service over a raw socket", {}, false},
                        {"service over a datagram socket", {}, true}};
  for (const auto& mode : modes) {
    SCOPED_TRACE(mode.what);
    AllowDatagramSockets(mode.datagramSockets);
    std::vector<std::string> argv = {VANTOREL_CLI_PATH, "ping", "--count", "3"};
    argv.insert(argv.end(), mode.options.begin(), mode.options.end());
    argv.push_back(kDest);
    const netlab::Finished run = netlab::Run(argv);
    std::printf("  %s:\n%s%s", mode.what, run.out.c_str(), run.err.c_str());
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto cells = Cells(lines[i]);
      ASSERT_EQ(cells.size(), 3u);
      EXPECT_EQ(cells[0], std::to_string(i + 1));
      EXPECT_EQ(cells[1], kDest + " [dest.lab]");
      EXPECT_GE(std::stoul(cells[2]), LeastRoundTrip(5));
    }
    EXPECT_EQ(run.err, "  Pinging " + kDest + " Vantorel -  [https://www.brimvale.example]\n  Finished pinging " +
                           kDest + ". Vantorel - [https://www.brimvale.example]\n");
  }
  AllowDatagramSockets(false);
}

TEST_F(CliLab, PingTimeToLiveOneAndUnknownNames) {
  const netlab::Finished raw = netlab::Run({VANTOREL_CLI_PATH, "ping", "--raw", "--count", "1", "--ttl", "1",
                                            "--timeout", "300", kDest});
  EXPECT_EQ(raw.out, "1\tFailed in ping specified host, GetLastError returns: 10060\t***\n");
  const netlab::Finished service =
      netlab::Run({VANTOREL_CLI_PATH, "ping", "--count", "1", "--ttl", "1", "--no-names", kDest});
  EXPECT_EQ(Cells(service.out).at(1), netlab::RouterAddress(1)) << "the router's report counts as the answer";
  const netlab::Finished unknown = netlab::Run({VANTOREL_CLI_PATH, "ping", "--count", "2", "nowhere.lab"});
  EXPECT_EQ(unknown.out,
            "1\tFailed in ping specified host, GetLastError returns: 11001\t***\n"
            "2\tFailed in ping specified host, GetLastError returns: 11001\t***\n");
}

}  // namespace

int main(int argc, char** argv) { return netlab::RunTestsInLab(argc, argv, kLab); }
