#pragma once
// One ping run: the configured number of echo requests, one row each.

#include <memory>
#include <string>

#include "platform/win_types.h"
#include "workers/sinks.h"
#include "workers/worker_thread.h"

class CPingThread final : public WorkerThread {
 public:
  CPingThread() = default;

  std::shared_ptr<RowSink> m_pList;
  std::shared_ptr<StatusSink> m_pStatusBar;
  std::string m_strTarget;
  BOOL m_bResolveNames = 0;
  BOOL m_bRawSocket = 0;
  BOOL m_bDontFragment = 0;
  DWORD m_nCount = 0;
  BYTE m_nTtl = 0;
  BYTE m_nTos = 0;
  WORD m_nDataSize = 0;
  DWORD m_nTimeout = 0;

 protected:
  WorkerOutcome Run() override;
};

// Image index of every ping row.
constexpr int kPingRowImage = 2;
