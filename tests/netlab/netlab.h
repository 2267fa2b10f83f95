#pragma once
// A small lab of network namespaces for tests that need real packets:
//
//   client - r1 - r2 - ... - rN - destination
//
// joined by veth pairs. Link k joins node k and node k+1 (the client is node
// 0, router i is node i, the destination node N+1) on 198.18.k.0/24, with
// .1 on the left and .2 on the right. The client has routes into
// 198.18.0.0/15 only, so nothing can leave the lab.
//
// A test program runs its tests inside the client namespace through
// RunTestsInLab: the parent builds the lab, runs the tests in a child started
// with `ip netns exec`, and tears the lab down whatever the child did.

#include <functional>
#include <map>
#include <set>
#include <string>

namespace netlab {

struct LabSpec {
  int routers = 1;
  std::map<int, int> delayMs;             // router -> hold time for what it forwards and sends
  std::set<int> silentRouters;            // these never send time-exceeded reports
  std::map<int, int> linkMtu;             // link -> MTU
  std::map<std::string, std::string> hosts;  // the client's hosts file: address -> name
};

// Address of a node's interface on a link (node is 0..routers+1).
std::string Address(int link, bool rightSide);
// The address router i answers from towards the client.
std::string RouterAddress(int router);
std::string DestinationAddress(const LabSpec& spec);

// Inside a test (in the child): the lab's namespace names, or the reason
// there is no lab (not root, or the lab could not be built).
bool InLab();
const std::string& WhyNoLab();
std::string Namespace(const std::string& role);  // "client", "r1", ..., "dest"

// Runs a shell command, returning its exit status.
int Shell(const std::string& command);
// Runs a command and returns what it printed on stdout.
std::string Capture(const std::string& command);

// Builds the lab, runs `body` in a child inside the client namespace and
// tears the lab down whatever the child did. Without root, `body` runs
// right here with no lab (InLab() false).
int RunInLab(int argc, char** argv, const LabSpec& spec, const std::function<int(int, char**)>& body);

// The main of a lab test program.
int RunTestsInLab(int argc, char** argv, const LabSpec& spec);

}  // namespace netlab

// In a lab test: skip with the reason when there is no lab.
#define NETLAB_REQUIRE()                                          \
  do {                                                            \
    if (!::netlab::InLab()) GTEST_SKIP() << ::netlab::WhyNoLab(); \
  } while (0)
