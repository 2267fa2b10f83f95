#pragma once
// The options of one ping run and the record a requester answers with.

#include <string>

#include "platform/win_types.h"

struct EchoOptions {
  std::string strTarget;
  BOOL bResolveNames = 0;
  DWORD nCount = 1;
  BYTE nTtl = 30;
  BYTE nTos = 0;
  WORD nDataSize = 32;
  DWORD nTimeout = 5000;
  BOOL bRawSocket = 0;
  BOOL bDontFragment = 0;
};

struct EchoReply {
  IpAddress dwAddress = 0;  // network order
  DWORD dwRoundTrip = 0;    // milliseconds
};
