#pragma once
// Command identifiers of the menus, the toolbar and the tray menu.

namespace cmd {
inline constexpr int kExit = 32774;
inline constexpr int kAbout = 32777;
inline constexpr int kHelpContents = 32779;
inline constexpr int kToolbarTrace = 32780;
inline constexpr int kTrayExit = 32781;
inline constexpr int kTrayTrace = 32782;
inline constexpr int kShow = 32783;
inline constexpr int kClearList = 32784;
inline constexpr int kTraceSettings = 32785;
inline constexpr int kTrace = 32788;
inline constexpr int kStop = 32789;
inline constexpr int kExport = 32792;
inline constexpr int kPrint = 32794;
inline constexpr int kPing = 32796;
inline constexpr int kToolbarPing = 32798;
inline constexpr int kPingSettings = 32799;
inline constexpr int kTrayPing = 32800;
}  // namespace cmd
