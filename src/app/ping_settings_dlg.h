#pragma once
// The Ping Settings dialog: the eight ping parameters, written on OK.

#include <QDialog>

#include <map>
#include <string>

#include "app/registry_key.h"

class CPingSettingsDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit CPingSettingsDlg(QWidget* parent = nullptr);

  QWidget* Control(int id) const { return m_controls.at(id); }

 private:
  void DoDataExchange(bool save);
  void OnOK();

  CRegistryKey m_settings;
  bool m_bKeyOpened = false;
  DWORD m_bResolveAddresses = 0;
  DWORD m_bUseRawSockets = 0;
  DWORD m_bDontFragment = 0;
  std::string m_strRequests;
  std::string m_strTos;
  std::string m_strTtl;
  std::string m_strDataSize;
  std::string m_strTimeout;
  std::map<int, QWidget*> m_controls;
};

inline constexpr const char* kSettingsNotSavedMessage =
    "The settings could not be saved: the settings store could not be opened.";
