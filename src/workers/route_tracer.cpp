#include "workers/route_tracer.h"

#include <algorithm>

#include "engine/echo_message.h"
#include "engine/echo_requester.h"
#include "engine/resolve_target.h"
#include "platform/last_error.h"
#include "platform/socket_layer.h"
#include "workers/shared_objects.h"

IcmpTraceBinding& IcmpTraceBinding::Instance() {
  static IcmpTraceBinding binding;
  return binding;
}

IcmpTraceBinding::~IcmpTraceBinding() {
  if (m_hModule) FreeLibrary(m_hModule);
  if (m_bStarted) Sockets().Cleanup();
}

bool IcmpTraceBinding::EnsureLoaded() {
  if (!m_bTried) {
    m_bTried = true;
    if (Sockets().Startup(ws::kVersion1_1) != 0) return false;
    m_bStarted = true;
    IcmpEntryPoints entries;
    m_hModule = BindIcmpModule("ICMP.DLL", &entries);
    m_pfnIcmpCreateFile = entries.pfnIcmpCreateFile;
    m_pfnIcmpSendEcho = entries.pfnIcmpSendEcho;
    m_pfnIcmpCloseHandle = entries.pfnIcmpCloseHandle;
  }
  return m_pfnIcmpCreateFile && m_pfnIcmpSendEcho && m_pfnIcmpCloseHandle;
}

BOOL CRouteTracer::Trace(const std::string& target, std::vector<HopResult>* hops, BYTE hopLimit, DWORD timeout,
                         DWORD probesPerHop, BOOL resolveNames) {
  // The average divides by the probe count: a trace without probes is refused.
  if (probesPerHop == 0) {
    SetLastError(err::kInvalidParameter);
    return 0;
  }
  if (!IcmpTraceBinding::Instance().EnsureLoaded()) return 0;
  m_bResolveNames = resolveNames;

  IpAddress destination = 0;
  int family = 0;
  if (!ResolveTarget(target, &destination, &family)) return 0;

  bool destinationAnswered = false;
  for (unsigned hop = 1; hop <= hopLimit && !destinationAnswered; ++hop) {
    ProbeResult probe;
    HopResult hopResult;
    hopResult.dwMin = 0xFFFFFFFFu;
    DWORD sum = 0;
    for (DWORD j = 1; j <= probesPerHop && hopResult.dwError == 0; ++j) {
      if (g_hStopEvent.IsSet()) {
        SetLastError(err::kCancelled);
        return 0;
      }
      if (!Probe(destination, &probe, static_cast<BYTE>(hop), timeout, kTraceProbeDataSize)) return 0;
      if (probe.dwError != 0) {
        hopResult.dwError = probe.dwError;
        break;
      }
      sum += probe.dwRoundTrip;
      hopResult.dwMin = std::min(hopResult.dwMin, probe.dwRoundTrip);
      hopResult.dwMax = std::max(hopResult.dwMax, probe.dwRoundTrip);
      if (!OnProbe(j, probe)) {
        SetLastError(err::kCancelled);
        return 0;
      }
    }
    hopResult.dwAddress = probe.dwAddress;
    if (hopResult.dwError == 0) {
      hopResult.dwAvg = sum / probesPerHop;
    } else {
      hopResult.dwMin = hopResult.dwAvg = hopResult.dwMax = 0;
    }
    if (!OnHop(static_cast<BYTE>(hop), hopResult)) {
      SetLastError(err::kCancelled);
      return 0;
    }
    hops->push_back(hopResult);
    destinationAnswered = hopResult.dwAddress == destination;
  }
  return 1;
}

BOOL CRouteTracer::Probe(IpAddress destination, ProbeResult* result, BYTE ttl, DWORD timeout, BYTE dataSize) {
  const IcmpTraceBinding& binding = IcmpTraceBinding::Instance();
  HANDLE handle = binding.m_pfnIcmpCreateFile();
  if (handle == INVALID_HANDLE_VALUE) return 0;
  IP_OPTION_INFORMATION options;
  options.Ttl = ttl;
  const std::vector<BYTE> data(dataSize, kEchoFillByte);
  std::vector<BYTE> reply(ServiceReplyBufferSize(dataSize));
  if (binding.m_pfnIcmpSendEcho(handle, destination, data.data(), dataSize, &options, reply.data(),
                                static_cast<DWORD>(reply.size()), timeout) == 1) {
    const IcmpEchoReply record = ReadIcmpEchoReply(reply.data());
    result->dwAddress = record.Address;
    result->dwRoundTrip = record.RoundTripTime;
  } else {
    result->dwError = GetLastError();
  }
  binding.m_pfnIcmpCloseHandle(handle);
  return 1;
}
