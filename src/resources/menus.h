#pragma once
// Menus 131 (main), 137 (tray) and 141 (result list context) as data, and
// the builder that turns one into Qt menus.

#include <span>

class QMenu;
class QMenuBar;
class QObject;

struct MenuItem {
  const char* text;  // nullptr: separator
  int command;
  bool isDefault = false;
};

struct Submenu {
  const char* title;
  std::span<const MenuItem> items;
};

struct MenuResource {
  int id;
  std::span<const Submenu> submenus;
};

const MenuResource& MainMenu();         // 131
const MenuResource& TrayMenu();         // 137
const MenuResource& ListContextMenu();  // 141

// Fills a menu with one submenu's items; each action carries its command
// id in its data() and, when triggered, calls onCommand with it.
template <typename OnCommand>
void FillMenu(QMenu* menu, const Submenu& submenu, OnCommand onCommand);
// The whole resource as a menu bar.
template <typename OnCommand>
void FillMenuBar(QMenuBar* bar, const MenuResource& resource, OnCommand onCommand);

#include "resources/menus_builder.h"
