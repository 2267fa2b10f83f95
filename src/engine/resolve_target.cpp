#include "engine/resolve_target.h"

#include "platform/socket_layer.h"

bool ResolveTarget(const std::string& target, IpAddress* address, int* family) {
  SocketLayer& sockets = Sockets();
  *address = sockets.InetAddr(target);
  *family = ws::kAfInet;
  if (*address != INADDR_NONE_VALUE) return true;
  HostEntry entry;
  if (!sockets.GetHostByName(target, &entry)) return false;
  *address = entry.address;
  *family = entry.family;
  return true;
}
