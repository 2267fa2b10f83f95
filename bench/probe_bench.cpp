// Ping accuracy and trace time in a lab built here, next to the system's
// ping and traceroute measured in the same run.
//
//   client - r1 - r2 - ... - r7 - destination (8 hops)
//
// r1 holds what it forwards and sends for 10 ms, r4 for 2 ms, r6 for 1 ms;
// so r2 is 10 ms away each way.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "bench_table.h"
#include "netlab/child_process.h"
#include "netlab/netlab.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRequests = 50;
constexpr int kSilentTimeoutMs = 1000;

const netlab::LabSpec kLab = [] {
  netlab::LabSpec spec;
  spec.routers = 7;
  spec.delayMs = {{1, 10}, {4, 2}, {6, 1}};
  return spec;
}();

// The least round trip to hop n: what is held on the way there and back,
// and once more by a router answering itself.
double LeastRoundTrip(int hop) {
  double ms = 0;
  for (const auto& [router, hold] : kLab.delayMs) {
    if (router < hop) ms += 2 * hold;
    if (router == hop && hop <= kLab.routers) ms += hold;
  }
  return ms;
}

struct Timed {
  netlab::Finished run;
  double wallMs;
};

Timed RunTimed(const std::vector<std::string>& argv) {
  const auto start = Clock::now();
  netlab::Finished run = netlab::Run(argv);
  return {std::move(run), std::chrono::duration<double, std::milli>(Clock::now() - start).count()};
}

// Mean and sum of the round trips in the third column of our ping rows.
std::pair<double, double> OurRoundTrips(const std::string& out) {
  std::istringstream lines(out);
  std::string line;
  double sum = 0;
  int count = 0;
  while (std::getline(lines, line)) {
    const auto tab = line.rfind('\t');
    if (tab == std::string::npos || line.find("Failed") != std::string::npos) continue;
    sum += std::stod(line.substr(tab + 1));
    ++count;
  }
  return {count ? sum / count : NAN, sum};
}

double PeerMean(const std::string& out) {
  std::smatch m;
  return std::regex_search(out, m, std::regex("= [0-9.]+/([0-9.]+)/")) ? std::stod(m[1]) : NAN;
}

void PingAccuracy(const std::string& target) {
  const Timed peer = RunTimed({"ping", "-n", "-q", "-c", std::to_string(kRequests), "-i", "0.01", target});
  const double peerMean = PeerMean(peer.run.out);
  for (const bool raw : {false, true}) {
    std::vector<std::string> argv = {VANTOREL_CLI_PATH, "ping", "--no-names", "--count", std::to_string(kRequests)};
    if (raw) argv.push_back("--raw");
    argv.push_back(target);
    const Timed ours = RunTimed(argv);
    const auto [mean, sum] = OurRoundTrips(ours.run.out);
    const std::string mode = raw ? "raw socket" : "ICMP service";
    PrintBenchRow({"ping mean round trip, 10 ms each way (" + mode + ")", mean, "ms", peerMean, "abs diff <= 1 ms",
                   std::fabs(mean - peerMean) <= 1.0});
    const double overhead = (ours.wallMs - sum) / kRequests;
    PrintBenchRow({"ping overhead per request (" + mode + ")", overhead, "ms", 0, "<= 0.2 ms", overhead <= 0.2});
  }
}

void TraceTime(const std::string& target) {
  double limit = 0;
  for (int hop = 1; hop <= kLab.routers + 1; ++hop) limit += 3 * LeastRoundTrip(hop);
  const Timed ours = RunTimed({VANTOREL_CLI_PATH, "trace", "--probes", "3", "--no-names", target});
  const Timed serial = RunTimed({"traceroute", "-I", "-q", "3", "-N", "1", "-n", target});
  const Timed parallel = RunTimed({"traceroute", "-I", "-q", "3", "-n", target});
  PrintBenchRow({"trace of 8 hops, wall time vs the physical limit", ours.wallMs, "ms", limit, "ratio <= 1.05",
                 ours.wallMs / limit <= 1.05});
  PrintBenchRow({"trace of 8 hops vs traceroute, one probe at a time", ours.wallMs, "ms", serial.wallMs, "-", true});
  PrintBenchRow({"trace of 8 hops vs traceroute, parallel probes", ours.wallMs, "ms", parallel.wallMs, "-", true});

  // r4 stops reporting: its hop costs one timeout instead of its three round trips.
  const std::string r4 = "ip netns exec " + netlab::Namespace("r4") + " nft ";
  netlab::Shell(r4 + "add table ip bench");
  netlab::Shell(r4 + "'add chain ip bench out { type filter hook output priority 0; }'");
  netlab::Shell(r4 + "add rule ip bench out icmp type time-exceeded drop");
  const Timed silent = RunTimed({VANTOREL_CLI_PATH, "trace", "--probes", "3", "--no-names", "--timeout",
                                 std::to_string(kSilentTimeoutMs), target});
  netlab::Shell(r4 + "delete table ip bench");
  const double expected = kSilentTimeoutMs - 3 * LeastRoundTrip(4);
  const double extra = silent.wallMs - ours.wallMs;
  PrintBenchRow({"one silent hop: extra time vs one timeout less its 3 round trips", extra, "ms", expected,
                 "ratio <= 1.05", extra / expected <= 1.05});
}

}  // namespace

int main(int argc, char** argv) {
  return netlab::RunInLab(argc, argv, kLab, [](int, char**) {
    if (!netlab::InLab()) {
      std::printf("| probe benchmarks | skipped: %s | | | | |\n", netlab::WhyNoLab().c_str());
      return 0;
    }
    PingAccuracy(netlab::RouterAddress(2));
    TraceTime(netlab::DestinationAddress(kLab));
    return 0;
  });
}
