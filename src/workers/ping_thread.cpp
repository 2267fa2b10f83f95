#include "workers/ping_thread.h"

#include <mutex>

#include "engine/echo_requester.h"
#include "platform/last_error.h"
#include "platform/socket_layer.h"
#include "workers/row_text.h"
#include "workers/shared_objects.h"

namespace {

std::vector<std::string> PingRow(int row, BOOL answered, DWORD error, const EchoReply& reply, BOOL resolveNames) {
  std::vector<std::string> cells{std::to_string(row + 1)};
  if (!answered) {
    cells.push_back("Failed in ping specified host, GetLastError returns: " + std::to_string(error));
    cells.push_back("***");
    return cells;
  }
  std::string host = DottedAddress(reply.dwAddress);
  std::string name;
  if (resolveNames && LookUpName(reply.dwAddress, &name)) host += " [" + name + "]";
  cells.push_back(host);
  cells.push_back(std::to_string(reply.dwRoundTrip));
  return cells;
}

}  // namespace

WorkerOutcome CPingThread::Run() {
  std::lock_guard lock(g_csPing);
  m_pList->DeleteAllRows();
  m_pStatusBar->SetPaneText(kWorkerStatusPane, WithProductAddress("  Pinging " + m_strTarget + " Vantorel -  ["));

  EchoOptions options;
  options.strTarget = m_strTarget;
  options.bResolveNames = m_bResolveNames;
  options.bRawSocket = m_bRawSocket;
  options.bDontFragment = m_bDontFragment;
  options.nCount = m_nCount;
  options.nTtl = m_nTtl;
  options.nTos = m_nTos;
  options.nDataSize = m_nDataSize;
  options.nTimeout = m_nTimeout;

  SocketLayer& sockets = Sockets();
  if (sockets.Startup(options.bRawSocket ? ws::kVersion2_0 : ws::kVersion1_1) != 0) {
    PrintLine(options.bRawSocket ? "Failed to initialize Winsock 2 Stack\n" : "Failed to initialize Winsock 1.1 Stack\n");
    return WorkerOutcome::kFailed;
  }

  CEchoRequester requester;
  EchoReply reply{};
  DWORD sent = 0;
  bool stopped = false;
  for (;;) {
    const BOOL answered =
        options.bRawSocket
            ? requester.EchoRaw(options.strTarget, &reply, options.nTtl, options.nTimeout, options.nDataSize,
                                options.nTos, options.bDontFragment, 0)
            : requester.EchoService(options.strTarget, &reply, options.nTtl, options.nTimeout, options.nDataSize,
                                    options.nTos, options.bDontFragment);
    const DWORD error = GetLastError();
    ++sent;
    m_pList->AppendRow(kPingRowImage, PingRow(m_pList->RowCount(), answered, error, reply, options.bResolveNames));
    if (sent == options.nCount) break;
    if (g_hStopEvent.IsSet()) {
      SetLastError(err::kCancelled);
      stopped = true;
      break;
    }
  }

  m_pStatusBar->SetPaneText(kWorkerStatusPane,
                            stopped ? WithProductAddress("  Pinging was aborted by user. Vantorel - [")
                                    : WithProductAddress("  Finished pinging " + m_strTarget + ". Vantorel - ["));
  sockets.Cleanup();
  g_hStopEvent.Reset();
  return stopped ? WorkerOutcome::kStopped : WorkerOutcome::kFinished;
}
