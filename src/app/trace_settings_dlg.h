#pragma once
// The Trace Settings dialog: hops, probes per hop, timeout and names,
// written on OK; each number at most 6 characters.

#include <QDialog>

#include <map>
#include <string>

#include "app/registry_key.h"

class CTraceSettingsDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit CTraceSettingsDlg(QWidget* parent = nullptr);

  QWidget* Control(int id) const { return m_controls.at(id); }

  static constexpr int kMaxChars = 6;

 private:
  // False when a text failed its length check (the box has been shown).
  bool DoDataExchange(bool save);
  bool TakeLimitedText(int id, std::string* member);
  void OnOK();

  CRegistryKey m_settings;
  bool m_bKeyOpened = false;
  std::string m_strHops;
  std::string m_strPingNumber;
  DWORD m_bResolveNames = 0;
  std::string m_strTimeout;
  std::map<int, QWidget*> m_controls;
};

inline constexpr const char* kTooLongMessage = "Please enter no more than %1 characters.";
