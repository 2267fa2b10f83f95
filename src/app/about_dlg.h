#pragma once
// The About box: icon, version line, and the product's web address as a link.

#include "main_window/tray_dialog.h"

class CStaticLink;

class CAboutDlg final : public CTrayDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  CStaticLink* Link() const { return m_link; }

 protected:
  void OnTrayCommand(int) override {}

 private:
  CStaticLink* m_link = nullptr;
};
