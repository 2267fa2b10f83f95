#pragma once
// A dialog that, minimised, hides behind an icon in the notification area:
// a double click on the icon brings it back, and the icon's menu sends its
// commands to the dialog. Where the desktop has no notification area,
// minimising stays an ordinary minimise, so the window can always come back.

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

#include <memory>

struct MenuResource;

class CTrayDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CTrayDialog(QWidget* parent = nullptr);
  ~CTrayDialog() override;

  void SetNotifyIcon(const QIcon& icon);
  // Tips of 128 characters or more are cut to 127.
  void SetNotifyTip(const QString& tip);
  void SetNotifyMenu(const MenuResource& menu);
  bool AddNotifyIcon();
  bool RemoveNotifyIcon();
  bool IconShown() const { return m_bIconShown; }
  QString NotifyTip() const { return m_strTip; }
  QMenu* NotifyMenu() const { return m_menuTray.get(); }

  virtual void OnIconLeftDown(const QPoint&) {}
  virtual void OnIconLeftDoubleClick(const QPoint& point);
  virtual void OnIconRightDown(const QPoint& point);
  virtual void OnIconRightDoubleClick(const QPoint&) {}
  virtual void OnIconMouseMove(const QPoint&) {}

 protected:
  // The tray menu's commands arrive here.
  virtual void OnTrayCommand(int command) = 0;
  void changeEvent(QEvent* event) override;
  // Whether a notification area exists; tests may pretend.
  virtual bool TrayAvailable() const;

 private:
  void OnActivated(QSystemTrayIcon::ActivationReason reason);

  bool m_bMinimizeToTray = true;
  bool m_bIconShown = false;
  QIcon m_icon;
  QString m_strTip;
  std::unique_ptr<QMenu> m_menuTray;
  QSystemTrayIcon* m_pTrayIcon = nullptr;
};

inline constexpr int kMaxTipLength = 127;
