// Any "Layout" entry: the record parser never reads past the data, and a
// parsed placement is written back so that it parses the same.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "main_window/placement_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<LayoutRecord> record = ParseLayoutRecord(std::vector<BYTE>(data, data + size));
  if (!record) return 0;
  const std::optional<LayoutRecord> again = ParseLayoutRecord(WriteLayoutRecord(*record));
  if (!again || !(again->placement == record->placement)) __builtin_trap();
  return 0;
}
