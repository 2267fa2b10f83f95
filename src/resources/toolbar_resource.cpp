#include "resources/toolbar_resource.h"

#include "resources/command_ids.h"

std::span<const int> ToolbarButtons() {
  static constexpr int kButtons[] = {cmd::kToolbarPing, 0, cmd::kToolbarTrace, 0, cmd::kExport, 0,
                                     cmd::kStop,        0, cmd::kTraceSettings, 0, cmd::kAbout};
  return kButtons;
}
