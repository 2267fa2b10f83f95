// The commands that open the secondary windows: the two settings dialogs,
// the About box and printing.

#include "app/about_dlg.h"
#include "app/list_printer.h"
#include "app/ping_settings_dlg.h"
#include "app/settings_catalogue.h"
#include "app/trace_settings_dlg.h"
#include "controls/sort_list_ctrl.h"
#include "main_window/main_dlg.h"

void CMainDlg::OnPingSettings() {
  CPingSettingsDlg dialog;
  dialog.exec();
  // The trace's copy of the shared "Timeout" follows, however the dialog closed.
  m_settings.SetRoot(HKEY_CURRENT_USER);
  if (m_settings.OpenPath(settings::kKeyPath)) ReadTraceSettings("30000");
}

void CMainDlg::OnTraceSettings() {
  CTraceSettingsDlg dialog;
  if (dialog.exec() != QDialog::Accepted) return;
  m_settings.SetRoot(HKEY_CURRENT_USER);
  if (m_settings.OpenPath(settings::kKeyPath)) ReadTraceSettings("30000");
  TraceList().DeleteColumn(kTraceNameColumn);
  TraceList().DeleteColumn(kTraceNameColumn);
  InsertTraceNameAndAddressColumns();
}

void CMainDlg::OnAbout() {
  CAboutDlg dialog;
  dialog.exec();
}

void CMainDlg::OnPrint() {
  CListPrinter printer;
  printer.Print(TraceList(), "Vantorel", this);
}
