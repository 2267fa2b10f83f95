#include "main_window/main_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/settings_catalogue.h"
#include "controls/sort_list_ctrl.h"
#include "main_window/layout_geometry.h"
#include "main_window/text_toolbar.h"
#include "platform/shutdown_signal.h"
#include "resources/command_ids.h"
#include "resources/dialog_builder.h"
#include "resources/icons.h"
#include "resources/menus.h"
#include "workers/product.h"
#include "workers/shared_objects.h"
#include "workers/worker_thread.h"

namespace {

struct ColumnSpec {
  const char* title;
  int width;
};
constexpr ColumnSpec kTraceFirstColumns[] = {{"Node", 39}, {"Min RTT", 39}, {"Avg RTT", 40}, {"Max RTT", 42}};
constexpr ColumnSpec kPingColumns[] = {{"Request", 60}, {"Host", 170}, {"Reply in ms", 130}};
constexpr int kNameAndAddressWidth = 100;

}  // namespace

CMainDlg::CMainDlg(QWidget* parent) : CTrayDialog(parent), m_gui(std::make_shared<GuiThreadCaller>(this)) {
  const DialogTemplate& dialog = MainTemplate();
  setWindowTitle(QString::fromUtf8(dialog.caption));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  setWindowIcon(ApplicationIcon());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_menuBar = new QMenuBar(this);
  FillMenuBar(m_menuBar, MainMenu(), [this](int command) { OnCommand(command); });
  layout->setMenuBar(m_menuBar);
  m_client = new QWidget(this);
  m_client->setMinimumSize(0, 0);
  layout->addWidget(m_client);

  const BuiltDialog built = BuildDialog(dialog, m_client, [](const ControlTemplate&, QWidget* client) {
    return new CSortListCtrl(client);
  });
  m_templateClientSize = built.clientSize;
  m_listTrace = static_cast<CSortListCtrl*>(built.controls.at(control_id::kTraceList));
  m_separator = static_cast<QFrame*>(built.controls.at(control_id::kSeparator));
  m_groupBox = static_cast<QGroupBox*>(built.controls.at(control_id::kGroupBox));
  m_targetBox = static_cast<QLineEdit*>(built.controls.at(control_id::kTargetBox));
  m_listPing = static_cast<CSortListCtrl*>(built.controls.at(control_id::kPingList));

  CreateStatusBar();
  CreateToolBar();

  m_settings.SetRoot(HKEY_CURRENT_USER);
  if (m_settings.OpenPath(settings::kKeyPath)) {
    ReadTraceSettings("10000");
    m_strAddress = QString::fromStdString(m_settings.GetString(settings::kAddress, kDefaultTargetHost));
    m_targetBox->setText(m_strAddress);
  }
  InsertTraceColumns();
  InsertPingColumns();
  const std::vector<QIcon> images = {QIcon(ListImage(139)), QIcon(ListImage(140)), QIcon(ListImage(138))};
  m_listTrace->SetImageList(images);
  m_listPing->SetImageList(images);
  SetPaneText(0, QString());

  SetNotifyIcon(ApplicationIcon());
  SetNotifyTip("Vantorel");
  SetNotifyMenu(TrayMenu());

  m_pingRows = std::make_shared<ListRowSink>(m_listPing, m_gui);
  m_traceRows = std::make_shared<ListRowSink>(m_listTrace, m_gui);
  m_status = std::make_shared<StatusBarSink>(
      [this](int pane, const QString& text) { SetPaneText(pane, text); },
      [this] {
        m_listPing->Rows()->FlushPendingRows();
        m_listTrace->Rows()->FlushPendingRows();
      },
      m_gui);
  connect(m_listPing, &CSortListCtrl::commandForWindow, this, &CMainDlg::OnCommand);
  connect(m_listTrace, &CSortListCtrl::commandForWindow, this, &CMainDlg::OnCommand);
  connect(m_listPing, &CSortListCtrl::whoisRequested, this, &CMainDlg::LookUpWhois);
  connect(m_listTrace, &CSortListCtrl::whoisRequested, this, &CMainDlg::LookUpWhois);

  m_client->installEventFilter(this);
  qApp->installEventFilter(this);
  resize(m_templateClientSize + QSize(0, m_menuBar->sizeHint().height()));
  g_hStopEvent.Reset();
}

CMainDlg::~CMainDlg() {
  qApp->removeEventFilter(this);
  StopWorkersForClosing();
}

