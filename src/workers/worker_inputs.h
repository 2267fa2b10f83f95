#pragma once
// What a ping or a trace runs with, and the workers made from it.

#include <memory>
#include <string>

#include "platform/win_types.h"
#include "workers/sinks.h"

class CPingThread;
class CRefreshThread;

struct PingInputs {
  BOOL bResolveNames = 1;
  BOOL bRawSocket = 0;
  BOOL bDontFragment = 0;
  DWORD nCount = 10;
  BYTE nTtl = 30;
  BYTE nTos = 0;
  WORD nDataSize = 32;
  DWORD nTimeout = 5000;
};

struct TraceInputs {
  BOOL bResolveNames = 1;
  DWORD nProbes = 3;
  BYTE nHops = 30;
  DWORD nTimeout = 10000;
};

// Workers with every input filled, not yet started.
CPingThread* NewPingThread(const std::string& target, const PingInputs& inputs, std::shared_ptr<RowSink> rows,
                           std::shared_ptr<StatusSink> status);
CRefreshThread* NewTraceThread(const std::string& target, const TraceInputs& inputs, std::shared_ptr<RowSink> rows,
                               std::shared_ptr<StatusSink> status);
