#pragma once
// Stand-in ICMP service entry points, put behind the module table's entry
// names for the life of one FakeIcmpService. Everything is scripted through
// the object; the entry points are plain functions, so one fake at a time.

#include <deque>
#include <functional>
#include <vector>

#include "platform/icmp_service.h"

class FakeIcmpService {
 public:
  struct Answer {
    DWORD records = 1;          // what IcmpSendEcho returns
    DWORD error = 11010;        // last error when records != 1
    IpAddress address = 0;
    DWORD roundTrip = 0;
    DWORD status = 0;
    std::vector<BYTE> echoed;   // data written after the record
  };
  struct Call {
    IpAddress destination;
    std::vector<BYTE> data;
    IP_OPTION_INFORMATION options;
    DWORD replySize;
    DWORD timeout;
  };

  // Installs the fake behind both modules' entry names.
  FakeIcmpService();
  ~FakeIcmpService();

  bool failCreate = false;
  DWORD createError = 10013;
  std::deque<Answer> answers;  // taken first, one a request
  // Answers when the queue is empty; without it every request times out.
  std::function<Answer(const Call&)> responder;
  // Called before each answer is chosen, on the calling thread (may block).
  std::function<void(const Call&)> onSend;

  static Answer Timeout() { return {0, 11010, 0, 0, 0, {}}; }

  std::vector<Call> calls;  // guarded by the fake's lock while workers run
  std::size_t CallCount();
  int created = 0;
  int closed = 0;
};
