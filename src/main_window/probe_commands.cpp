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
  auto* worker = new CPingThread;
  worker->m_pList = m_pingRows;
  worker->m_pStatusBar = m_status;
  worker->m_strTarget = m_strAddress.toStdString();
  worker->m_bResolveNames = inputs.bResolveNames;
  worker->m_bRawSocket = inputs.bRawSocket;
  worker->m_bDontFragment = inputs.bDontFragment;
  worker->m_nCount = inputs.nCount;
  worker->m_nTtl = inputs.nTtl;
  worker->m_nTos = inputs.nTos;
  worker->m_nDataSize = inputs.nDataSize;
  worker->m_nTimeout = inputs.nTimeout;
  worker->ResumeThread();
}

void CMainDlg::OnTrace() {
  m_strAddress = m_targetBox->text();
  m_settings.PutString(settings::kAddress, m_strAddress.toStdString());
  m_listTrace->DeleteAllItems();
  const TraceInputs inputs = TraceInputsFromTexts(m_bResolveNames, m_strPingNumber, m_strHopsNumber, m_strTimeout);
  auto* worker = new CRefreshThread;
  worker->m_pList = m_traceRows;
  worker->m_pStatusBar = m_status;
  worker->m_strTarget = m_strAddress.toStdString();
  worker->m_bResolveNames = inputs.bResolveNames;
  worker->m_nProbes = inputs.nProbes;
  worker->m_nHops = inputs.nHops;
  worker->m_nTimeout = inputs.nTimeout;
  worker->ResumeThread();
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
