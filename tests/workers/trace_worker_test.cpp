#include <future>
#include <map>

#include "platform/last_error.h"
#include "workers/worker_fixture.h"

namespace {

using Log = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

// A scripted route: hop n answers from its address with the given round
// trips, one per probe in turn; a hop without an entry stays silent.
struct Route {
  std::map<int, std::pair<const char*, std::vector<DWORD>>> hops;
  std::map<int, int> probesSeen;

  FakeIcmpService::Answer operator()(const FakeIcmpService::Call& call) {
    const auto hop = hops.find(call.options.Ttl);
    if (hop == hops.end()) return FakeIcmpService::Timeout();
    const auto& [address, times] = hop->second;
    const int probe = probesSeen[call.options.Ttl]++;
    if (probe >= static_cast<int>(times.size())) return FakeIcmpService::Timeout();
    return Reply(address, times[probe]);
  }
};

// Records what the tracer hands its hooks.
struct RecordingTracer final : CRouteTracer {
  std::vector<HopResult> hops;
  bool OnProbe(DWORD, const ProbeResult&) override { return true; }
  bool OnHop(BYTE, const HopResult& hop) override {
    hops.push_back(hop);
    return true;
  }
};

const char* kDest = "198.18.5.2";

TEST_F(WorkerTest, SilentHopsAreSkippedAndPrinted) {
  Route route;
  route.hops = {{1, {"198.18.0.2", {1, 1, 1}}}, {2, {"198.18.1.2", {2, 2, 2}}},
                {5, {"198.18.4.2", {5, 5, 5}}}, {6, {kDest, {6, 7, 8}}}};
  service.responder = std::ref(route);
  testing::internal::CaptureStdout();
  RunToEnd(NewTrace(kDest, 30));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "  3\t*\t*\t*\tError:11010\n  4\t*\t*\t*\tError:11010\n");
  EXPECT_EQ(Events(), (Log{
                       "trace clear",
                       Text("  Tracing 198.18.5.2 Vantorel -  ["),
                       "trace row 0: 1 | 1 | 1 | 1 | [198.18.0.2] |",
                       "trace row 0: 2 | 2 | 2 | 2 | [198.18.1.2] |",
                       "trace row 0: 5 | 5 | 5 | 5 | [198.18.4.2] |",
                       "trace row 0: 6 | 6 | 7 | 8 | [198.18.5.2] |",
                       Text("  Finished Tracing 198.18.5.2 Vantorel -  ["),
                   }));
  EXPECT_EQ(service.CallCount(), 3u + 3 + 1 + 1 + 3 + 3) << "a silent hop costs one probe";
  for (const auto& call : service.calls) {
    EXPECT_EQ(call.data, std::vector<BYTE>(32, 0x45));
    EXPECT_EQ(call.options.Tos, 0);
    EXPECT_EQ(call.options.Flags, 0);
    EXPECT_EQ(call.replySize, 60u);
    EXPECT_EQ(call.timeout, 1000u);
  }
}

