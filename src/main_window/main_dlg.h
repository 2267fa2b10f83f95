#pragma once
// The main window: target box, ping list on the left, trace list on the
// right, toolbar, menu and status line, and the commands that run probes.

#include <QString>

#include <memory>
#include <string>

#include "app/registry_key.h"
#include "main_window/gui_thread_call.h"
#include "main_window/tray_dialog.h"
#include "main_window/window_sinks.h"
#include "platform/win_types.h"

class CSortListCtrl;
class CTextToolBar;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QStatusBar;

class CMainDlg : public CTrayDialog {
  Q_OBJECT

 public:
  explicit CMainDlg(QWidget* parent = nullptr);
  ~CMainDlg() override;

  // Restores the saved placement (or centres the window at its template
  // size), shows the window and puts the focus on the target box.
  void ShowMainWindow();
  void OnCommand(int command);

  CSortListCtrl& PingList() const { return *m_listPing; }
  CSortListCtrl& TraceList() const { return *m_listTrace; }
  QLineEdit& TargetBox() const { return *m_targetBox; }
  CTextToolBar* ToolBar() const { return m_toolBar; }
  QMenuBar* MenuBar() const { return m_menuBar; }
  QWidget* Client() const { return m_client; }
  QString PaneText(int pane) const;
  BOOL ResolveNames() const { return m_bResolveNames; }
  const std::string& CachedTimeout() const { return m_strTimeout; }
  const std::string& CachedHops() const { return m_strHopsNumber; }
  const std::string& CachedProbes() const { return m_strPingNumber; }
  QSize TemplateClientSize() const { return m_templateClientSize; }

  // How long closing waits for running probes to end (they are woken).
  static constexpr int kWorkerGraceMs = 5000;

 protected:
  void OnTrayCommand(int command) override { OnCommand(command); }
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Reads the cached trace settings, with the reader's timeout default.
  void ReadTraceSettings(const char* timeoutDefault);
  void InsertTraceNameAndAddressColumns();
  CRegistryKey m_settings;

 private:
  void CreateStatusBar();
  void CreateToolBar();
  void InsertTraceColumns();
  void InsertPingColumns();
  void LayoutControls();
  void SaveWindowPlacement();
  bool RestoreWindowPlacement();
  void SetPaneText(int pane, const QString& text);
  void StopWorkersForClosing();

  void OnPing();
  void OnTrace();
  void OnStop();
  void OnShow();
  void OnHelpContents();
  void OnClearList();
  void LookUpWhois();
  void OnExport();
  void OnExit();
  void OnPingSettings();
  void OnTraceSettings();
  void OnAbout();
  void OnPrint();

  QMenuBar* m_menuBar = nullptr;
  QWidget* m_client = nullptr;
  CTextToolBar* m_toolBar = nullptr;
  QStatusBar* m_statusBar = nullptr;
  QLabel* m_panes[2] = {nullptr, nullptr};
  std::string m_strHopsNumber;
  std::string m_strPingNumber;
  std::string m_strTimeout;
  BOOL m_bResolveNames = 1;  // when no setting can be read, as on a first start
  CSortListCtrl* m_listPing = nullptr;
  QFrame* m_separator = nullptr;
  QGroupBox* m_groupBox = nullptr;
  CSortListCtrl* m_listTrace = nullptr;
  QLineEdit* m_targetBox = nullptr;
  QString m_strAddress;
  QSize m_templateClientSize;

  std::shared_ptr<GuiThreadCaller> m_gui;
  std::shared_ptr<ListRowSink> m_pingRows;
  std::shared_ptr<ListRowSink> m_traceRows;
  std::shared_ptr<StatusBarSink> m_status;
  bool m_bClosing = false;
};

// The trace list's "Name" column, or "Address" when names are off.
inline constexpr int kTraceNameColumn = 4;
