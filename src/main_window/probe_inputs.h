#pragma once
// Settings to worker inputs: decimal texts converted and cut to the width
// of each input.

#include <string>

#include "platform/win_types.h"
#include "workers/worker_inputs.h"

class CRegistryKey;

// The text as a signed decimal number: leading white space, an optional
// sign, digits up to the first other character; no digits gives 0. The
// result keeps the low 32 bits, so narrower inputs cut it further.
DWORD ConvertDecimal(const std::string& text);

// Reads the ping settings afresh, each with the Ping command's default.
// When the settings key cannot be opened the defaults stand.
PingInputs ReadPingInputs(CRegistryKey& key);

// The trace inputs from the window's cached setting texts.
TraceInputs TraceInputsFromTexts(BOOL resolveNames, const std::string& pingNumber, const std::string& hopsNumber,
                                 const std::string& timeout);
