// Export of a 100 000-row trace list: building the text, and the whole
// round trip through the file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "main_window/csv_export.h"
#include "platform/atomic_file.h"

namespace {

class TraceRows final : public RowSource {
 public:
  explicit TraceRows(int count) {
    for (int i = 0; i < count; ++i) {
      const std::string n = std::to_string(i % 255 + 1);
      rows_.push_back({n, std::to_string(i % 97), std::to_string(i % 89), std::to_string(i % 83),
                       "hop-" + n + ".example", "[198.18." + std::to_string(i % 256) + "." + std::to_string(i % 200) + "]"});
    }
  }
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string CellText(int row, int column) const override {
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }

 private:
  std::vector<std::vector<std::string>> rows_;
};

constexpr int kRows = 100'000;

void BM_CsvText(benchmark::State& state) {
  const TraceRows rows(kRows);
  for (auto _ : state) benchmark::DoNotOptimize(TraceListCsv(rows, 1));
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CsvText)->Unit(benchmark::kMillisecond);

void BM_CsvExportRoundTrip(benchmark::State& state) {
  const TraceRows rows(kRows);
  const std::string path = "/tmp/vantorel-bench-" + std::to_string(::getpid()) + ".csv";
  for (auto _ : state) {
    if (!WriteExportFile(path, TraceListCsv(rows, 1))) state.SkipWithError("export failed");
    benchmark::DoNotOptimize(ReadWholeFile(path));
  }
  ::unlink(path.c_str());
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CsvExportRoundTrip)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
