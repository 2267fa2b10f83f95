#include "app/main_app.h"

#include "main_window/main_dlg.h"

int CMainApp::InitInstance() {
  CMainDlg dialog;
  dialog.ShowMainWindow();
  dialog.exec();
  return 0;
}
