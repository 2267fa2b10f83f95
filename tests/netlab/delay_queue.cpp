// Holds every packet of an NFQUEUE queue for a fixed time, then lets it go,
// in arrival order: the link delay of the test lab (the kernel here has no
// netem). Optionally drops every k-th packet.
//
//   netlab-delay --queue N --delay MS [--drop-every K]
//
// Prints "ready" once the queue is bound, then runs until SIGTERM/SIGINT.

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>

extern "C" {
#include <libnetfilter_queue/libnetfilter_queue.h>
}

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Verdict numbers of the kernel ABI (its header clashes with <netinet/in.h>).
constexpr unsigned kDrop = 0;
constexpr unsigned kAccept = 1;

struct Held {
  std::uint32_t id;
  Clock::time_point due;
};

struct State {
  std::chrono::milliseconds delay{0};
  long dropEvery = 0;
  long seen = 0;
  std::deque<Held> held;
  nfq_q_handle* queue = nullptr;
};

volatile std::sig_atomic_t g_stop = 0;

int OnPacket(nfq_q_handle* queue, nfgenmsg*, nfq_data* data, void* context) {
  auto* state = static_cast<State*>(context);
  const nfqnl_msg_packet_hdr* header = nfq_get_msg_packet_hdr(data);
  if (!header) return 0;
  const std::uint32_t id = ntohl(header->packet_id);
  if (state->dropEvery > 0 && ++state->seen % state->dropEvery == 0)
    return nfq_set_verdict(queue, id, kDrop, 0, nullptr);
  state->held.push_back({id, Clock::now() + state->delay});
  return 0;
}

void ReleaseDue(State& state) {
  const auto now = Clock::now();
  while (!state.held.empty() && state.held.front().due <= now) {
    nfq_set_verdict(state.queue, state.held.front().id, kAccept, 0, nullptr);
    state.held.pop_front();
  }
}

}  // namespace

int main(int argc, char** argv) {
  int queueNumber = 0;
  State state;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const long value = std::strtol(argv[i + 1], nullptr, 10);
    if (option == "--queue") queueNumber = static_cast<int>(value);
    else if (option == "--delay") state.delay = std::chrono::milliseconds(value);
    else if (option == "--drop-every") state.dropEvery = value;
    else {
      std::fprintf(stderr, "netlab-delay: unknown option %s\n", option.c_str());
      return 2;
    }
  }
  std::signal(SIGTERM, [](int) { g_stop = 1; });
  std::signal(SIGINT, [](int) { g_stop = 1; });

  nfq_handle* handle = nfq_open();
  if (!handle) {
    std::perror("nfq_open");
    return 1;
  }
  state.queue = nfq_create_queue(handle, static_cast<std::uint16_t>(queueNumber), &OnPacket, &state);
  if (!state.queue || nfq_set_mode(state.queue, NFQNL_COPY_PACKET, 64) < 0) {
    std::perror("nfq_create_queue");
    return 1;
  }
  const int fd = nfq_fd(handle);
  std::printf("ready\n");
  std::fflush(stdout);

  char buffer[4096] __attribute__((aligned));
  while (!g_stop) {
    int waitMs = 100;
    if (!state.held.empty()) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(state.held.front().due - Clock::now());
      waitMs = static_cast<int>(std::max<long>(0, left.count()));
    }
    pollfd pfd{fd, POLLIN, 0};
    if (::poll(&pfd, 1, waitMs) > 0) {
      const ssize_t got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
      if (got > 0) nfq_handle_packet(handle, buffer, static_cast<int>(got));
    }
    ReleaseDue(state);
  }
  for (const Held& h : state.held) nfq_set_verdict(state.queue, h.id, kAccept, 0, nullptr);
  nfq_destroy_queue(state.queue);
  nfq_close(handle);
  return 0;
}
