#include "app/ping_settings_dlg.h"

#include "app/message_box.h"
#include "app/settings_catalogue.h"
#include "app/template_dialog.h"

CPingSettingsDlg::CPingSettingsDlg(QWidget* parent) : QDialog(parent) {
  m_controls = BuildTemplateDialog(this, PingSettingsTemplate(), [this] { OnOK(); }).controls;
  m_settings.SetRoot(HKEY_CURRENT_USER);
  m_bKeyOpened = m_settings.OpenPath(settings::kKeyPath);
  if (m_bKeyOpened) {
    m_bResolveAddresses = m_settings.GetFlag(settings::kResolveAddressesToHostnames, 1);
    m_bUseRawSockets = m_settings.GetFlag(settings::kUseRawSockets, 0);
    m_bDontFragment = m_settings.GetFlag(settings::kDontFragment, 0);
    m_strRequests = m_settings.GetString(settings::kRequestsToSend, "10");
    m_strTos = m_settings.GetString(settings::kTos, "0");
    m_strTtl = m_settings.GetString(settings::kTtl, "30");
    m_strDataSize = m_settings.GetString(settings::kDataRequestSize, "32");
    m_strTimeout = m_settings.GetString(settings::kTimeout, "5000");
  }
  DoDataExchange(false);
  Control(control_id::kOk)->setFocus();
}

void CPingSettingsDlg::DoDataExchange(bool save) {
  using namespace control_id;
  if (save) {
    m_bResolveAddresses = TakeFlag(Control(kResolveAddresses));
    m_bUseRawSockets = TakeFlag(Control(kUseRawSockets));
    m_bDontFragment = TakeFlag(Control(kDontFragment));
    m_strRequests = TakeText(Control(kRequests));
    m_strTos = TakeText(Control(kTos));
    m_strTtl = TakeText(Control(kTtl));
    m_strDataSize = TakeText(Control(kDataSize));
    m_strTimeout = TakeText(Control(kPingTimeout));
    return;
  }
  ShowFlag(Control(kResolveAddresses), &m_bResolveAddresses);
  ShowFlag(Control(kUseRawSockets), &m_bUseRawSockets);
  ShowFlag(Control(kDontFragment), &m_bDontFragment);
  ShowText(Control(kRequests), m_strRequests);
  ShowText(Control(kTos), m_strTos);
  ShowText(Control(kTtl), m_strTtl);
  ShowText(Control(kDataSize), m_strDataSize);
  ShowText(Control(kPingTimeout), m_strTimeout);
}

void CPingSettingsDlg::OnOK() {
  DoDataExchange(true);
  if (!m_bKeyOpened) {
    // With no store to write to, saying so beats closing as if saved.
    ShowMessageBox(this, kSettingsNotSavedMessage, ApplicationName(), QMessageBox::Warning);
    accept();
    return;
  }
  m_settings.PutFlag(settings::kResolveAddressesToHostnames, m_bResolveAddresses);
  m_settings.PutFlag(settings::kUseRawSockets, m_bUseRawSockets);
  m_settings.PutFlag(settings::kDontFragment, m_bDontFragment);
  m_settings.PutString(settings::kRequestsToSend, m_strRequests);
  m_settings.PutString(settings::kTos, m_strTos);
  m_settings.PutString(settings::kTtl, m_strTtl);
  m_settings.PutString(settings::kDataRequestSize, m_strDataSize);
  m_settings.PutString(settings::kTimeout, m_strTimeout);
  accept();
}
