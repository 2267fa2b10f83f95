#pragma once
// Workers against a scripted socket layer and ICMP service, writing into
// recording sinks.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_icmp_service.h"
#include "fakes/fake_socket_layer.h"
#include "fakes/recording_sinks.h"
#include "workers/ping_thread.h"
#include "workers/product.h"
#include "workers/shared_objects.h"
#include "workers/trace_thread.h"

class WorkerTest : public ::testing::Test {
 protected:
  void SetUp() override { g_hStopEvent.Reset(); }
  void TearDown() override { ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(20))); }

  CPingThread* NewPing(const std::string& target, DWORD count) {
    auto* worker = new CPingThread;
    worker->m_pList = pingRows;
    worker->m_pStatusBar = status;
    worker->m_strTarget = target;
    worker->m_nCount = count;
    worker->m_nTtl = 30;
    worker->m_nDataSize = 32;
    worker->m_nTimeout = 1000;
    return worker;
  }

  CRefreshThread* NewTrace(const std::string& target, BYTE hops, DWORD probes = 3, BOOL names = 0) {
    auto* worker = new CRefreshThread;
    worker->m_pList = traceRows;
    worker->m_pStatusBar = status;
    worker->m_strTarget = target;
    worker->m_nHops = hops;
    worker->m_nProbes = probes;
    worker->m_nTimeout = 1000;
    worker->m_bResolveNames = names;
    return worker;
  }

  // Starts the worker and waits until every worker has ended.
  void RunToEnd(WorkerThread* worker) {
    worker->ResumeThread();
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(20)));
  }

  std::vector<std::string> Events() { return log->Entries(); }

  static std::string Text(const std::string& prefix) { return "status 1:" + prefix + kProductWebAddress + "]"; }

  FakeSocketLayer sockets;
  FakeIcmpService service;
  std::shared_ptr<SinkLog> log = std::make_shared<SinkLog>();
  std::shared_ptr<RecordingRows> pingRows = std::make_shared<RecordingRows>(log, "ping");
  std::shared_ptr<RecordingRows> traceRows = std::make_shared<RecordingRows>(log, "trace");
  std::shared_ptr<RecordingStatus> status = std::make_shared<RecordingStatus>(log);
};

// An answer from `address` after `ms`, echoing the fill of the request.
inline FakeIcmpService::Answer Reply(const char* address, DWORD ms, std::size_t size = 32) {
  return {1, 0, Ip(address), ms, 0, std::vector<BYTE>(size, 0x45)};
}
