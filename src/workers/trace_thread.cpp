#include "workers/trace_thread.h"

#include <mutex>
#include <vector>

#include "platform/last_error.h"
#include "workers/row_text.h"
#include "workers/shared_objects.h"

bool CTraceRowTracer::OnProbe(DWORD, const ProbeResult&) { return true; }

bool CTraceRowTracer::OnHop(BYTE hop, const HopResult& result) {
  if (result.dwError != 0) {
    PrintLine("  " + std::to_string(hop) + "\t*\t*\t*\tError:" + std::to_string(result.dwError) + "\n");
    return true;
  }
  std::string name;
  const bool named = m_bResolveNames && LookUpName(result.dwAddress, &name);
  const std::string address = "[" + DottedAddress(result.dwAddress) + "]";
  std::vector<std::string> cells{std::to_string(hop), std::to_string(result.dwMin), std::to_string(result.dwAvg),
                                 std::to_string(result.dwMax)};
  if (m_bResolveNames) {
    cells.push_back(named ? name : "***");
    cells.push_back(address);
  } else {
    cells.push_back(address);
  }
  m_pList->AppendRow(kTraceRowImage, cells);
  return true;
}

WorkerOutcome CRefreshThread::Run() {
  std::lock_guard lock(g_csTrace);
  m_pList->DeleteAllRows();
  m_pStatusBar->SetPaneText(kWorkerStatusPane, WithProductAddress("  Tracing " + m_strTarget + " Vantorel -  ["));

  std::vector<HopResult> hops;
  CTraceRowTracer tracer;
  tracer.m_pList = m_pList;
  const BOOL traced = tracer.Trace(m_strTarget, &hops, m_nHops, m_nTimeout, m_nProbes, m_bResolveNames);

  WorkerOutcome outcome = WorkerOutcome::kFinished;
  std::string text;
  if (traced) {
    text = WithProductAddress("  Finished Tracing " + m_strTarget + " Vantorel -  [");
  } else if (GetLastError() == err::kCancelled) {
    outcome = WorkerOutcome::kStopped;
    text = WithProductAddress("  Tracing was aborted by user. Vantorel - [");
  } else {
    outcome = WorkerOutcome::kFailed;
    text = WithProductAddress("  Failed in call to tracing function. Vantorel - [");
  }
  m_pStatusBar->SetPaneText(kWorkerStatusPane, text);
  g_hStopEvent.Reset();
  return outcome;
}
