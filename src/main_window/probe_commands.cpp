// The commands that start, stop and act on probes.

#include <QLineEdit>

#include "app/message_box.h"
#include "app/settings_catalogue.h"
#include "app/shell_open.h"
#include "controls/sort_list_ctrl.h"
#include "main_window/main_dlg.h"
#include "main_window/probe_inputs.h"
#include "main_window/whois.h"
#include "resources/command_ids.h"
#include "workers/ping_thread.h"
#include "workers/worker_inputs.h"
#include "workers/product.h"
#include "workers/shared_objects.h"
#include "workers/trace_thread.h"

void CMainDlg::OnCommand(int command) {
  if (m_bClosing) return;
  switch (command) {
    case cmd::kPing:
    case cmd::kToolbarPing: OnPing(); break;
    case cmd::kTrayPing:
      OnShow();
      OnPing();
      break;
    case cmd::kTrace:
    case cmd::kToolbarTrace: OnTrace(); break;
    case cmd::kTrayTrace:
      OnShow();
      OnTrace();
      break;
    case cmd::kStop: OnStop(); break;
    case cmd::kShow: OnShow(); break;
    case cmd::kHelpContents: OnHelpContents(); break;
    case cmd::kClearList: OnClearList(); break;
    case cmd::kExport: OnExport(); break;
    case cmd::kPrint: OnPrint(); break;
    case cmd::kPingSettings: OnPingSettings(); break;
    case cmd::kTraceSettings: OnTraceSettings(); break;
    case cmd::kAbout: OnAbout(); break;
    case cmd::kExit:
    case cmd::kTrayExit: OnExit(); break;
    default: break;
  }
}

void CMainDlg::OnPing() {
  m_strAddress = m_targetBox->text();
  // Longer than the store takes: not remembered, but pinged all the same.
  m_settings.PutString(settings::kAddress, m_strAddress.toStdString());
  const PingInputs inputs = ReadPingInputs(m_settings);
  m_listPing->DeleteAllItems();
  NewPingThread(m_strAddress.toStdString(), inputs, m_pingRows, m_status)->ResumeThread();
}

void CMainDlg::OnTrace() {
  m_strAddress = m_targetBox->text();
  m_settings.PutString(settings::kAddress, m_strAddress.toStdString());
  m_listTrace->DeleteAllItems();
  const TraceInputs inputs = TraceInputsFromTexts(m_bResolveNames, m_strPingNumber, m_strHopsNumber, m_strTimeout);
  NewTraceThread(m_strAddress.toStdString(), inputs, m_traceRows, m_status)->ResumeThread();
}

void CMainDlg::OnStop() { g_hStopEvent.Set(); }

void CMainDlg::OnShow() {
  if (RemoveNotifyIcon()) {
    showNormal();
    activateWindow();
  }
}

void CMainDlg::OnHelpContents() { ShellOpen(QString(kProductWebAddress) + "/vantorel/"); }

void CMainDlg::OnClearList() { m_listTrace->DeleteAllItems(); }

void CMainDlg::LookUpWhois() {
  const int row = m_listTrace->FirstSelectedRow();
  if (row < 0) return;
  const QString cell = m_listTrace->GetItemText(row, m_bResolveNames == 1 ? 5 : 4);
  const std::optional<std::string> page = WhoisPage(cell.toStdString());
  if (!page) {
    ShowMessageBox(this, kWhoisRefusedMessage, "Error", QMessageBox::Warning);
    return;
  }
  ShellOpen(QString::fromStdString(*page));
}

void CMainDlg::OnExit() { done(QDialog::Rejected); }
