#include "main_window/tray_dialog.h"

#include <QCursor>
#include <QEvent>
#include <QWindowStateChangeEvent>

#include "resources/menus.h"

CTrayDialog::CTrayDialog(QWidget* parent) : QDialog(parent) {}

CTrayDialog::~CTrayDialog() { RemoveNotifyIcon(); }

void CTrayDialog::SetNotifyIcon(const QIcon& icon) { m_icon = icon; }

void CTrayDialog::SetNotifyTip(const QString& tip) { m_strTip = tip.left(kMaxTipLength); }

void CTrayDialog::SetNotifyMenu(const MenuResource& menu) {
  m_menuTray = std::make_unique<QMenu>();
  FillMenu(m_menuTray.get(), menu.submenus[0], [this](int command) { OnTrayCommand(command); });
}

bool CTrayDialog::TrayAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool CTrayDialog::AddNotifyIcon() {
  if (m_bIconShown || !TrayAvailable()) return false;
  if (!m_pTrayIcon) {
    m_pTrayIcon = new QSystemTrayIcon(this);
    connect(m_pTrayIcon, &QSystemTrayIcon::activated, this, &CTrayDialog::OnActivated);
  }
  m_pTrayIcon->setIcon(m_icon);
  m_pTrayIcon->setToolTip(m_strTip);
  m_pTrayIcon->show();
  m_bIconShown = true;
  return true;
}

bool CTrayDialog::RemoveNotifyIcon() {
  if (!m_bIconShown) return false;
  m_pTrayIcon->hide();
  m_bIconShown = false;
  return true;
}

void CTrayDialog::OnIconLeftDoubleClick(const QPoint&) {
  if (m_bMinimizeToTray && RemoveNotifyIcon()) {
    showNormal();
    activateWindow();
  }
}

void CTrayDialog::OnIconRightDown(const QPoint& point) {
  if (!m_menuTray) return;
  activateWindow();
  // The menu's bottom edge sits at the cursor.
  m_menuTray->popup(point - QPoint(0, m_menuTray->sizeHint().height()));
}

void CTrayDialog::OnActivated(QSystemTrayIcon::ActivationReason reason) {
  const QPoint cursor = QCursor::pos();
  switch (reason) {
    case QSystemTrayIcon::Trigger: OnIconLeftDown(cursor); break;
    case QSystemTrayIcon::DoubleClick: OnIconLeftDoubleClick(cursor); break;
    case QSystemTrayIcon::Context: OnIconRightDown(cursor); break;
    default: break;
  }
}

void CTrayDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !m_bMinimizeToTray) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  const bool nowMinimised = isMinimized() && !(change->oldState() & Qt::WindowMinimized);
  // Without a notification area this stays an ordinary minimise.
  if (nowMinimised && AddNotifyIcon()) {
    // Hidden once the minimise has run its course, which would show it again.
    const Qt::WindowStates restored = change->oldState() & ~Qt::WindowMinimized;
    QMetaObject::invokeMethod(
        this,
        [this, restored] {
          setWindowState(restored);
          hide();
        },
        Qt::QueuedConnection);
  }
}
