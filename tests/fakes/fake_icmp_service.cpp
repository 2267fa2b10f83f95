#include "fakes/fake_icmp_service.h"

#include <algorithm>
#include <mutex>

#include "platform/last_error.h"
#include "platform/module_table.h"

namespace {

FakeIcmpService* g_fake = nullptr;
std::mutex g_mutex;
int g_handleToken;

HANDLE FakeCreate() {
  std::lock_guard lock(g_mutex);
  if (g_fake->failCreate) {
    SetLastError(g_fake->createError);
    return INVALID_HANDLE_VALUE;
  }
  ++g_fake->created;
  return &g_handleToken;
}

DWORD FakeSend(HANDLE, IpAddress destination, const void* data, WORD size, const IP_OPTION_INFORMATION* options,
               void* reply, DWORD replySize, DWORD timeout) {
  FakeIcmpService::Call call{destination,
                             std::vector<BYTE>(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size),
                             *options, replySize, timeout};
  if (g_fake->onSend) g_fake->onSend(call);
  FakeIcmpService::Answer answer = FakeIcmpService::Timeout();
  bool queued = false;
  {
    std::lock_guard lock(g_mutex);
    g_fake->calls.push_back(call);
    if (!g_fake->answers.empty()) {
      answer = g_fake->answers.front();
      g_fake->answers.pop_front();
      queued = true;
    }
  }
  // The responder may wait as a real request does, so without the lock.
  if (!queued && g_fake->responder) answer = g_fake->responder(call);
  if (answer.records != 1) {
    SetLastError(answer.error);
    return answer.records;
  }
  auto* out = static_cast<BYTE*>(reply);
  const auto copied = std::min<std::size_t>(answer.echoed.size(), replySize - kIcmpReplyRecordSize);
  std::copy_n(answer.echoed.begin(), copied, out + kIcmpReplyRecordSize);
  IcmpEchoReply record;
  record.Address = answer.address;
  record.Status = answer.status;
  record.RoundTripTime = answer.roundTrip;
  record.DataSize = static_cast<WORD>(copied);
  record.DataOffset = kIcmpReplyRecordSize;
  WriteIcmpEchoReply(out, record);
  return 1;
}

BOOL FakeClose(HANDLE) {
  std::lock_guard lock(g_mutex);
  ++g_fake->closed;
  return 1;
}

}  // namespace

FakeIcmpService::FakeIcmpService() {
  g_fake = this;
  for (const char* module : {"Iphlpapi.dll", "ICMP.DLL"}) {
    module_seam::ReplaceEntry(module, "IcmpCreateFile", reinterpret_cast<FARPROC>(&FakeCreate));
    module_seam::ReplaceEntry(module, "IcmpSendEcho", reinterpret_cast<FARPROC>(&FakeSend));
    module_seam::ReplaceEntry(module, "IcmpCloseHandle", reinterpret_cast<FARPROC>(&FakeClose));
  }
}

std::size_t FakeIcmpService::CallCount() {
  std::lock_guard lock(g_mutex);
  return calls.size();
}

FakeIcmpService::~FakeIcmpService() {
  module_seam::Reset();
  g_fake = nullptr;
}
