#include "platform/icmp_service.h"

#include <arpa/inet.h>
#include <linux/errqueue.h>
#include <linux/icmp.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/byte_order.h"
#include "platform/clock.h"
#include "platform/internet_checksum.h"
#include "platform/last_error.h"
#include "platform/wait.h"

namespace {

enum class SocketKind { kDatagram, kRaw };

struct ServiceHandle {
  int fd;
  SocketKind kind;
};

constexpr int kIcmpHeaderSize = 8;
constexpr int kMaxDatagram = 65535 + 512;

// One answer to our echo: the echo reply itself, or a router's report.
struct Answer {
  IpAddress from = 0;
  DWORD status = err::kIpSuccess;
  std::vector<BYTE> data;
};

std::uint16_t NextSequence() {
  static std::atomic<std::uint16_t> counter{0};
  std::uint16_t sequence;
  do sequence = ++counter;
  while (sequence == 0);  // 0 is what the raw requester uses
  return sequence;
}

std::uint16_t GetBe16(const BYTE* at) { return static_cast<std::uint16_t>((at[0] << 8) | at[1]); }

DWORD StatusOfReport(int type, int code) {
  switch (type) {
    case ICMP_TIME_EXCEEDED: return code == ICMP_EXC_FRAGTIME ? err::kIpTtlExpiredReassem : err::kIpTtlExpiredTransit;
    case ICMP_PARAMETERPROB: return err::kIpParamProblem;
    case ICMP_SOURCE_QUENCH: return err::kIpSourceQuench;
    case ICMP_DEST_UNREACH:
      switch (code) {
        case ICMP_NET_UNREACH: return err::kIpDestNetUnreachable;
        case ICMP_PROT_UNREACH: return err::kIpDestProtUnreachable;
        case ICMP_PORT_UNREACH: return err::kIpDestPortUnreachable;
        case ICMP_FRAG_NEEDED: return err::kIpPacketTooBig;
        default: return err::kIpDestHostUnreachable;
      }
    default: return err::kIpGeneralFailure;
  }
}

bool IsReportType(int type) {
  return type == ICMP_DEST_UNREACH || type == ICMP_TIME_EXCEEDED || type == ICMP_PARAMETERPROB ||
         type == ICMP_SOURCE_QUENCH;
}

// Local send failures, in the service's own codes.
DWORD StatusOfLocalError(int errnoValue) {
  switch (errnoValue) {
    case EMSGSIZE: return err::kIpPacketTooBig;
    case ENETUNREACH: return err::kIpDestNetUnreachable;
    case EHOSTUNREACH: return err::kIpDestHostUnreachable;
    case EACCES: return err::kIpBadDestination;
    case ENOBUFS:
    case ENOMEM: return err::kNotEnoughMemory;
    default: return err::kIpGeneralFailure;
  }
}

bool ApplyOptions(int fd, const IP_OPTION_INFORMATION& options) {
  const int ttl = options.Ttl;
  const int tos = options.Tos;
  const int pmtu = (options.Flags & kIpFlagDontFragment) ? IP_PMTUDISC_DO : IP_PMTUDISC_DONT;
  if (::setsockopt(fd, IPPROTO_IP, IP_TTL, &ttl, sizeof ttl) != 0 ||
      ::setsockopt(fd, IPPROTO_IP, IP_TOS, &tos, sizeof tos) != 0 ||
      ::setsockopt(fd, IPPROTO_IP, IP_MTU_DISCOVER, &pmtu, sizeof pmtu) != 0) {
    constexpr DWORD kIpBadOption = 11007;
    SetLastError(kIpBadOption);
    return false;
  }
  return true;
}

std::vector<BYTE> BuildEcho(SocketKind kind, std::uint16_t sequence, const void* data, WORD size) {
  std::vector<BYTE> message(kIcmpHeaderSize + size);
  message[0] = ICMP_ECHO;
  const std::uint16_t identifier = static_cast<std::uint16_t>(GetCurrentProcessId());
  message[4] = static_cast<BYTE>(identifier >> 8);
  message[5] = static_cast<BYTE>(identifier);
  message[6] = static_cast<BYTE>(sequence >> 8);
  message[7] = static_cast<BYTE>(sequence);
  if (size) std::memcpy(message.data() + kIcmpHeaderSize, data, size);
  // The kernel fills in identifier and checksum on datagram sockets.
  if (kind == SocketKind::kRaw) PutLe16(&message[2], InternetChecksum(message.data(), message.size()));
  return message;
}

// Datagram socket: a router's report waits on the error queue.
std::optional<Answer> ReadErrorQueue(int fd, std::uint16_t sequence, bool* failed) {
  BYTE payload[kMaxDatagram];
  BYTE control[512];
  sockaddr_in from{};
  iovec iov{payload, sizeof payload};
  msghdr msg{};
  msg.msg_name = &from;
  msg.msg_namelen = sizeof from;
  msg.msg_iov = &iov;
  msg.msg_iovlen = 1;
  msg.msg_control = control;
  msg.msg_controllen = sizeof control;
  const ssize_t got = ::recvmsg(fd, &msg, MSG_ERRQUEUE | MSG_DONTWAIT);
  if (got < 0) return std::nullopt;
  for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
    if (c->cmsg_level != SOL_IP || c->cmsg_type != IP_RECVERR) continue;
    const auto* ee = reinterpret_cast<const sock_extended_err*>(CMSG_DATA(c));
    if (ee->ee_origin == SO_EE_ORIGIN_LOCAL) {
      SetLastError(StatusOfLocalError(static_cast<int>(ee->ee_errno)));
      *failed = true;
      return std::nullopt;
    }
    if (ee->ee_origin != SO_EE_ORIGIN_ICMP) continue;
    if (got >= kIcmpHeaderSize && GetBe16(payload + 6) != sequence) continue;
    Answer answer;
    answer.from = reinterpret_cast<const sockaddr_in*>(SO_EE_OFFENDER(ee))->sin_addr.s_addr;
    answer.status = StatusOfReport(ee->ee_type, ee->ee_code);
    return answer;
  }
  return std::nullopt;
}

