#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/registry_key.h"
#include "app/settings_catalogue.h"
#include "fakes/temp_config_dir.h"
#include "platform/atomic_file.h"

namespace {

const std::string kKeyLine = "[HKEY_CURRENT_USER\\Software\\Brimvale\\Vantorel\\Settings]\n";

class RegistryKeyTest : public ::testing::Test {
 protected:
  CRegistryKey OpenSettings() {
    CRegistryKey key;
    EXPECT_TRUE(key.SetRoot(HKEY_CURRENT_USER));
    EXPECT_TRUE(key.OpenPath(settings::kKeyPath));
    return key;
  }
  std::string HiveText() { return ReadWholeFile(dir.File("HKEY_CURRENT_USER.reg")).value_or("<missing>"); }
  void WriteHive(const std::string& values) {
    std::filesystem::create_directories(dir.Dir());
    std::ofstream(dir.File("HKEY_CURRENT_USER.reg")) << "REGEDIT4\n\n" << kKeyLine << values;
  }

  TempConfigDir dir;
};

TEST_F(RegistryKeyTest, FirstRunCreatesTheKeyAndReadsEveryDefault) {
  CRegistryKey key = OpenSettings();
  EXPECT_EQ(HiveText(), "REGEDIT4\n\n" + kKeyLine + "\n") << "the key, and no value";
  for (const auto& entry : settings::kCatalogue) {
    if (entry.kind == settings::Kind::kText) {
      EXPECT_EQ(key.GetString(entry.name, "default of the reader"), "default of the reader") << entry.name;
    } else {
      EXPECT_EQ(key.GetFlag(entry.name, 7), 7u) << entry.name;
    }
  }
}

TEST_F(RegistryKeyTest, StoredValuesAsTheReadersSeeThem) {
  struct Case {
    const char* what;
    std::string line;  // as stored in the hive file
    std::string text;  // GetString with default "D"
    DWORD flag;        // GetFlag with default 99
  };
  const std::string text254(254, 'x');
  const std::string text255(255, 'x');
  const Case cases[] = {
      {"missing value", "", "D", 99},
      {"text", "\"V\"=\"10000\"\n", "10000", 99},
      {"empty text", "\"V\"=\"\"\n", "", 0},
      {"254 characters", "\"V\"=\"" + text254 + "\"\n", text254, 99},
      {"255 characters", "\"V\"=\"" + text255 + "\"\n", "D", 99},
      {"expand text is not expanded", "\"V\"=hex(2):25,48,4f,4d,45,25,00\n", "%HOME%", 99},
      {"4-byte binary flag", "\"V\"=hex:01,00,00,00\n", "D", 1},
      {"REG_DWORD flag", "\"V\"=dword:00000001\n", "D", 1},
      {"5-byte binary flag", "\"V\"=hex:01,00,00,00,00\n", "D", 99},
      {"2-byte flag fills the low bytes", "\"V\"=hex:02,01\n", "D", 0x0102},
      {"number stored as REG_DWORD", "\"V\"=dword:0000001e\n", "D", 30},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteHive(c.line);
    const CRegistryKey key = OpenSettings();
    EXPECT_EQ(key.GetString("v", "D"), c.text);
    EXPECT_EQ(key.GetFlag("V", 99), c.flag);
  }
}

TEST_F(RegistryKeyTest, WritesKeepTypesAndLimits) {
  CRegistryKey key = OpenSettings();
  EXPECT_TRUE(key.PutString("Address", std::string(254, 'a')));
  EXPECT_FALSE(key.PutString("Address", std::string(255, 'b'))) << "longer than 254: nothing written";
  EXPECT_EQ(key.GetString("Address", ""), std::string(254, 'a'));
  EXPECT_TRUE(key.PutString("Timeout", ""));
  EXPECT_EQ(key.GetString("Timeout", "10000"), "") << "an empty text is not the default";
  EXPECT_TRUE(key.PutFlag("UseRawSockets", 1));
  EXPECT_TRUE(key.PutFlag("DontFragment", 0x01020304));
  EXPECT_EQ(key.GetFlag("DontFragment", 0), 0x01020304u);
  const std::string hive = HiveText();
  EXPECT_NE(hive.find("\"UseRawSockets\"=hex:01,00,00,00\n"), std::string::npos) << hive;
  EXPECT_NE(hive.find("\"Timeout\"=\"\"\n"), std::string::npos) << hive;
}

TEST_F(RegistryKeyTest, TextsOfEveryKindSurvive) {
  CRegistryKey key = OpenSettings();
  for (const std::string text : {"h\xC3\xB4te.example", "quote \" and \\ backslash", "line\nbreak\r\n", "tab\there"}) {
    ASSERT_TRUE(key.PutString("Address", text));
    EXPECT_EQ(key.GetString("Address", "D"), text);
  }
}

TEST_F(RegistryKeyTest, RootsAndPaths) {
  CRegistryKey key;
  EXPECT_FALSE(key.SetRoot(static_cast<HKEY>(0x80000005)));
  EXPECT_EQ(key.Root(), HKEY_CURRENT_USER);
  EXPECT_TRUE(key.SetRoot(HKEY_LOCAL_MACHINE));
  EXPECT_TRUE(key.OpenPath("Software\\X"));
  EXPECT_TRUE(key.PutString("V", "1"));
  EXPECT_TRUE(std::filesystem::exists(dir.File("HKEY_LOCAL_MACHINE.reg")));
  EXPECT_FALSE(key.OpenPath("Bad[Path]"));
  EXPECT_EQ(key.Path(), "Software\\X") << "a failed open keeps the path";
  CRegistryKey lower = OpenSettings();
  CRegistryKey other;
  other.OpenPath("SOFTWARE\\brimvale\\VANTOREL\\settings");
  lower.PutString("Address", "x");
  EXPECT_EQ(other.GetString("ADDRESS", "D"), "x") << "keys and names match without case";
}

TEST_F(RegistryKeyTest, UnusableConfigDirectoryFailsSilently) {
  std::ofstream(dir.Base() + "/Brimvale") << "a file where the directory should be";
  CRegistryKey key;
  EXPECT_FALSE(key.OpenPath(settings::kKeyPath));
  EXPECT_FALSE(key.PutString("Address", "x"));
  EXPECT_EQ(key.GetString("Address", "D"), "D");
  EXPECT_EQ(key.GetFlag("ResolveNames", 1), 1u);
}

TEST_F(RegistryKeyTest, CorruptHiveReadsAsDefaultsAndIsKeptAside) {
  std::filesystem::create_directories(dir.Dir());
  const std::string garbage = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\n\"Address\"=\"kept\"\n";
  std::ofstream(dir.File("HKEY_CURRENT_USER.reg")) << garbage;
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  EXPECT_EQ(key.GetString("Address", "D"), "D");
  EXPECT_EQ(ReadWholeFile(dir.File("HKEY_CURRENT_USER.reg.corrupt")), garbage);
  EXPECT_TRUE(key.PutString("Address", "new"));
  EXPECT_EQ(key.GetString("Address", "D"), "new");
  EXPECT_EQ(ReadWholeFile(dir.File("HKEY_CURRENT_USER.reg.corrupt")), garbage);
}

TEST_F(RegistryKeyTest, TwoProcessesWritingAtOnceLoseNothing) {
  OpenSettings();
  constexpr int kWriters = 4;
  constexpr int kWrites = 25;
  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      CRegistryKey key;
      key.OpenPath(settings::kKeyPath);
      bool ok = true;
      for (int i = 0; i < kWrites; ++i) ok &= key.PutString("Writer" + std::to_string(w), std::to_string(i));
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  const CRegistryKey key = OpenSettings();
  for (int w = 0; w < kWriters; ++w) EXPECT_EQ(key.GetString("Writer" + std::to_string(w), "lost"), "24");
}

TEST_F(RegistryKeyTest, WriteInterruptedBeforeTheRenameLeavesTheOldFile) {
  CRegistryKey key = OpenSettings();
  ASSERT_TRUE(key.PutString("Address", "old"));
  const std::string before = HiveText();

  atomic_file_seam::SetBeforeRename([](const std::string&) { return false; });
  EXPECT_FALSE(key.PutString("Address", "new"));
  atomic_file_seam::SetBeforeRename(nullptr);
  EXPECT_EQ(HiveText(), before);

  const pid_t pid = ::fork();  // a process that dies between the two steps
  if (pid == 0) {
    atomic_file_seam::SetBeforeRename([](const std::string&) -> bool { ::_exit(3); });
    key.PutString("Address", "never");
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 3);
  EXPECT_EQ(HiveText(), before);
  EXPECT_EQ(key.GetString("Address", "D"), "old");
  EXPECT_TRUE(key.PutString("Address", "next"));
  EXPECT_EQ(key.GetString("Address", "D"), "next");
}

}  // namespace
