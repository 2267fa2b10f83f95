#include "resources/dialog_templates.h"

#include "workers/product.h"

namespace {

using K = ControlKind;
using namespace control_style;
constexpr const char* kDialogFont = "MS Sans Serif";

constexpr ControlTemplate kAbout[] = {
    {-1, K::kIcon, "128", 7, 5, 20, 20},
    {-1, K::kLabel, "Vantorel Version 2.71", 40, 8, 115, 8, kNoPrefix},
    {-1, K::kLabel, "Ping and traceroute, hop by hop", 40, 19, 119, 8},
    {1, K::kDefaultButton, "OK", 168, 5, 50, 14, kTabStop},
    {1001, K::kLabel, kProductWebAddress, 39, 41, 114, 8},
    {-1, K::kLabel, "Built in C++ with Qt for Linux", 39, 30, 119, 8},
};

constexpr ControlTemplate kMain[] = {
    {1000, K::kListView, nullptr, 256, 70, 245, 215, kTabStop | kMultipleSelection},
    {1005, K::kEtchedLine, nullptr, 0, 31, 507, 1},
    {1016, K::kGroupBox, "", 5, 35, 496, 33},
    {1004, K::kEdit, "", 176, 48, 122, 12, kTabStop},
    {-1, K::kLabel, "Enter Website IP or Domain Name:", 16, 49, 113, 8},
    {1001, K::kListView, nullptr, 6, 70, 244, 215, kTabStop | kMultipleSelection},
};

constexpr ControlTemplate kTraceSettings[] = {
    {1, K::kDefaultButton, "OK", 45, 108, 50, 14, kTabStop},
    {2, K::kPushButton, "Cancel", 108, 109, 50, 14, kTabStop},
    {-1, K::kGroupBox, "Host Names", 7, 3, 189, 30},
    {-1, K::kGroupBox, "Ping Settings", 7, 35, 189, 66},
    {1017, K::kCheckBox, "Resolve Host Names", 17, 15, 151, 10, kTabStop},
    {-1, K::kLabel, "Number of Hops:", 17, 51, 122, 10},
    {-1, K::kLabel, "Number of Ping Requests", 17, 65, 122, 10},
    {-1, K::kLabel, "Response Timeout in Milliseconds", 17, 79, 122, 10},
    {1004, K::kEdit, "", 147, 49, 38, 12, kTabStop | kDigitsOnly},
    {1005, K::kEdit, "", 147, 63, 38, 12, kTabStop | kDigitsOnly},
    {1006, K::kEdit, "", 147, 77, 38, 12, kTabStop | kDigitsOnly},
};

constexpr ControlTemplate kPingSettings[] = {
    {1, K::kDefaultButton, "OK", 49, 178, 50, 14, kTabStop},
    {2, K::kPushButton, "Cancel", 109, 178, 50, 14, kTabStop},
    {-1, K::kGroupBox, "Options", 7, 7, 194, 65},
    {-1, K::kGroupBox, "Parameters", 7, 80, 194, 91},
    {1024, K::kCheckBox, "Resolve Addresses to Host Names", 15, 21, 177, 11, kTabStop},
    {1025, K::kCheckBox, "Set Don't Fragment Flag in Packet", 15, 36, 181, 11, kTabStop},
    {1026, K::kCheckBox, "Use Raw Sockets", 15, 53, 181, 8, kTabStop},
    {1004, K::kEdit, "", 153, 94, 36, 13, kTabStop | kDigitsOnly},
    {1005, K::kEdit, "", 153, 108, 36, 13, kTabStop | kDigitsOnly},
    {1006, K::kEdit, "", 153, 122, 36, 13, kTabStop | kDigitsOnly},
    {1007, K::kEdit, "", 153, 136, 36, 13, kTabStop | kDigitsOnly},
    {1008, K::kEdit, "", 153, 150, 36, 13, kTabStop | kDigitsOnly},
    {-1, K::kLabel, "Number of echo requests to send:", 19, 96, 118, 9},
    {-1, K::kLabel, "Timeout in milliseconds to wait:", 19, 110, 118, 9},
    {-1, K::kLabel, "Send data request buffer size:", 19, 124, 118, 9},
    {-1, K::kLabel, "Time To Live:", 19, 138, 118, 9},
    {-1, K::kLabel, "Type of Service:", 19, 152, 118, 9},
};

}  // namespace

const DialogTemplate& AboutTemplate() {
  static const DialogTemplate t{100, "About Vantorel", 225, 60, kDialogFont, 8, false, kAbout};
  return t;
}

const DialogTemplate& MainTemplate() {
  static const DialogTemplate t{102, "Vantorel", 507, 302, kDialogFont, 8, true, kMain};
  return t;
}

const DialogTemplate& TraceSettingsTemplate() {
  static const DialogTemplate t{142, "Trace Settings", 203, 130, kDialogFont, 8, false, kTraceSettings};
  return t;
}

const DialogTemplate& PingSettingsTemplate() {
  static const DialogTemplate t{149, "Ping Settings", 208, 199, kDialogFont, 8, false, kPingSettings};
  return t;
}
