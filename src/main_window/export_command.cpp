// File > Export: the trace list to vantorel.csv beside the executable, then
// opened in the desktop's text editor.

#include <QCoreApplication>

#include "app/message_box.h"
#include "app/shell_open.h"
#include "controls/sort_list_ctrl.h"
#include "main_window/csv_export.h"
#include "main_window/main_dlg.h"

namespace {

class ListRows final : public RowSource {
 public:
  explicit ListRows(CSortListCtrl& list) : list_(list) {}
  int RowCount() const override { return list_.GetItemCount(); }
  std::string CellText(int row, int column) const override { return list_.GetItemText(row, column).toStdString(); }

 private:
  CSortListCtrl& list_;
};

}  // namespace

void CMainDlg::OnExport() {
  const std::string path = ExportFilePath(QCoreApplication::applicationDirPath().toStdString());
  if (!WriteExportFile(path, TraceListCsv(ListRows(TraceList()), ResolveNames())))
    ShowMessageBox(this, kExportFailedMessage, ApplicationName(), QMessageBox::Warning);
  if (!path.empty()) ShellOpen(QString::fromStdString(path));
}
