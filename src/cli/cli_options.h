#pragma once
// The command line of vantorel-cli, parsed into the inputs of one worker.

#include <optional>
#include <string>
#include <vector>

#include "platform/win_types.h"
#include "workers/worker_inputs.h"

// The defaults are those of the settings.
struct CliCommand {
  enum class Kind { kPing, kTrace, kHelp } kind = Kind::kHelp;
  std::string host;
  PingInputs ping;
  TraceInputs trace;
};

// The parsed command, or nothing with a one-line reason in *error.
std::optional<CliCommand> ParseCommandLine(const std::vector<std::string>& args, std::string* error);

extern const char* const kCliUsage;
