#include <algorithm>
#include <vector>

#include "engine/echo_message.h"
#include "engine/echo_requester.h"
#include "engine/resolve_target.h"
#include "platform/last_error.h"

CEchoRequester::CEchoRequester() {
  IcmpEntryPoints entries;
  m_hModule = BindIcmpModule("Iphlpapi.dll", &entries);
  if (!m_hModule) m_hModule = BindIcmpModule("ICMP.DLL", &entries);
  m_pfnIcmpCreateFile = entries.pfnIcmpCreateFile;
  m_pfnIcmpSendEcho = entries.pfnIcmpSendEcho;
  m_pfnIcmpCloseHandle = entries.pfnIcmpCloseHandle;
}

CEchoRequester::~CEchoRequester() {
  if (m_hModule) {
    FreeLibrary(m_hModule);
    m_hModule = nullptr;
  }
}

DWORD ServiceReplyBufferSize(DWORD dataSize) {
  return kIcmpReplyRecordSize + std::max(dataSize, kIcmpMinReplyData);
}

BOOL CEchoRequester::EchoService(const std::string& target, EchoReply* reply, BYTE ttl, DWORD timeout,
                                 WORD dataSize, BYTE tos, BOOL dontFragment) {
  if (!m_hModule) {
    SetLastError(err::kCallNotImplemented);
    return 0;
  }
  IpAddress destination = 0;
  int family = 0;
  if (!ResolveTarget(target, &destination, &family)) return 0;

  HANDLE handle = m_pfnIcmpCreateFile();
  if (handle == INVALID_HANDLE_VALUE) return 0;

  IP_OPTION_INFORMATION options;
  options.Ttl = ttl;
  options.Tos = tos;
  options.Flags = dontFragment ? kIpFlagDontFragment : 0;

  const std::vector<BYTE> data(dataSize, kEchoFillByte);
  std::vector<BYTE> replyBuffer(ServiceReplyBufferSize(dataSize));
  BOOL answered = m_pfnIcmpSendEcho(handle, destination, data.data(), dataSize, &options, replyBuffer.data(),
                                    static_cast<DWORD>(replyBuffer.size()), timeout) == 1;
  const IcmpEchoReply record = ReadIcmpEchoReply(replyBuffer.data());
  if (answered) {
    const std::size_t end = std::size_t{record.DataOffset} + record.DataSize;
    const bool inBuffer = end <= replyBuffer.size();
    const auto first = replyBuffer.begin() + (inBuffer ? record.DataOffset : 0);
    if (!inBuffer || std::any_of(first, first + record.DataSize, [](BYTE b) { return b != kEchoFillByte; })) {
      answered = 0;
      SetLastError(err::kUnexpNetErr);
    }
  }
  // Closing must not change the reason a failed request leaves behind.
  const DWORD reason = GetLastError();
  m_pfnIcmpCloseHandle(handle);
  SetLastError(reason);
  if (answered) {
    reply->dwAddress = record.Address;
    reply->dwRoundTrip = record.RoundTripTime;
  }
  return answered;
}
