// The tracer binds its service once per process, so a process whose first
// attempt found no "ICMP.DLL" stays unbound: this program holds only that.

#include <gtest/gtest.h>

#include "fakes/fake_icmp_service.h"
#include "fakes/fake_socket_layer.h"
#include "platform/module_table.h"
#include "workers/route_tracer.h"

namespace {

struct NoHooks final : CRouteTracer {
  bool OnProbe(DWORD, const ProbeResult&) override { return true; }
  bool OnHop(BYTE, const HopResult&) override { return true; }
};

TEST(TracerBinding, MissingModuleFailsEveryTraceOfTheProcess) {
  FakeSocketLayer sockets;
  module_seam::HideModule("ICMP.DLL");
  NoHooks tracer;
  std::vector<HopResult> hops;
  EXPECT_EQ(tracer.Trace("198.18.0.9", &hops, 30, 1000, 3, 0), 0);
  EXPECT_EQ(sockets.log, (std::vector<std::string>{"startup 257"})) << "started once, nothing resolved";

  module_seam::Reset();  // the module is back, but the binding is not tried again
  FakeIcmpService service;
  EXPECT_EQ(tracer.Trace("198.18.0.9", &hops, 30, 1000, 3, 0), 0);
  EXPECT_TRUE(service.calls.empty());
  EXPECT_EQ(sockets.startups, 1);
}

}  // namespace
