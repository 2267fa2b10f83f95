#pragma once
// Every stored setting: its value name, kind and meaning. Readers and
// writers name values through these constants; each reader passes its own
// default, as the readers differ.


namespace settings {

inline constexpr const char* kKeyPath = "Software\\Brimvale\\Vantorel\\Settings";

inline constexpr const char* kAddress = "Address";
inline constexpr const char* kHopsNumber = "HopsNumber";
inline constexpr const char* kPingNumber = "PingNumber";
inline constexpr const char* kTimeout = "Timeout";
inline constexpr const char* kResolveNames = "ResolveNames";
inline constexpr const char* kResolveAddressesToHostnames = "ResolveAddressesToHostnames";
inline constexpr const char* kUseRawSockets = "UseRawSockets";
inline constexpr const char* kDontFragment = "DontFragment";
inline constexpr const char* kRequestsToSend = "RequestsToSend";
inline constexpr const char* kTos = "TOS";
inline constexpr const char* kTtl = "TTL";
inline constexpr const char* kDataRequestSize = "DataRequestSize";

// The profile entry of the window placement.
inline constexpr const char* kProfileSection = "Settings";
inline constexpr const char* kLayoutEntry = "Layout";

enum class Kind { kText, kFlag };

struct Entry {
  const char* name;
  Kind kind;
  const char* meaning;
};

inline constexpr Entry kCatalogue[] = {
    {kAddress, Kind::kText, "last target typed in the main window"},
    {kHopsNumber, Kind::kText, "trace: largest number of hops"},
    {kPingNumber, Kind::kText, "trace: echo requests per hop"},
    {kTimeout, Kind::kText, "reply timeout in milliseconds, for ping and trace alike"},
    {kResolveNames, Kind::kFlag, "trace: show host names of hops"},
    {kResolveAddressesToHostnames, Kind::kFlag, "ping: show host names of replying addresses"},
    {kUseRawSockets, Kind::kFlag, "ping: raw socket instead of the ICMP service"},
    {kDontFragment, Kind::kFlag, "ping: set Don't Fragment"},
    {kRequestsToSend, Kind::kText, "ping: number of echo requests"},
    {kTos, Kind::kText, "ping: type of service"},
    {kTtl, Kind::kText, "ping: time to live"},
    {kDataRequestSize, Kind::kText, "ping: data size of a request in bytes"},
};

}  // namespace settings
