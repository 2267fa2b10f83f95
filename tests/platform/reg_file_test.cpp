#include <gtest/gtest.h>

#include "platform/reg_file.h"

namespace {

std::vector<BYTE> Text(const std::string& s) {
  std::vector<BYTE> data(s.begin(), s.end());
  data.push_back(0);
  return data;
}

TEST(RegFile, WritesTheExportFormat) {
  Hive hive;
  RegKey& key = hive.AddKey("HKEY_CURRENT_USER\\Software\\Brimvale\\Vantorel\\Settings");
  SetValue(key, {"Timeout", REG_SZ, Text("750")});
  SetValue(key, {"UseRawSockets", REG_BINARY, {1, 0, 0, 0}});
  SetValue(key, {"Count", REG_DWORD, {0x1e, 0, 0, 0}});
  SetValue(key, {"Path", REG_EXPAND_SZ, Text("%HOME%")});
  EXPECT_EQ(WriteRegFile(hive),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER\\Software\\Brimvale\\Vantorel\\Settings]\n"
            "\"Timeout\"=\"750\"\n"
            "\"UseRawSockets\"=hex:01,00,00,00\n"
            "\"Count\"=dword:0000001e\n"
            "\"Path\"=hex(2):25,48,4f,4d,45,25,00\n\n");
}

TEST(RegFile, EveryValueSurvivesARoundTrip) {
  const std::vector<RegValue> values = {
      {"plain", REG_SZ, Text("localhost")},
      {"empty", REG_SZ, Text("")},
      {"quotes and backslashes", REG_SZ, Text("say \"hi\" \\\\server\\share\\")},
      {"non-ASCII", REG_SZ, Text("h\xC3\xB4te-\xE6\x97\xA5\xE6\x9C\xAC")},
      {"line breaks", REG_SZ, Text("one\r\ntwo\nthree")},
      {"no terminator", REG_SZ, {'a', 'b'}},
      {"long binary", REG_BINARY, std::vector<BYTE>(300, 0xAB)},
      {"empty binary", REG_BINARY, {}},
      {"short dword", REG_DWORD, {1, 2}},
      {"type 7", 7, {0x61, 0, 0x62, 0, 0}},
      {"", REG_SZ, Text("default value")},
  };
  Hive hive;
  RegKey& key = hive.AddKey("HKEY_CURRENT_USER\\A");
  for (const auto& v : values) SetValue(key, v);
  hive.AddKey("HKEY_CURRENT_USER\\A\\Empty");
  const std::optional<Hive> back = ParseRegFile(WriteRegFile(hive));
  ASSERT_TRUE(back);
  ASSERT_EQ(back->keys.size(), 2u);
  for (const auto& v : values) {
    SCOPED_TRACE(v.name);
    const RegValue* found = FindValue(back->keys[0], v.name);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->type, v.type);
    EXPECT_EQ(found->data, v.data);
  }
}

TEST(RegFile, ReadsWhatAPersonWrites) {
  const char* text =
      "\xEF\xBB\xBFREGEDIT4\r\n"
      "; settings edited by hand\r\n"
      "\r\n"
      "[hkey_current_user\\software\\BRIMVALE\\vantorel\\settings]\r\n"
      "\"timeout\" = \"2500\"\r\n"
      "\"Blob\"=hex:01,02,\\\r\n"
      "  03,04\r\n"
      "\"Gone\"=\"x\"\r\n"
      "\"Gone\"=-\r\n"
      "@=\"default\"\r\n"
      "[HKEY_CURRENT_USER\\Old]\r\n"
      "\"x\"=dword:1\r\n"
      "[-HKEY_CURRENT_USER\\Old]\r\n";
  const std::optional<Hive> hive = ParseRegFile(text);
  ASSERT_TRUE(hive);
  const RegKey* key = hive->FindKey("HKEY_CURRENT_USER\\Software\\Brimvale\\Vantorel\\Settings");
  ASSERT_NE(key, nullptr);
  ASSERT_NE(FindValue(*key, "Timeout"), nullptr);
  EXPECT_EQ(FindValue(*key, "TIMEOUT")->data, Text("2500"));
  EXPECT_EQ(FindValue(*key, "blob")->data, (std::vector<BYTE>{1, 2, 3, 4}));
  EXPECT_EQ(FindValue(*key, "Gone"), nullptr);
  EXPECT_EQ(FindValue(*key, "")->data, Text("default"));
  EXPECT_EQ(hive->FindKey("HKEY_CURRENT_USER\\Old"), nullptr);
}

TEST(RegFile, MalformedTextIsRefused) {
  const char* cases[] = {
      "",
      "[HKEY_CURRENT_USER\\A]\n\"x\"=\"1\"\n",  // no header
      "REGEDIT5\n",
      "REGEDIT4\n\"x\"=\"1\"\n",                  // value before any key
      "REGEDIT4\n[HKEY_CURRENT_USER\\A\n",       // unclosed key
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"unterminated\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"bad \\n escape\"\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:1g\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:100\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:123456789\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex(zz):00\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"1\" trailing\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\ngarbage\n",
      "\x00\x01\x02 binary",
  };
  for (const char* text : cases) EXPECT_FALSE(ParseRegFile(text)) << text;
}

}  // namespace