void CMainDlg::CreateStatusBar() {
  m_statusBar = new QStatusBar(m_client);
  m_statusBar->setSizeGripEnabled(true);
  m_panes[0] = new QLabel(m_statusBar);
  m_panes[0]->setFixedWidth(0);  // pane 0 has no width and is never seen
  m_panes[1] = new QLabel(m_statusBar);
  m_statusBar->addWidget(m_panes[0]);
  m_statusBar->addWidget(m_panes[1], 1);
  SetPaneText(1, QString("  Vantorel - ping and traceroute software for Linux  [") + kProductWebAddress + "]");
}

void CMainDlg::CreateToolBar() {
  m_toolBar = new CTextToolBar(m_client);
  if (!m_toolBar->LoadToolBarWithText([this](int command) { OnCommand(command); })) {
    delete m_toolBar;
    m_toolBar = nullptr;
    return;
  }
  m_toolBar->SetImages(ToolbarStrip(132), ToolbarStrip(133));
  m_toolBar->lower();  // beneath the template's controls, which stay on top
  m_toolBar->show();
}

void CMainDlg::ReadTraceSettings(const char* timeoutDefault) {
  m_strHopsNumber = m_settings.GetString(settings::kHopsNumber, "30");
  m_strPingNumber = m_settings.GetString(settings::kPingNumber, "3");
  m_strTimeout = m_settings.GetString(settings::kTimeout, timeoutDefault);
  m_bResolveNames = static_cast<BOOL>(m_settings.GetFlag(settings::kResolveNames, 1));
}

void CMainDlg::InsertTraceColumns() {
  int index = 0;
  for (const auto& column : kTraceFirstColumns) m_listTrace->InsertColumn(index++, column.title, column.width);
  InsertTraceNameAndAddressColumns();
}

void CMainDlg::InsertTraceNameAndAddressColumns() {
  int index = kTraceNameColumn;
  if (m_bResolveNames == 1) m_listTrace->InsertColumn(index++, "Name", kNameAndAddressWidth);
  m_listTrace->InsertColumn(index, "Address", kNameAndAddressWidth);
}

void CMainDlg::InsertPingColumns() {
  int index = 0;
  for (const auto& column : kPingColumns) m_listPing->InsertColumn(index++, column.title, column.width);
}

QString CMainDlg::PaneText(int pane) const { return m_panes[pane]->text(); }

void CMainDlg::SetPaneText(int pane, const QString& text) { m_panes[pane]->setText(text); }

void CMainDlg::LayoutControls() {
  const int width = m_client->width();
  const int height = m_client->height();
  const ControlGeometry g = LayoutGeometry(width, height);
  const auto apply = [](QWidget* widget, const Rect& r) { widget->setGeometry(r.x, r.y, r.width, r.height); };
  if (m_toolBar) m_toolBar->setGeometry(0, 0, width, std::min(height, m_toolBar->sizeHint().height()));
  const int statusHeight = m_statusBar->sizeHint().height();
  m_statusBar->setGeometry(0, std::max(0, height - statusHeight), width, statusHeight);
  apply(m_listTrace, g.traceList);
  apply(m_listPing, g.pingList);
  apply(m_groupBox, g.groupBox);
  apply(m_separator, g.separator);
}

void CMainDlg::ShowMainWindow() {
  if (!RestoreWindowPlacement()) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen.center());
    move(frame.topLeft());
  }
  show();
  m_targetBox->setFocus();
  m_targetBox->selectAll();
}

void CMainDlg::closeEvent(QCloseEvent* event) {
  SaveWindowPlacement();
  CTrayDialog::closeEvent(event);
}

void CMainDlg::done(int result) {
  if (!m_bClosing) {
    m_bClosing = true;
    hide();  // the window goes away at once; the probes are wound up after
    RemoveNotifyIcon();
    StopWorkersForClosing();
  }
  CTrayDialog::done(result);
}

void CMainDlg::StopWorkersForClosing() {
  if (m_gui->Detached()) return;
  g_hStopEvent.Set();
  m_gui->Detach();
  RequestShutdown();  // wakes every request still waiting for an answer
  QElapsedTimer waited;
  waited.start();
  // Events keep flowing: a worker may be in a call to this thread.
  while (RunningWorkers() > 0 && waited.elapsed() < kWorkerGraceMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_client && event->type() == QEvent::Resize) {
    LayoutControls();
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget && widget->window() == this) {
      OnCommand(cmd::kTrace);  // Enter anywhere in the window starts a trace
      return true;
    }
  }
  return CTrayDialog::eventFilter(watched, event);
}
