#include <gtest/gtest.h>

#include "app/registry_key.h"
#include "app/settings_catalogue.h"
#include "fakes/temp_config_dir.h"
#include "main_window/probe_inputs.h"

namespace {

TEST(ConvertDecimal, ReadsLikeASignedDecimalNumber) {
  struct Case {
    const char* text;
    DWORD value;
  };
  const Case cases[] = {
      {"10000", 10000}, {"", 0}, {"abc", 0}, {"  \t42", 42}, {"+7", 7}, {"-1", 0xFFFFFFFFu}, {"12abc", 12},
      {"1 2", 1}, {"-", 0}, {"+-3", 0}, {"0030", 30}, {"4294967296", 0}, {"4294967297", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ConvertDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(ConvertDecimal, InputsKeepTheirLowBits) {
  EXPECT_EQ(static_cast<BYTE>(ConvertDecimal("300")), 44);
  EXPECT_EQ(static_cast<BYTE>(ConvertDecimal("256")), 0);
  EXPECT_EQ(static_cast<WORD>(ConvertDecimal("65537")), 1);
  EXPECT_EQ(static_cast<BYTE>(ConvertDecimal("-1")), 255);
}

TEST(PingInputs, DefaultsFirstThenWhatIsStored) {
  TempConfigDir dir;
  CRegistryKey key;
  const PingInputs first = ReadPingInputs(key);
  EXPECT_EQ(first.bResolveNames, 1);
  EXPECT_EQ(first.bRawSocket, 0);
  EXPECT_EQ(first.bDontFragment, 0);
  EXPECT_EQ(first.nCount, 10u);
  EXPECT_EQ(first.nTtl, 30);
  EXPECT_EQ(first.nTos, 0);
  EXPECT_EQ(first.nDataSize, 32);
  EXPECT_EQ(first.nTimeout, 5000u);

  key.PutFlag(settings::kUseRawSockets, 1);
  key.PutFlag(settings::kResolveAddressesToHostnames, 0);
  key.PutString(settings::kTtl, "300");
  key.PutString(settings::kDataRequestSize, "");
  key.PutString(settings::kTimeout, "750");
  key.PutString(settings::kRequestsToSend, "0");
  const PingInputs stored = ReadPingInputs(key);
  EXPECT_EQ(stored.bRawSocket, 1);
  EXPECT_EQ(stored.bResolveNames, 0);
  EXPECT_EQ(stored.nTtl, 44);
  EXPECT_EQ(stored.nDataSize, 0) << "an empty text converts to 0";
  EXPECT_EQ(stored.nTimeout, 750u);
  EXPECT_EQ(stored.nCount, 0u);
}

TEST(TraceInputs, FromTheCachedTexts) {
  const TraceInputs inputs = TraceInputsFromTexts(0, "3", "256", "30000");
  EXPECT_EQ(inputs.bResolveNames, 0);
  EXPECT_EQ(inputs.nProbes, 3u);
  EXPECT_EQ(inputs.nHops, 0);
  EXPECT_EQ(inputs.nTimeout, 30000u);
}

}  // namespace
