#include "netlab/netlab.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace netlab {
namespace {

constexpr const char* kPrefixVariable = "NETLAB_PREFIX";
std::string g_prefix;      // set in the child
std::string g_whyNoLab = "network lab tests need root (they create network namespaces); skipped";
pid_t g_child = 0;

std::string RoleOfNode(int node, int routers) {
  if (node == 0) return "client";
  if (node == routers + 1) return "dest";
  return "r" + std::to_string(node);
}

void Must(const std::string& command) {
  if (Shell(command) != 0) throw std::runtime_error("lab set-up failed: " + command);
}

std::string Exec(const std::string& ns, const std::string& command) {
  return "ip netns exec " + ns + " " + command;
}

// Namespaces of earlier runs whose test process is gone (killed on timeout).
void RemoveStaleLabs() {
  std::istringstream list(Capture("ip netns list 2>/dev/null"));
  std::string line;
  while (std::getline(list, line)) {
    const std::string name = line.substr(0, line.find(' '));
    if (name.rfind("vl", 0) != 0) continue;
    const auto dash = name.find('-');
    if (dash == std::string::npos) continue;
    const pid_t owner = static_cast<pid_t>(std::atol(name.substr(2, dash - 2).c_str()));
    if (owner > 0 && ::kill(owner, 0) != 0) {
      Shell("ip netns del " + name + " 2>/dev/null");
      std::filesystem::remove_all("/etc/netns/" + name);
    }
  }
}

class Lab {
 public:
  Lab(const LabSpec& spec, std::string prefix) : spec_(spec), prefix_(std::move(prefix)) {}
  ~Lab() { TearDown(); }

  void Build() {
    const int nodes = spec_.routers + 2;
    for (int n = 0; n < nodes; ++n) {
      const std::string ns = Ns(n);
      Must("ip netns add " + ns);
      created_.push_back(ns);
      Must("ip -n " + ns + " link set lo up");
      Shell(Exec(ns, "sysctl -qw net.ipv4.icmp_ratelimit=0"));
      Shell(Exec(ns, "sysctl -qw net.ipv4.icmp_msgs_per_sec=100000 2>/dev/null"));
    }
    for (int link = 0; link + 1 < nodes; ++link) {
      const std::string left = prefix_ + "l" + std::to_string(link);
      const std::string right = prefix_ + "r" + std::to_string(link);
      Must("ip link add " + left + " netns " + Ns(link) + " type veth peer name " + right + " netns " + Ns(link + 1));
      Must("ip -n " + Ns(link) + " addr add " + Address(link, false) + "/24 dev " + left);
      Must("ip -n " + Ns(link + 1) + " addr add " + Address(link, true) + "/24 dev " + right);
      if (auto mtu = spec_.linkMtu.find(link); mtu != spec_.linkMtu.end()) {
        Must("ip -n " + Ns(link) + " link set " + left + " mtu " + std::to_string(mtu->second));
        Must("ip -n " + Ns(link + 1) + " link set " + right + " mtu " + std::to_string(mtu->second));
      }
      Must("ip -n " + Ns(link) + " link set " + left + " up");
      Must("ip -n " + Ns(link + 1) + " link set " + right + " up");
    }
    for (int n = 0; n < nodes; ++n) {
      for (int link = 0; link + 1 < nodes; ++link) {
        if (link == n - 1 || link == n) continue;  // directly connected
        const std::string via = link < n ? Address(n - 1, false) : Address(n, true);
        Must("ip -n " + Ns(n) + " route add 198.18." + std::to_string(link) + ".0/24 via " + via);
      }
    }
    for (int r = 1; r <= spec_.routers; ++r) {
      Must(Exec(Ns(r), "sysctl -qw net.ipv4.ip_forward=1"));
      if (spec_.silentRouters.count(r)) {
        Must(Exec(Ns(r), "nft add table ip netlab"));
        Must(Exec(Ns(r), "nft 'add chain ip netlab out { type filter hook output priority 0; }'"));
        Must(Exec(Ns(r), "nft add rule ip netlab out icmp type time-exceeded drop"));
      }
      if (auto delay = spec_.delayMs.find(r); delay != spec_.delayMs.end()) StartDelay(r, delay->second);
    }
    WriteHostsFile();
  }

