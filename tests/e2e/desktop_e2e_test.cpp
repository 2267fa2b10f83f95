// The installed program as a person uses it, under Xvfb inside a lab
// namespace, driven with xdotool: client - r1 - r2 - destination.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "fakes/temp_config_dir.h"
#include "netlab/child_process.h"
#include "netlab/netlab.h"
#include "platform/atomic_file.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const netlab::LabSpec kLab = [] {
  netlab::LabSpec spec;
  spec.routers = 2;
  spec.delayMs[1] = 2;
  spec.hosts = {{netlab::Address(2, true), "dest.lab"}};
  return spec;
}();

class DesktopE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    NETLAB_REQUIRE();
    prefix_ = config_.Base() + "/prefix";
    ASSERT_EQ(netlab::Shell("cmake --install " VANTOREL_BUILD_DIR " --prefix '" + prefix_ + "' > /dev/null"), 0);
    display_ = ":" + std::to_string(50 + ::getpid() % 40);
    xvfb_ = std::make_unique<netlab::ChildProcess>(
        std::vector<std::string>{"Xvfb", display_, "-screen", "0", "1280x900x24", "-nolisten", "tcp"});
    ::setenv("DISPLAY", display_.c_str(), 1);
    ::unsetenv("QT_QPA_PLATFORM");  // a real window on the X server
    ASSERT_TRUE(WaitFor([] { return netlab::Shell("xdotool getmouselocation > /dev/null 2>&1") == 0; }));
    CounterAtDestination();
  }
  void TearDown() override {
    if (app_) app_->Signal(SIGKILL);
    app_.reset();
    if (xvfb_) xvfb_->Signal(SIGTERM);
    xvfb_.reset();
  }

  static bool WaitFor(const std::function<bool()>& done, std::chrono::seconds limit = 20s) {
    const auto end = Clock::now() + limit;
    while (!done()) {
      if (Clock::now() > end) return false;
      std::this_thread::sleep_for(100ms);
    }
    return true;
  }

  void Store(const std::string& values) {
    std::filesystem::create_directories(config_.Dir());
    std::ofstream(config_.File("HKEY_CURRENT_USER.reg"))
        << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Brimvale\\Vantorel\\Settings]\n" << values;
  }

  void StartProgram() {
    app_ = std::make_unique<netlab::ChildProcess>(std::vector<std::string>{prefix_ + "/bin/vantorel"});
    ASSERT_TRUE(WaitFor([this] { return !Xdo("search --name '^Vantorel$'").empty(); }));
    window_ = Xdo("search --name '^Vantorel$'");
    window_ = window_.substr(0, window_.find('\n'));
    Xdo("windowfocus --sync " + window_);
  }

  static std::string Xdo(const std::string& arguments) {
    return netlab::Capture("xdotool " + arguments + " 2>/dev/null");
  }
  static void Keys(const std::string& keys) { Xdo("key --delay 60 " + keys); }

  std::string ExportFile() const { return prefix_ + "/bin/vantorel.csv"; }

  // Echo requests that reached the destination.
  void CounterAtDestination() {
    const std::string nft = "ip netns exec " + netlab::Namespace("dest") + " nft ";
    netlab::Shell(nft + "delete table ip probe 2>/dev/null");
    netlab::Shell(nft + "add table ip probe");
    netlab::Shell(nft + "'add chain ip probe in { type filter hook input priority 0; }'");
    netlab::Shell(nft + "add counter ip probe echo");
    netlab::Shell(nft + "'add rule ip probe in icmp type echo-request counter name echo'");
  }
  static long EchoRequestsSeen() {
    const std::string listing =
        netlab::Capture("ip netns exec " + netlab::Namespace("dest") + " nft list counter ip probe echo");
    std::smatch m;
    return std::regex_search(listing, m, std::regex("packets ([0-9]+)")) ? std::stol(m[1]) : -1;
  }

  TempConfigDir config_;
  std::string prefix_;
  std::string display_;
  std::string window_;
  std::unique_ptr<netlab::ChildProcess> xvfb_;
  std::unique_ptr<netlab::ChildProcess> app_;
};