TEST_F(WorkerTest, HopResultsFromProbes) {
  struct Case {
    const char* what;
    std::vector<FakeIcmpService::Answer> answers;  // hop 1's probes, in order
    HopResult expected;
    std::size_t probesSent;
  };
  const Case cases[] = {
      {"10, 20 and 31 ms",
       {Reply(kDest, 10), Reply(kDest, 20), Reply(kDest, 31)},
       {0, Ip(kDest), 10, 20, 31},
       3},
      {"sum truncated", {Reply(kDest, 1), Reply(kDest, 1), Reply(kDest, 0)}, {0, Ip(kDest), 0, 0, 1}, 3},
      {"second probe fails",
       {Reply("198.18.0.2", 10), {0, 11013, 0, 0, 0, {}}, Reply(kDest, 1)},
       {11013, Ip("198.18.0.2"), 0, 0, 0},
       2},
      {"first probe fails", {FakeIcmpService::Timeout()}, {11010, 0, 0, 0, 0}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeIcmpService fresh;
    fresh.answers.assign(c.answers.begin(), c.answers.end());
    RecordingTracer tracer;
    std::vector<HopResult> list;
    ASSERT_EQ(tracer.Trace(kDest, &list, 1, 1000, 3, 0), 1);
    ASSERT_EQ(tracer.hops.size(), 1u);
    const HopResult& hop = tracer.hops[0];
    EXPECT_EQ(hop.dwError, c.expected.dwError);
    EXPECT_EQ(hop.dwAddress, c.expected.dwAddress);
    EXPECT_EQ(hop.dwMin, c.expected.dwMin);
    EXPECT_EQ(hop.dwAvg, c.expected.dwAvg);
    EXPECT_EQ(hop.dwMax, c.expected.dwMax);
    EXPECT_EQ(fresh.calls.size(), c.probesSent);
    EXPECT_EQ(list.size(), 1u);
  }
}

TEST_F(WorkerTest, HopLimitsAndProbeCounts) {
  struct Case {
    const char* what;
    BYTE hops;
    DWORD probes;
    BOOL result;
    DWORD error;
    std::size_t hopsReported;
    std::size_t probesSent;
  };
  const Case cases[] = {
      {"hop limit 0 sends nothing", 0, 3, 1, 0, 0, 0},
      {"hop limit 255 never answered", 255, 3, 1, 0, 255, 255},
      {"0 probes per hop is refused", 30, 0, 0, err::kInvalidParameter, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeIcmpService fresh;
    RecordingTracer tracer;
    std::vector<HopResult> list;
    SetLastError(0);
    EXPECT_EQ(tracer.Trace(kDest, &list, c.hops, 1000, c.probes, 0), c.result);
    if (!c.result) {
      EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(tracer.hops.size(), c.hopsReported);
    EXPECT_EQ(fresh.calls.size(), c.probesSent);
    if (c.hops == 255) {
      EXPECT_EQ(fresh.calls.back().options.Ttl, 255);
    }
  }
}

TEST_F(WorkerTest, TraceFailureTexts) {
  RunToEnd(NewTrace(kDest, 30, 0));
  EXPECT_EQ(Events().back(), Text("  Failed in call to tracing function. Vantorel - ["));
  EXPECT_TRUE(service.calls.empty());
  RunToEnd(NewTrace("no-such-host", 30));
  EXPECT_EQ(Events().back(), Text("  Failed in call to tracing function. Vantorel - ["));
  service.failCreate = true;
  RunToEnd(NewTrace(kDest, 30));
  EXPECT_EQ(Events().back(), Text("  Failed in call to tracing function. Vantorel - ["));
  EXPECT_TRUE(traceRows->Rows().empty());
}

TEST_F(WorkerTest, TraceNameColumns) {
  struct Case {
    const char* what;
    BOOL names;
    bool known;
    std::vector<std::string> row;
  };
  const Case cases[] = {
      {"name found", 1, true, {"1", "4", "4", "4", "dest.lab", "[198.18.5.2]"}},
      {"no name", 1, false, {"1", "4", "4", "4", "***", "[198.18.5.2]"}},
      {"names not wanted", 0, true, {"1", "4", "4", "4", "[198.18.5.2]"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    sockets.names.clear();
    if (c.known) sockets.names[Ip(kDest)] = "dest.lab";
    service.responder = [](const auto&) { return Reply(kDest, 4); };
    RunToEnd(NewTrace(kDest, 30, 3, c.names));
    EXPECT_EQ(traceRows->Rows(), Rows{c.row});
  }
}

TEST_F(WorkerTest, TraceStopRules) {
  struct Case {
    const char* what;
    std::size_t stopDuringProbe;  // counted over the whole trace
    std::size_t rows;
    bool aborted;
  };
  // Hops 1 and 2 are routers, hop 3 the destination; three probes each.
  const Case cases[] = {
      {"during the first probe of hop 2", 4, 1, true},
      {"during the last probe of hop 2", 6, 2, true},
      {"during the last probe of the destination's hop", 9, 3, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    g_hStopEvent.Reset();
    FakeIcmpService fresh;
    Route route;
    route.hops = {{1, {"198.18.0.2", {1, 1, 1}}}, {2, {"198.18.1.2", {2, 2, 2}}}, {3, {kDest, {3, 3, 3}}}};
    fresh.responder = std::ref(route);
    fresh.onSend = [&fresh, &c](const auto&) {
      if (fresh.calls.size() + 1 == c.stopDuringProbe) g_hStopEvent.Set();
    };
    auto log = std::make_shared<SinkLog>();
    auto rows = std::make_shared<RecordingRows>(log, "trace");
    CRefreshThread* worker = NewTrace(kDest, 30);
    worker->m_pList = rows;
    worker->m_pStatusBar = std::make_shared<RecordingStatus>(log);
    RunToEnd(worker);
    EXPECT_EQ(rows->Rows().size(), c.rows);
    EXPECT_EQ(log->Entries().back(), c.aborted ? Text("  Tracing was aborted by user. Vantorel - [")
                                               : Text("  Finished Tracing 198.18.5.2 Vantorel -  ["));
    EXPECT_FALSE(g_hStopEvent.IsSet());
  }
}

TEST_F(WorkerTest, OneWorkersEndClearsAStopMeantForTheOther) {
  // The ping's request is held until the trace has seen the stop and ended;
  // the trace's reset then swallows the stop, so the ping runs to its end.
  std::promise<void> pingInFlight;
  std::promise<void> traceEnded;
  std::shared_future<void> traceDone = traceEnded.get_future().share();
  service.responder = [](const auto&) { return Reply(kDest, 1); };
  service.onSend = [&](const FakeIcmpService::Call& call) {
    if (call.data.size() == 16) {  // the ping's requests
      static bool first = true;
      if (first) {
        first = false;
        pingInFlight.set_value();
        traceDone.wait();
      }
    }
  };
  CPingThread* ping = NewPing(kDest, 3);
  ping->m_nDataSize = 16;
  ping->ResumeThread();
  pingInFlight.get_future().wait();
  g_hStopEvent.Set();
  CRefreshThread* trace = NewTrace(kDest, 30);
  trace->m_onDone = [&](WorkerOutcome) { traceEnded.set_value(); };
  trace->ResumeThread();
  ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(20)));
  const Log events = Events();
  EXPECT_NE(std::find(events.begin(), events.end(), Text("  Tracing was aborted by user. Vantorel - [")), events.end());
  EXPECT_EQ(events.back(), Text("  Finished pinging 198.18.5.2. Vantorel - ["));
  EXPECT_EQ(pingRows->Rows().size(), 3u);
}

}  // namespace