// One waiting datagram and its source, without blocking.
ssize_t Receive(int fd, BYTE (&buffer)[kMaxDatagram], IpAddress* source) {
  sockaddr_in from{};
  socklen_t length = sizeof from;
  const ssize_t got =
      ::recvfrom(fd, buffer, sizeof buffer, MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&from), &length);
  *source = from.sin_addr.s_addr;
  return got;
}

std::optional<Answer> ReadDatagramReply(int fd, std::uint16_t sequence) {
  BYTE buffer[kMaxDatagram];
  IpAddress source = 0;
  const ssize_t got = Receive(fd, buffer, &source);
  if (got < kIcmpHeaderSize || buffer[0] != ICMP_ECHOREPLY || GetBe16(buffer + 6) != sequence)
    return std::nullopt;
  Answer answer;
  answer.from = source;
  answer.data.assign(buffer + kIcmpHeaderSize, buffer + got);
  return answer;
}

// Raw socket: whole IPv4 datagrams of every ICMP message reaching the host.
std::optional<Answer> ReadRawReply(int fd, std::uint16_t sequence) {
  BYTE buffer[kMaxDatagram];
  IpAddress source = 0;
  const ssize_t got = Receive(fd, buffer, &source);
  if (got < 20) return std::nullopt;
  const std::uint16_t identifier = static_cast<std::uint16_t>(GetCurrentProcessId());
  const auto ours = [&](const BYTE* echo) { return GetBe16(echo + 4) == identifier && GetBe16(echo + 6) == sequence; };
  const ssize_t h = 4 * (buffer[0] & 0x0F);
  if (got < h + kIcmpHeaderSize) return std::nullopt;
  const BYTE* icmp = buffer + h;
  Answer answer;
  answer.from = source;
  if (icmp[0] == ICMP_ECHOREPLY && ours(icmp)) {
    answer.data.assign(icmp + kIcmpHeaderSize, static_cast<const BYTE*>(buffer) + got);
    return answer;
  }
  if (!IsReportType(icmp[0])) return std::nullopt;
  // The report quotes our datagram's IP header and the first 8 bytes of our echo.
  const BYTE* inner = icmp + kIcmpHeaderSize;
  if (got < h + kIcmpHeaderSize + 20) return std::nullopt;
  const ssize_t innerH = 4 * (inner[0] & 0x0F);
  if (got < h + kIcmpHeaderSize + innerH + kIcmpHeaderSize || inner[9] != IPPROTO_ICMP) return std::nullopt;
  const BYTE* quoted = inner + innerH;
  if (quoted[0] != ICMP_ECHO || !ours(quoted)) return std::nullopt;
  answer.status = StatusOfReport(icmp[0], icmp[1]);
  return answer;
}

std::optional<Answer> AwaitAnswer(const ServiceHandle& handle, std::uint16_t sequence, DWORD timeout) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    const WaitResult waited = WaitForDescriptor(handle.fd, POLLIN, std::max(left, std::chrono::microseconds(0)));
    if (waited == WaitResult::kFailed) return std::nullopt;
    if (waited == WaitResult::kTimedOut) {
      SetLastError(err::kIpReqTimedOut);
      return std::nullopt;
    }
    std::optional<Answer> answer;
    if (handle.kind == SocketKind::kRaw) {
      answer = ReadRawReply(handle.fd, sequence);
    } else {
      bool failed = false;
      answer = ReadErrorQueue(handle.fd, sequence, &failed);
      if (failed) return std::nullopt;
      if (!answer) answer = ReadDatagramReply(handle.fd, sequence);
    }
    if (answer) return answer;
  }
}

