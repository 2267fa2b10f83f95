#pragma once
// The command line of vantorel-cli, parsed into the inputs of one worker.

#include <optional>
#include <string>
#include <vector>

#include "platform/win_types.h"

struct PingCommand {
  bool raw = false;
  DWORD count = 10;
  DWORD timeout = 5000;
  WORD size = 32;
  BYTE ttl = 30;
  BYTE tos = 0;
  bool dontFragment = false;
  bool names = true;
  std::string host;
};

struct TraceCommand {
  BYTE hops = 30;
  DWORD probes = 3;
  DWORD timeout = 10000;
  bool names = true;
  std::string host;
};

struct CliCommand {
  enum class Kind { kPing, kTrace, kHelp } kind = Kind::kHelp;
  PingCommand ping;
  TraceCommand trace;
};

// The parsed command, or nothing with a one-line reason in *error.
std::optional<CliCommand> ParseCommandLine(const std::vector<std::string>& args, std::string* error);

extern const char* const kCliUsage;
