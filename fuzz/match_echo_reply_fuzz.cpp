// Any datagram a raw ICMP socket may deliver, against the reply matcher.

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "engine/echo_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (WORD sequence : {WORD{0}, WORD{1}}) {
    bool keepWaiting = false;
    const BOOL matched = MatchEchoReply(data, size, sequence, &keepWaiting);
    if (matched && keepWaiting) __builtin_trap();  // a match always ends the wait
  }
  return 0;
}
