#pragma once
// One descriptor wait shared by the socket layer and the ICMP service: it
// also wakes when the process-wide shutdown signal is raised.

#include <chrono>

enum class WaitResult { kReady, kTimedOut, kFailed };

// Waits until `events` (poll flags) are pending on fd or the timeout
// passes. kFailed leaves the reason in the last error (cancelled when
// the shutdown signal woke the wait).
WaitResult WaitForDescriptor(int fd, short events, std::chrono::microseconds timeout);
