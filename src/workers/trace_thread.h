#pragma once
// One trace: clears the trace list, runs the route tracer, one row per
// answering hop.

#include <memory>
#include <string>

#include "platform/win_types.h"
#include "workers/route_tracer.h"
#include "workers/sinks.h"
#include "workers/worker_thread.h"

class CRefreshThread final : public WorkerThread {
 public:
  CRefreshThread() = default;

  std::shared_ptr<RowSink> m_pList;
  std::shared_ptr<StatusSink> m_pStatusBar;
  BOOL m_bResolveNames = 0;
  BYTE m_nHops = 0;
  DWORD m_nTimeout = 0;
  DWORD m_nProbes = 0;
  std::string m_strTarget;

 protected:
  WorkerOutcome Run() override;
};

// The trace worker's hooks: a row per answering hop, a stdout line for the rest.
class CTraceRowTracer final : public CRouteTracer {
 public:
  bool OnProbe(DWORD probe, const ProbeResult& result) override;
  bool OnHop(BYTE hop, const HopResult& result) override;
};

// Image index of every trace row.
constexpr int kTraceRowImage = 0;
