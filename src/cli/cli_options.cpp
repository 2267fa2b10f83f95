#include "cli/cli_options.h"

#include <charconv>
#include <cstdint>
#include <functional>
#include <map>

const char* const kCliUsage =
    "usage: vantorel-cli ping  [--raw] [--count N] [--timeout MS] [--size N] [--ttl N] [--tos N] [--df]\n"
    "                          [--names | --no-names] HOST\n"
    "       vantorel-cli trace [--hops N] [--probes N] [--timeout MS] [--names | --no-names] HOST\n"
    "\n"
    "Rows go to standard output, one a line with tab-separated cells; status texts go\n"
    "to standard error. Exit status: 0 finished, 1 failed, 2 bad usage, 130 stopped.\n"
    "A first Ctrl-C stops the run after the request in progress; a second exits at once.\n";

namespace {

// A decimal integer that fits [0, max], with nothing around it.
bool ParseNumber(const std::string& text, std::uint64_t max, std::uint64_t* value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value, 10);
  return ec == std::errc() && ptr == end && *value <= max;
}

struct NumberOption {
  std::function<void(std::uint64_t)> store;
  std::uint64_t max;
};

// An option whose value fills `field`, which holds at most `max`.
template <typename T>
NumberOption Into(T* field, std::uint64_t max) {
  return {[field](std::uint64_t value) { *field = static_cast<T>(value); }, max};
}

struct OptionTable {
  std::map<std::string, std::function<void()>> flags;
  std::map<std::string, NumberOption> numbers;
};

bool ParseOptions(const std::vector<std::string>& args, const OptionTable& table, std::string* host,
                  std::string* error) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (auto flag = table.flags.find(arg); flag != table.flags.end()) {
      flag->second();
    } else if (auto number = table.numbers.find(arg); number != table.numbers.end()) {
      if (i + 1 >= args.size()) {
        *error = arg + " needs a value";
        return false;
      }
      const std::string& text = args[++i];
      std::uint64_t value = 0;
      if (!ParseNumber(text, number->second.max, &value)) {
        *error = arg + ": '" + text + "' is not a decimal integer from 0 to " + std::to_string(number->second.max);
        return false;
      }
      number->second.store(value);
    } else if (arg.rfind("-", 0) == 0 && arg.size() > 1) {
      *error = "unknown option " + arg;
      return false;
    } else if (host->empty()) {
      *host = arg;
    } else {
      *error = "more than one host: " + *host + " and " + arg;
      return false;
    }
  }
  if (host->empty()) {
    *error = "missing host";
    return false;
  }
  return true;
}

}  // namespace

std::optional<CliCommand> ParseCommandLine(const std::vector<std::string>& args, std::string* error) {
  CliCommand command;
  for (const std::string& arg : args)
    if (arg == "--help" || arg == "-h") return command;
  if (args.empty()) {
    *error = "missing command (ping or trace)";
    return std::nullopt;
  }
  constexpr std::uint64_t kDword = 0xFFFFFFFFu;
  OptionTable table;
  bool ok = false;
  if (args[0] == "ping") {
    PingInputs& p = command.ping;
    command.kind = CliCommand::Kind::kPing;
    table.flags = {{"--raw", [&] { p.bRawSocket = 1; }},
                   {"--df", [&] { p.bDontFragment = 1; }},
                   {"--names", [&] { p.bResolveNames = 1; }},
                   {"--no-names", [&] { p.bResolveNames = 0; }}};
    table.numbers = {{"--count", Into(&p.nCount, kDword)}, {"--timeout", Into(&p.nTimeout, kDword)},
                     {"--size", Into(&p.nDataSize, 65535)}, {"--ttl", Into(&p.nTtl, 255)},
                     {"--tos", Into(&p.nTos, 255)}};
    ok = ParseOptions(args, table, &command.host, error);
  } else if (args[0] == "trace") {
    TraceInputs& t = command.trace;
    command.kind = CliCommand::Kind::kTrace;
    table.flags = {{"--names", [&] { t.bResolveNames = 1; }}, {"--no-names", [&] { t.bResolveNames = 0; }}};
    table.numbers = {{"--hops", Into(&t.nHops, 255)}, {"--probes", Into(&t.nProbes, kDword)},
                     {"--timeout", Into(&t.nTimeout, kDword)}};
    ok = ParseOptions(args, table, &command.host, error);
  } else {
    *error = "unknown command " + args[0] + " (ping or trace)";
  }
  if (!ok) return std::nullopt;
  return command;
}
