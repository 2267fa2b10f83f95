#pragma once
// One row of the benchmark table, in Markdown, as every benchmark prints it.

#include <cstdio>
#include <string>

struct BenchRow {
  std::string figure;
  double ours;
  std::string unit;
  double peer = 0;  // 0: no peer measured
  std::string target;
  bool met;
};

inline void PrintBenchRow(const BenchRow& row) {
  char peer[64] = "-";
  char ratio[32] = "-";
  if (row.peer != 0) {
    std::snprintf(peer, sizeof peer, "%.2f %s", row.peer, row.unit.c_str());
    std::snprintf(ratio, sizeof ratio, "%.3f", row.ours / row.peer);
  }
  std::printf("| %s | %.2f %s | %s | %s | %s | %s |\n", row.figure.c_str(), row.ours, row.unit.c_str(), peer, ratio,
              row.target.c_str(), row.met ? "yes" : "**no**");
  std::fflush(stdout);
}
