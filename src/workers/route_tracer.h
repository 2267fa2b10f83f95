#pragma once
// Hop-by-hop route tracing through the ICMP service: for each time to live a
// few probes, condensed into one hop result and handed to OnHop.

#include <memory>
#include <string>
#include <vector>

#include "engine/icmp_binding.h"
#include "platform/win_types.h"
#include "workers/sinks.h"

struct ProbeResult {
  DWORD dwError = 0;
  IpAddress dwAddress = 0;
  DWORD dwRoundTrip = 0;
};

struct HopResult {
  DWORD dwError = 0;
  IpAddress dwAddress = 0;
  DWORD dwMin = 0;
  DWORD dwAvg = 0;
  DWORD dwMax = 0;
};

// The ICMP service bound once per process from "ICMP.DLL", with the socket
// layer started for the whole process; both given back at exit.
class IcmpTraceBinding {
 public:
  static IcmpTraceBinding& Instance();
  ~IcmpTraceBinding();

  bool EnsureLoaded();

  PfnIcmpCreateFile m_pfnIcmpCreateFile = nullptr;
  PfnIcmpSendEcho m_pfnIcmpSendEcho = nullptr;
  PfnIcmpCloseHandle m_pfnIcmpCloseHandle = nullptr;

 private:
  IcmpTraceBinding() = default;
  bool m_bTried = false;
  bool m_bStarted = false;
  HMODULE m_hModule = nullptr;
};

class CRouteTracer {
 public:
  virtual ~CRouteTracer() = default;

  virtual bool OnProbe(DWORD probe, const ProbeResult& result) = 0;
  virtual bool OnHop(BYTE hop, const HopResult& result) = 0;

  BOOL Trace(const std::string& target, std::vector<HopResult>* hops, BYTE hopLimit, DWORD timeout,
             DWORD probesPerHop, BOOL resolveNames);
  BOOL Probe(IpAddress destination, ProbeResult* result, BYTE ttl, DWORD timeout, BYTE dataSize);

  BOOL m_bResolveNames = 0;
  std::shared_ptr<RowSink> m_pList;
};

// Size of the fill data of every trace probe.
constexpr BYTE kTraceProbeDataSize = 32;
