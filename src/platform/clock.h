#pragma once
// Performance counter, millisecond tick count and process id, all from the
// steady clock so that round trips never jump with wall-clock changes.

#include <cstdint>

#include "platform/win_types.h"

BOOL QueryPerformanceFrequency(std::int64_t* frequency);
BOOL QueryPerformanceCounter(std::int64_t* count);
DWORD GetTickCount();
DWORD GetCurrentProcessId();
