#include "main_window/probe_inputs.h"

#include <cctype>

#include "app/registry_key.h"
#include "app/settings_catalogue.h"

DWORD ConvertDecimal(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  DWORD value = 0;  // unsigned arithmetic keeps exactly the low 32 bits
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    value = value * 10 + static_cast<DWORD>(text[i] - '0');
  return negative ? 0u - value : value;
}

PingInputs ReadPingInputs(CRegistryKey& key) {
  PingInputs inputs;
  key.SetRoot(HKEY_CURRENT_USER);
  if (!key.OpenPath(settings::kKeyPath)) return inputs;
  inputs.bResolveNames = static_cast<BOOL>(key.GetFlag(settings::kResolveAddressesToHostnames, 1));
  inputs.bRawSocket = static_cast<BOOL>(key.GetFlag(settings::kUseRawSockets, 0));
  inputs.bDontFragment = static_cast<BOOL>(key.GetFlag(settings::kDontFragment, 0));
  inputs.nCount = ConvertDecimal(key.GetString(settings::kRequestsToSend, "10"));
  inputs.nTos = static_cast<BYTE>(ConvertDecimal(key.GetString(settings::kTos, "0")));
  inputs.nTtl = static_cast<BYTE>(ConvertDecimal(key.GetString(settings::kTtl, "30")));
  inputs.nDataSize = static_cast<WORD>(ConvertDecimal(key.GetString(settings::kDataRequestSize, "32")));
  inputs.nTimeout = ConvertDecimal(key.GetString(settings::kTimeout, "5000"));
  return inputs;
}

TraceInputs TraceInputsFromTexts(BOOL resolveNames, const std::string& pingNumber, const std::string& hopsNumber,
                                 const std::string& timeout) {
  TraceInputs inputs;
  inputs.bResolveNames = resolveNames;
  inputs.nProbes = ConvertDecimal(pingNumber);
  inputs.nHops = static_cast<BYTE>(ConvertDecimal(hopsNumber));
  inputs.nTimeout = ConvertDecimal(timeout);
  return inputs;
}
