// Any hive file a person or a crash may leave behind: parsing never fails
// badly, and whatever parses is written back so that it parses the same.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<Hive> hive = ParseRegFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!hive) return 0;
  const std::optional<Hive> again = ParseRegFile(WriteRegFile(*hive));
  if (!again || again->keys.size() != hive->keys.size()) __builtin_trap();
  for (std::size_t k = 0; k < hive->keys.size(); ++k) {
    const RegKey& a = hive->keys[k];
    const RegKey& b = again->keys[k];
    if (a.path != b.path || a.values.size() != b.values.size()) __builtin_trap();
    for (std::size_t v = 0; v < a.values.size(); ++v)
      if (a.values[v].name != b.values[v].name || a.values[v].type != b.values[v].type ||
          a.values[v].data != b.values[v].data)
        __builtin_trap();
  }
  return 0;
}
