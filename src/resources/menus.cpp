#include "resources/menus.h"

#include "resources/command_ids.h"

namespace {

constexpr MenuItem kFile[] = {{"&Export to File...", cmd::kExport}, {"&Print...", cmd::kPrint}, {nullptr, 0},
                              {"Exit", cmd::kExit}};
constexpr MenuItem kAction[] = {{"Ping", cmd::kPing}, {"Trace", cmd::kTrace}, {nullptr, 0}, {"Stop!", cmd::kStop}};
constexpr MenuItem kTools[] = {{"&Ping Settings...", cmd::kPingSettings},
                               {"&Traceroute Settings...", cmd::kTraceSettings}};
constexpr MenuItem kHelp[] = {{"&Contents", cmd::kHelpContents}, {"&About...", cmd::kAbout}};
constexpr Submenu kMain[] = {{"&File", kFile}, {"&Action", kAction}, {"&Tools", kTools}, {"&Help", kHelp}};

constexpr MenuItem kTray[] = {{"Ping", cmd::kTrayPing, true},
                              {"Trace", cmd::kTrayTrace},
                              {"Show", cmd::kShow},
                              {nullptr, 0},
                              {"Exit", cmd::kTrayExit}};
constexpr Submenu kTraySubmenus[] = {{"my tray", kTray}};

constexpr MenuItem kList[] = {{"Clear List", cmd::kClearList}};
constexpr Submenu kListSubmenus[] = {{"List", kList}};

}  // namespace

const MenuResource& MainMenu() {
  static const MenuResource menu{131, kMain};
  return menu;
}

const MenuResource& TrayMenu() {
  static const MenuResource menu{137, kTraySubmenus};
  return menu;
}

const MenuResource& ListContextMenu() {
  static const MenuResource menu{141, kListSubmenus};
  return menu;
}
