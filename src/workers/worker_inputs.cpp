#include "workers/worker_inputs.h"

#include "workers/ping_thread.h"
#include "workers/trace_thread.h"

CPingThread* NewPingThread(const std::string& target, const PingInputs& inputs, std::shared_ptr<RowSink> rows,
                           std::shared_ptr<StatusSink> status) {
  auto* worker = new CPingThread;
  worker->m_pList = std::move(rows);
  worker->m_pStatusBar = std::move(status);
  worker->m_strTarget = target;
  worker->m_bResolveNames = inputs.bResolveNames;
  worker->m_bRawSocket = inputs.bRawSocket;
  worker->m_bDontFragment = inputs.bDontFragment;
  worker->m_nCount = inputs.nCount;
  worker->m_nTtl = inputs.nTtl;
  worker->m_nTos = inputs.nTos;
  worker->m_nDataSize = inputs.nDataSize;
  worker->m_nTimeout = inputs.nTimeout;
  return worker;
}

CRefreshThread* NewTraceThread(const std::string& target, const TraceInputs& inputs, std::shared_ptr<RowSink> rows,
                               std::shared_ptr<StatusSink> status) {
  auto* worker = new CRefreshThread;
  worker->m_pList = std::move(rows);
  worker->m_pStatusBar = std::move(status);
  worker->m_strTarget = target;
  worker->m_bResolveNames = inputs.bResolveNames;
  worker->m_nProbes = inputs.nProbes;
  worker->m_nHops = inputs.nHops;
  worker->m_nTimeout = inputs.nTimeout;
  return worker;
}
