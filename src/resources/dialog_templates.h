#pragma once
// Dialog templates 100, 102, 142 and 149 as data: caption, size and font,
// and the controls in template order (which is the tab order), positions and
// sizes in dialog units.

#include <span>

enum class ControlKind { kListView, kEtchedLine, kGroupBox, kEdit, kLabel, kPushButton, kDefaultButton, kCheckBox, kIcon };

namespace control_style {
inline constexpr unsigned kTabStop = 1u << 0;
inline constexpr unsigned kDigitsOnly = 1u << 1;
inline constexpr unsigned kNoPrefix = 1u << 2;
inline constexpr unsigned kMultipleSelection = 1u << 3;
}  // namespace control_style

struct ControlTemplate {
  int id;  // -1: none
  ControlKind kind;
  const char* text;
  int x, y, cx, cy;
  unsigned style = 0;
};

struct DialogTemplate {
  int id;
  const char* caption;
  int cx, cy;
  const char* font;
  int pointSize;
  bool resizable;  // with minimise and maximise boxes
  std::span<const ControlTemplate> controls;
};

const DialogTemplate& AboutTemplate();          // 100
const DialogTemplate& MainTemplate();           // 102
const DialogTemplate& TraceSettingsTemplate();  // 142
const DialogTemplate& PingSettingsTemplate();   // 149

// Control ids used by code.
namespace control_id {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kTraceList = 1000;
inline constexpr int kPingList = 1001;
inline constexpr int kTargetBox = 1004;
inline constexpr int kSeparator = 1005;
inline constexpr int kGroupBox = 1016;
inline constexpr int kAboutLink = 1001;
inline constexpr int kResolveAddresses = 1024;
inline constexpr int kDontFragment = 1025;
inline constexpr int kUseRawSockets = 1026;
inline constexpr int kRequests = 1004;
inline constexpr int kPingTimeout = 1005;
inline constexpr int kDataSize = 1006;
inline constexpr int kTtl = 1007;
inline constexpr int kTos = 1008;
inline constexpr int kResolveNames = 1017;
inline constexpr int kHops = 1004;
inline constexpr int kProbes = 1005;
inline constexpr int kTraceTimeout = 1006;
}  // namespace control_id
