// Any profile file: parsing never fails badly, what parses writes back the
// same, and binary entries decode without fault.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto bytes = DecodeProfileBinary(text); bytes && EncodeProfileBinary(*bytes) != text) __builtin_trap();
  const std::optional<IniFile> ini = ParseIni(text);
  if (!ini) return 0;
  const std::optional<IniFile> again = ParseIni(WriteIni(*ini));
  if (!again || again->sections.size() != ini->sections.size()) __builtin_trap();
  for (std::size_t s = 0; s < ini->sections.size(); ++s)
    if (again->sections[s].name != ini->sections[s].name || again->sections[s].entries != ini->sections[s].entries)
      __builtin_trap();
  return 0;
}