TEST_F(DesktopE2E, TraceByEnterThenExport) {
  StartProgram();
  Xdo("type --delay 40 dest.lab");  // replaces the selected "localhost"
  Keys("Return");
  // The trace has ended once its last row, the destination's, is there.
  const std::string destinationRow = "dest.lab,[" + netlab::DestinationAddress(kLab) + "]\r\n";
  ASSERT_TRUE(WaitFor([&] {
    Keys("alt+f Return");  // File > Export to File...
    std::this_thread::sleep_for(300ms);
    const std::string csv = ReadWholeFile(ExportFile()).value_or("");
    return csv.find(destinationRow) != std::string::npos;
  })) << ReadWholeFile(ExportFile()).value_or("<no export file>");
  const std::string csv = ReadWholeFile(ExportFile()).value_or("");
  std::printf("%s", csv.c_str());
  std::istringstream lines(csv);
  std::string header, hop1, hop2, hop3, more;
  std::getline(lines, header);
  std::getline(lines, hop1);
  std::getline(lines, hop2);
  std::getline(lines, hop3);
  EXPECT_EQ(header, "Node,Min RTT,Avg RTT,Max RTT,Name,Address\r");
  EXPECT_TRUE(std::regex_match(hop1, std::regex("1,[0-9]+,[0-9]+,[0-9]+,\\*\\*\\*,\\[198\\.18\\.0\\.2\\]\r")));
  EXPECT_TRUE(std::regex_match(hop2, std::regex("2,[0-9]+,[0-9]+,[0-9]+,\\*\\*\\*,\\[198\\.18\\.1\\.2\\]\r")));
  EXPECT_TRUE(std::regex_match(hop3, std::regex("3,[0-9]+,[0-9]+,[0-9]+,dest\\.lab,\\[198\\.18\\.2\\.2\\]\r")));
  EXPECT_FALSE(std::getline(lines, more));
  Keys("Escape");
  EXPECT_EQ(app_->Wait(), 0);
  app_.reset();
}

TEST_F(DesktopE2E, StopEndsALongPing) {
  Store("\"RequestsToSend\"=\"0\"\n\"Timeout\"=\"1000\"\n");  // 0: until Stop
  StartProgram();
  Xdo("type --delay 40 dest.lab");
  Keys("alt+a Return");  // Action > Ping
  ASSERT_TRUE(WaitFor([] { return EchoRequestsSeen() > 20; })) << "the ping runs";
  Keys("alt+a Down Down Return");  // Action > Stop!
  ASSERT_TRUE(WaitFor([] {
    const long before = EchoRequestsSeen();
    std::this_thread::sleep_for(500ms);
    return EchoRequestsSeen() == before;
  })) << "requests keep coming after Stop";
  const long stopped = EchoRequestsSeen();
  std::this_thread::sleep_for(1s);
  EXPECT_EQ(EchoRequestsSeen(), stopped);
  std::printf("  echo requests before Stop took effect: %ld\n", stopped);
}

TEST_F(DesktopE2E, ClosingWithATraceRunningEndsTheProcess) {
  // The destination drops what it is sent, so its hop waits out 30 seconds.
  netlab::Shell("ip netns exec " + netlab::Namespace("dest") +
                " nft 'add rule ip probe in icmp type echo-request drop'");
  Store("\"Timeout\"=\"30000\"\n\"HopsNumber\"=\"3\"\n");
  StartProgram();
  Xdo("type --delay 40 dest.lab");
  Keys("Return");
  ASSERT_TRUE(WaitFor([] { return EchoRequestsSeen() > 0; })) << "the trace reached the silent hop";
  const auto closed = Clock::now();
  Keys("Escape");  // in the target box: the window closes
  const int status = app_->Wait();
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - closed);
  app_.reset();
  EXPECT_EQ(status, 0);
  std::printf("  process ended %lld ms after the window was closed\n", static_cast<long long>(took.count()));
}

}  // namespace

int main(int argc, char** argv) { return netlab::RunTestsInLab(argc, argv, kLab); }