int OpenServiceSocket(SocketKind* kind) {
  int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
  if (fd >= 0) {
    const int on = 1;
    ::setsockopt(fd, SOL_IP, IP_RECVERR, &on, sizeof on);
    *kind = SocketKind::kDatagram;
    return fd;
  }
  if (errno != EACCES && errno != EPERM && errno != EPROTONOSUPPORT) return -1;
  fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
  if (fd < 0) return -1;
  icmp_filter filter{};
  filter.data = 1u << ICMP_ECHO;  // our own requests to local addresses
  ::setsockopt(fd, SOL_RAW, ICMP_FILTER, &filter, sizeof filter);
  *kind = SocketKind::kRaw;
  return fd;
}

}  // namespace

void WriteIcmpEchoReply(BYTE* buffer, const IcmpEchoReply& reply) {
  AddressToBytes(reply.Address, buffer);
  PutLe32(buffer + 4, reply.Status);
  PutLe32(buffer + 8, reply.RoundTripTime);
  PutLe16(buffer + 12, reply.DataSize);
  PutLe16(buffer + 14, 0);
  PutLe32(buffer + 16, reply.DataOffset);
  buffer[20] = reply.Ttl;
  buffer[21] = reply.Tos;
  buffer[22] = reply.Flags;
  buffer[23] = 0;  // no option bytes
  PutLe32(buffer + 24, 0);
}

IcmpEchoReply ReadIcmpEchoReply(const BYTE* buffer) {
  IcmpEchoReply reply;
  reply.Address = AddressFromBytes(buffer);
  reply.Status = GetLe32(buffer + 4);
  reply.RoundTripTime = GetLe32(buffer + 8);
  reply.DataSize = GetLe16(buffer + 12);
  reply.DataOffset = GetLe32(buffer + 16);
  reply.Ttl = buffer[20];
  reply.Tos = buffer[21];
  reply.Flags = buffer[22];
  return reply;
}

HANDLE IcmpCreateFile() {
  SocketKind kind;
  const int fd = OpenServiceSocket(&kind);
  if (fd < 0) {
    SetLastError(ErrorFromErrno(errno));
    return INVALID_HANDLE_VALUE;
  }
  return new ServiceHandle{fd, kind};
}

DWORD IcmpSendEcho(HANDLE handle, IpAddress destination, const void* requestData, WORD requestSize,
                   const IP_OPTION_INFORMATION* options, void* replyBuffer, DWORD replySize, DWORD timeout) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || replyBuffer == nullptr ||
      (requestSize > 0 && requestData == nullptr)) {
    SetLastError(err::kInvalidParameter);
    return 0;
  }
  if (replySize < kIcmpReplyRecordSize + kIcmpMinReplyData) {
    SetLastError(err::kIpBufTooSmall);
    return 0;
  }
  const auto& service = *static_cast<ServiceHandle*>(handle);
  const IP_OPTION_INFORMATION defaults{};
  const IP_OPTION_INFORMATION& ip = options ? *options : defaults;
  if (!ApplyOptions(service.fd, ip)) return 0;

  const std::uint16_t sequence = NextSequence();
  const std::vector<BYTE> message = BuildEcho(service.kind, sequence, requestData, requestSize);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_addr.s_addr = destination;
  const auto start = std::chrono::steady_clock::now();
  if (::sendto(service.fd, message.data(), message.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
    SetLastError(StatusOfLocalError(errno));
    return 0;
  }
  const std::optional<Answer> answer = AwaitAnswer(service, sequence, timeout);
  if (!answer) return 0;
  const auto elapsed = std::chrono::steady_clock::now() - start;

  auto* out = static_cast<BYTE*>(replyBuffer);
  const DWORD room = replySize - kIcmpReplyRecordSize;
  const WORD copied = static_cast<WORD>(std::min<std::size_t>(answer->data.size(), room));
  std::copy_n(answer->data.begin(), copied, out + kIcmpReplyRecordSize);
  IcmpEchoReply record;
  record.Address = answer->from;
  record.Status = answer->status;
  record.RoundTripTime = static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
  record.DataSize = copied;
  record.DataOffset = kIcmpReplyRecordSize;
  record.Ttl = ip.Ttl;
  record.Tos = ip.Tos;
  record.Flags = ip.Flags;
  WriteIcmpEchoReply(out, record);
  return 1;
}

BOOL IcmpCloseHandle(HANDLE handle) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
    SetLastError(err::kInvalidParameter);
    return 0;
  }
  auto* service = static_cast<ServiceHandle*>(handle);
  ::close(service->fd);
  delete service;
  return 1;
}
