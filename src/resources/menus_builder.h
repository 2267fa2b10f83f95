#pragma once
// Template bodies of the menu builders (included from menus.h).

#include <QAction>
#include <QMenu>
#include <QMenuBar>

template <typename OnCommand>
void FillMenu(QMenu* menu, const Submenu& submenu, OnCommand onCommand) {
  for (const MenuItem& item : submenu.items) {
    if (!item.text) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(QString::fromUtf8(item.text));
    action->setData(item.command);
    if (item.isDefault) menu->setDefaultAction(action);
    const int command = item.command;
    QObject::connect(action, &QAction::triggered, menu, [onCommand, command] { onCommand(command); });
  }
}

template <typename OnCommand>
void FillMenuBar(QMenuBar* bar, const MenuResource& resource, OnCommand onCommand) {
  for (const Submenu& submenu : resource.submenus) FillMenu(bar->addMenu(QString::fromUtf8(submenu.title)), submenu, onCommand);
}
