#include <future>

#include "platform/last_error.h"
#include "workers/worker_fixture.h"

namespace {

using Log = std::vector<std::string>;

TEST_F(WorkerTest, PingRowsForEveryOutcome) {
  sockets.names[Ip("198.18.0.9")] = "dest.lab";
  service.answers = {Reply("198.18.0.9", 12), Reply("198.18.0.7", 0), FakeIcmpService::Timeout()};
  CPingThread* worker = NewPing("198.18.0.9", 3);
  worker->m_bResolveNames = 1;
  RunToEnd(worker);
  EXPECT_EQ(Events(), (Log{
                       "ping clear",
                       Text("  Pinging 198.18.0.9 Vantorel -  ["),
                       "ping row 2: 1 | 198.18.0.9 [dest.lab] | 12 |",
                       "ping row 2: 2 | 198.18.0.7 | 0 |",  // no name for this address
                       "ping row 2: 3 | Failed in ping specified host, GetLastError returns: 11010 | *** |",
                       Text("  Finished pinging 198.18.0.9. Vantorel - ["),
                   }));
  EXPECT_EQ(sockets.log, (Log{"startup 257", "cleanup"}));
  EXPECT_FALSE(g_hStopEvent.IsSet());
}

TEST_F(WorkerTest, PingWithoutNamesWantedNeverLooksUp) {
  sockets.names[Ip("198.18.0.9")] = "dest.lab";
  service.answers = {Reply("198.18.0.9", 5)};
  RunToEnd(NewPing("198.18.0.9", 1));
  EXPECT_EQ(pingRows->Rows(), (std::vector<std::vector<std::string>>{{"1", "198.18.0.9", "5"}}));
}

TEST_F(WorkerTest, PingRawModeStartsVersionTwoAndUsesTheRawRequester) {
  sockets.selects.push_back({1, 0});
  sockets.datagrams.push_back({IcmpDatagram(0, static_cast<WORD>(getpid()), 0), Ip("198.18.0.9"), 0});
  CPingThread* worker = NewPing("198.18.0.9", 2);
  worker->m_bRawSocket = 1;
  RunToEnd(worker);
  const auto rows = pingRows->Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][1], "198.18.0.9");
  EXPECT_EQ(rows[1], (std::vector<std::string>{"2", "Failed in ping specified host, GetLastError returns: 10060",
                                               "***"}));
  EXPECT_EQ(sockets.log.front(), "startup 2");
  EXPECT_EQ(sockets.log.back(), "cleanup");
  EXPECT_TRUE(service.calls.empty());
}

TEST_F(WorkerTest, PingStartupFailureWritesOnlyTheStdoutLine) {
  for (BOOL raw : {0, 1}) {
    sockets.startupResult = 10091;
    testing::internal::CaptureStdout();
    CPingThread* worker = NewPing("198.18.0.9", 3);
    worker->m_bRawSocket = raw;
    RunToEnd(worker);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              raw ? "Failed to initialize Winsock 2 Stack\n" : "Failed to initialize Winsock 1.1 Stack\n");
  }
  EXPECT_EQ(Events(), (Log{"ping clear", Text("  Pinging 198.18.0.9 Vantorel -  ["), "ping clear",
                        Text("  Pinging 198.18.0.9 Vantorel -  [")}))
      << "no rows and no end text; the second run got the lock";
}

TEST_F(WorkerTest, PingWithoutAnyServiceModuleFailsEveryRequestWith120) {
  module_seam::HideModule("Iphlpapi.dll");
  module_seam::HideModule("ICMP.DLL");
  RunToEnd(NewPing("198.18.0.9", 2));
  for (const auto& row : pingRows->Rows())
    EXPECT_EQ(row[1], "Failed in ping specified host, GetLastError returns: 120");
  EXPECT_TRUE(service.calls.empty());
}

TEST_F(WorkerTest, PingStopRules) {
  struct Case {
    const char* what;
    DWORD count;
    std::size_t stopDuring;  // request number during which Stop is pressed (0: never)
    std::size_t rows;
    bool aborted;
  };
  const Case cases[] = {
      {"during request 2 of 5", 5, 2, 2, true},
      {"during the last request", 3, 3, 3, false},
      {"count 1 never polls", 1, 1, 1, false},
      {"count 0 runs until Stop", 0, 7, 7, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    g_hStopEvent.Reset();
    FakeIcmpService fresh;
    fresh.responder = [](const auto&) { return Reply("198.18.0.9", 1); };
    fresh.onSend = [&fresh, &c](const auto&) {
      if (fresh.calls.size() + 1 == c.stopDuring) g_hStopEvent.Set();
    };
    auto log = std::make_shared<SinkLog>();
    auto rows = std::make_shared<RecordingRows>(log, "ping");
    CPingThread* worker = NewPing("198.18.0.9", c.count);
    worker->m_pList = rows;
    worker->m_pStatusBar = std::make_shared<RecordingStatus>(log);
    RunToEnd(worker);
    EXPECT_EQ(rows->Rows().size(), c.rows);
    EXPECT_EQ(log->Entries().back(), c.aborted ? Text("  Pinging was aborted by user. Vantorel - [")
                                               : Text("  Finished pinging 198.18.0.9. Vantorel - ["));
    EXPECT_FALSE(g_hStopEvent.IsSet()) << "the worker resets the stop event as it ends";
  }
}

TEST_F(WorkerTest, SecondPingWaitsForTheFirstAndClearsTheList) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::promise<void> firstInFlight;
  service.responder = [](const auto&) { return Reply("198.18.0.9", 1); };
  service.onSend = [&](const FakeIcmpService::Call& call) {
    if (call.options.Ttl == 1) {  // the first run's only request
      firstInFlight.set_value();
      released.wait();
    }
  };
  CPingThread* first = NewPing("198.18.0.1", 1);
  first->m_nTtl = 1;
  first->ResumeThread();
  firstInFlight.get_future().wait();
  NewPing("198.18.0.2", 2)->ResumeThread();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the second would overtake here if it could
  release.set_value();
  ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(20)));
  EXPECT_EQ(Events(), (Log{
                       "ping clear",
                       Text("  Pinging 198.18.0.1 Vantorel -  ["),
                       "ping row 2: 1 | 198.18.0.9 | 1 |",
                       Text("  Finished pinging 198.18.0.1. Vantorel - ["),
                       "ping clear",
                       Text("  Pinging 198.18.0.2 Vantorel -  ["),
                       "ping row 2: 1 | 198.18.0.9 | 1 |",
                       "ping row 2: 2 | 198.18.0.9 | 1 |",
                       Text("  Finished pinging 198.18.0.2. Vantorel - ["),
                   }));
}

TEST_F(WorkerTest, UnresolvableTargetFailsEveryRequest) {
  RunToEnd(NewPing("no-such-host", 2));
  for (const auto& row : pingRows->Rows())
    EXPECT_EQ(row[1], "Failed in ping specified host, GetLastError returns: 11001");
  EXPECT_TRUE(service.calls.empty());
}

}  // namespace
