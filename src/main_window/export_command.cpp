// File > Export: the trace list to vantorel.csv beside the executable, then
// opened in the desktop's text editor.

#include <QCoreApplication>

#include "app/message_box.h"
#include "app/shell_open.h"
#include "main_window/csv_export.h"
#include "main_window/list_row_source.h"
#include "main_window/main_dlg.h"

void CMainDlg::OnExport() {
  const std::string path = ExportFilePath(QCoreApplication::applicationDirPath().toStdString());
  if (!WriteExportFile(path, TraceListCsv(ListRowSource(TraceList()), ResolveNames())))
    ShowMessageBox(this, kExportFailedMessage, ApplicationName(), QMessageBox::Warning);
  if (!path.empty()) ShellOpen(QString::fromStdString(path));
}