  void TearDown() {
    for (pid_t helper : helpers_) {
      ::kill(helper, SIGTERM);
      ::waitpid(helper, nullptr, 0);
    }
    helpers_.clear();
    for (const std::string& ns : created_) {
      Shell("ip netns del " + ns + " 2>/dev/null");
      std::filesystem::remove_all("/etc/netns/" + ns);
    }
    created_.clear();
  }

 private:
  std::string Ns(int node) const { return prefix_ + RoleOfNode(node, spec_.routers); }

  void StartDelay(int router, int ms) {
    const std::string ns = Ns(router);
    for (const char* chain : {"FORWARD", "OUTPUT"})
      Must(Exec(ns, std::string("iptables -A ") + chain + " -p icmp -j NFQUEUE --queue-num 0"));
    int ready[2];
    if (::pipe(ready) != 0) throw std::runtime_error("pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::dup2(ready[1], STDOUT_FILENO);
      ::close(ready[0]);
      const std::string delay = std::to_string(ms);
      ::execlp("ip", "ip", "netns", "exec", ns.c_str(), NETLAB_DELAY_PATH, "--queue", "0", "--delay", delay.c_str(),
               static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(ready[1]);
    helpers_.push_back(pid);
    char word[16] = {};
    const ssize_t got = ::read(ready[0], word, sizeof word - 1);
    ::close(ready[0]);
    if (got <= 0 || std::string(word).rfind("ready", 0) != 0) throw std::runtime_error("delay helper did not start");
  }

  // Names come from files only, so no lookup can reach a real resolver.
  void WriteHostsFile() {
    const std::string dir = "/etc/netns/" + Ns(0);
    std::filesystem::create_directories(dir);
    std::ofstream hosts(dir + "/hosts");
    hosts << "127.0.0.1 localhost\n";
    for (const auto& [address, name] : spec_.hosts) hosts << address << ' ' << name << '\n';
    std::ofstream(dir + "/nsswitch.conf") << "hosts: files\n";
    std::ofstream(dir + "/resolv.conf") << "nameserver 127.0.0.1\noptions attempts:1 timeout:1\n";
  }

  LabSpec spec_;
  std::string prefix_;
  std::vector<std::string> created_;
  std::vector<pid_t> helpers_;
};

}  // namespace

std::string Address(int link, bool rightSide) {
  return "198.18." + std::to_string(link) + (rightSide ? ".2" : ".1");
}

std::string RouterAddress(int router) { return Address(router - 1, true); }

std::string DestinationAddress(const LabSpec& spec) { return Address(spec.routers, true); }

bool InLab() { return !g_prefix.empty(); }

const std::string& WhyNoLab() { return g_whyNoLab; }

std::string Namespace(const std::string& role) { return g_prefix + role; }

int Shell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

std::string Capture(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string out;
  if (!pipe) return out;
  char chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, pipe.get())) > 0) out.append(chunk, got);
  return out;
}

int RunInLab(int argc, char** argv, const LabSpec& spec, const std::function<int(int, char**)>& body) {
  if (const char* prefix = std::getenv(kPrefixVariable)) {  // the child, inside the client namespace
    g_prefix = prefix;
    return body(argc, argv);
  }
  if (::geteuid() != 0) return body(argc, argv);
  RemoveStaleLabs();
  const std::string prefix = "vl" + std::to_string(::getpid()) + "-";
  Lab lab(spec, prefix);
  try {
    lab.Build();
  } catch (const std::exception& e) {
    lab.TearDown();
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  // Pass a stop on to the child, so the lab still comes down.
  for (int sig : {SIGINT, SIGTERM, SIGHUP})
    std::signal(sig, [](int s) {
      if (g_child > 0) ::kill(g_child, s);
    });
  g_child = ::fork();
  if (g_child == 0) {
    ::setenv(kPrefixVariable, prefix.c_str(), 1);
    std::vector<char*> args = {const_cast<char*>("ip"), const_cast<char*>("netns"), const_cast<char*>("exec")};
    const std::string client = prefix + "client";
    args.push_back(const_cast<char*>(client.c_str()));
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    args.push_back(const_cast<char*>(self.c_str()));
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    args.push_back(nullptr);
    ::execvp("ip", args.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(g_child, &status, 0) < 0 && errno == EINTR) {
  }
  lab.TearDown();
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

int RunTestsInLab(int argc, char** argv, const LabSpec& spec) {
  return RunInLab(argc, argv, spec, [](int count, char** values) {
    ::testing::InitGoogleTest(&count, values);
    return RUN_ALL_TESTS();
  });
}

}  // namespace netlab
