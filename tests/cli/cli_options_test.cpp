#include <gtest/gtest.h>

#include "cli/cli_options.h"

namespace {

std::optional<CliCommand> Parse(std::vector<std::string> args, std::string* error) {
  return ParseCommandLine(args, error);
}

TEST(CliOptions, Defaults) {
  std::string error;
  const auto ping = Parse({"ping", "host"}, &error);
  ASSERT_TRUE(ping);
  EXPECT_EQ(ping->kind, CliCommand::Kind::kPing);
  EXPECT_EQ(ping->ping.bRawSocket, 0);
  EXPECT_EQ(ping->ping.nCount, 10u);
  EXPECT_EQ(ping->ping.nTimeout, 5000u);
  EXPECT_EQ(ping->ping.nDataSize, 32);
  EXPECT_EQ(ping->ping.nTtl, 30);
  EXPECT_EQ(ping->ping.nTos, 0);
  EXPECT_EQ(ping->ping.bDontFragment, 0);
  EXPECT_EQ(ping->ping.bResolveNames, 1);
  EXPECT_EQ(ping->host, "host");

  const auto trace = Parse({"trace", "host"}, &error);
  ASSERT_TRUE(trace);
  EXPECT_EQ(trace->trace.nHops, 30);
  EXPECT_EQ(trace->trace.nProbes, 3u);
  EXPECT_EQ(trace->trace.nTimeout, 10000u);
  EXPECT_EQ(trace->trace.bResolveNames, 1);
}

TEST(CliOptions, EveryOptionLandsInItsField) {
  std::string error;
  const auto ping = Parse({"ping", "--raw", "--count", "0", "--timeout", "4294967295", "--size", "65535", "--ttl",
                           "255", "--tos", "184", "--df", "--no-names", "h"},
                          &error);
  ASSERT_TRUE(ping) << error;
  EXPECT_EQ(ping->ping.bRawSocket, 1);
  EXPECT_EQ(ping->ping.nCount, 0u);
  EXPECT_EQ(ping->ping.nTimeout, 4294967295u);
  EXPECT_EQ(ping->ping.nDataSize, 65535);
  EXPECT_EQ(ping->ping.nTtl, 255);
  EXPECT_EQ(ping->ping.nTos, 184);
  EXPECT_EQ(ping->ping.bDontFragment, 1);
  EXPECT_EQ(ping->ping.bResolveNames, 0);

  const auto trace = Parse({"trace", "--hops", "0", "--probes", "1", "--timeout", "750", "--no-names", "h"}, &error);
  ASSERT_TRUE(trace) << error;
  EXPECT_EQ(trace->trace.nHops, 0);
  EXPECT_EQ(trace->trace.nProbes, 1u);
  EXPECT_EQ(trace->trace.nTimeout, 750u);
  EXPECT_EQ(trace->trace.bResolveNames, 0);
}

TEST(CliOptions, BadInputNamesTheOption) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  const Case cases[] = {
      {{}, "missing command (ping or trace)"},
      {{"probe", "h"}, "unknown command probe (ping or trace)"},
      {{"ping"}, "missing host"},
      {{"ping", "--bogus", "h"}, "unknown option --bogus"},
      {{"trace", "--raw", "h"}, "unknown option --raw"},
      {{"ping", "--ttl", "256", "h"}, "--ttl: '256' is not a decimal integer from 0 to 255"},
      {{"ping", "--tos", "-1", "h"}, "--tos: '-1' is not a decimal integer from 0 to 255"},
      {{"ping", "--size", "65536", "h"}, "--size: '65536' is not a decimal integer from 0 to 65535"},
      {{"trace", "--hops", "256", "h"}, "--hops: '256' is not a decimal integer from 0 to 255"},
      {{"ping", "--count", "1e3", "h"}, "--count: '1e3' is not a decimal integer from 0 to 4294967295"},
      {{"ping", "--count", "0x10", "h"}, "--count: '0x10' is not a decimal integer from 0 to 4294967295"},
      {{"ping", "--count", " 5", "h"}, "--count: ' 5' is not a decimal integer from 0 to 4294967295"},
      {{"ping", "--timeout", "4294967296", "h"}, "--timeout: '4294967296' is not a decimal integer from 0 to 4294967295"},
      {{"ping", "--count", ""}, "--count: '' is not a decimal integer from 0 to 4294967295"},
      {{"ping", "h", "--count"}, "--count needs a value"},
      {{"ping", "a", "b"}, "more than one host: a and b"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(Parse(c.args, &error));
    EXPECT_EQ(error, c.error);
  }
}

TEST(CliOptions, HelpWinsAnywhere) {
  std::string error;
  for (const auto& args : {std::vector<std::string>{"--help"}, {"ping", "--ttl", "999", "--help"}}) {
    const auto command = Parse(args, &error);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->kind, CliCommand::Kind::kHelp);
  }
}

}  // namespace
