#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/about_dlg.h"
#include "app/ping_settings_dlg.h"
#include "app/settings_catalogue.h"
#include "app/static_link.h"
#include "app/trace_settings_dlg.h"
#include "main_window/window_fixture.h"
#include "platform/atomic_file.h"
#include "resources/command_ids.h"
#include "resources/dialog_templates.h"

namespace {

using namespace control_id;
using Cells = std::vector<std::string>;

QString Text(QWidget* edit) { return static_cast<QLineEdit*>(edit)->text(); }
bool Checked(QWidget* box) { return static_cast<QCheckBox*>(box)->isChecked(); }
// Near the left edge, where a check box has its box and a button its face.
void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

std::string Stored(const char* name) {
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  return key.GetString(name, "<missing>");
}
DWORD StoredFlag(const char* name) {
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  return key.GetFlag(name, 99);
}
void Store(const char* name, const std::string& text) {
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  key.PutString(name, text);
}

// Runs `act` on the modal dialog of type T as soon as it is open.
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(dialog);
  });
}

TEST_F(WindowTest, PingSettingsFirstRunAndOk) {
  CPingSettingsDlg dialog;
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Ping Settings");
  EXPECT_TRUE(Checked(dialog.Control(kResolveAddresses)));
  EXPECT_FALSE(Checked(dialog.Control(kDontFragment)));
  EXPECT_FALSE(Checked(dialog.Control(kUseRawSockets)));
  const QString expected[] = {"10", "5000", "32", "30", "0"};
  const int edits[] = {kRequests, kPingTimeout, kDataSize, kTtl, kTos};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Text(dialog.Control(edits[i])), expected[i]);
  EXPECT_EQ(dialog.focusWidget(), dialog.Control(kOk));

  static_cast<QLineEdit*>(dialog.Control(kRequests))->clear();
  QTest::keyClicks(dialog.Control(kRequests), "12a345678901b2");  // letters refused, no length limit
  static_cast<QLineEdit*>(dialog.Control(kPingTimeout))->setText("750");
  static_cast<QLineEdit*>(dialog.Control(kTos))->clear();
  Click(dialog.Control(kUseRawSockets));
  Click(dialog.Control(kOk));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Stored(settings::kRequestsToSend), "123456789012");
  EXPECT_EQ(Stored(settings::kTimeout), "750");
  EXPECT_EQ(Stored(settings::kTos), "") << "an emptied field is stored empty";
  EXPECT_EQ(Stored(settings::kTtl), "30");
  EXPECT_EQ(StoredFlag(settings::kUseRawSockets), 1u);
  EXPECT_EQ(StoredFlag(settings::kResolveAddressesToHostnames), 1u);
  EXPECT_EQ(StoredFlag(settings::kDontFragment), 0u);
}

TEST_F(WindowTest, CancelEscapeAndCloseWriteNothing) {
  Store(settings::kTtl, "64");
  const std::string before = ReadWholeFile(config.File("HKEY_CURRENT_USER.reg")).value_or("");
  for (int way = 0; way < 3; ++way) {
    CPingSettingsDlg dialog;
    dialog.show();
    static_cast<QLineEdit*>(dialog.Control(kTtl))->setText("1");
    if (way == 0) Click(dialog.Control(kCancel));
    if (way == 1) QTest::keyClick(&dialog, Qt::Key_Escape);
    if (way == 2) dialog.close();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(ReadWholeFile(config.File("HKEY_CURRENT_USER.reg")).value_or(""), before);
  }
}

TEST_F(WindowTest, FlagsOutsideZeroToTwoShowUnchecked) {
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  key.PutFlag(settings::kResolveNames, 7);
  CTraceSettingsDlg dialog;
  EXPECT_FALSE(Checked(dialog.Control(kResolveNames)));
  Click(dialog.Control(kOk));
  EXPECT_EQ(StoredFlag(settings::kResolveNames), 0u);
}

TEST_F(WindowTest, TraceSettingsFirstRunAndTheSixCharacterLimit) {
  CTraceSettingsDlg dialog;
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Trace Settings");
  EXPECT_TRUE(Checked(dialog.Control(kResolveNames)));
  EXPECT_EQ(Text(dialog.Control(kHops)), "30");
  EXPECT_EQ(Text(dialog.Control(kProbes)), "3");
  EXPECT_EQ(Text(dialog.Control(kTraceTimeout)), "10000");
  EXPECT_EQ(dialog.focusWidget(), dialog.Control(kOk));
  auto* hops = static_cast<QLineEdit*>(dialog.Control(kHops));
  hops->clear();
  QTest::keyClicks(hops, "1234567");
  EXPECT_EQ(hops->text(), "123456") << "the seventh digit has no effect";
  Click(dialog.Control(kOk));
  EXPECT_EQ(Stored(settings::kHopsNumber), "123456");
  EXPECT_TRUE(messages.empty());
}

TEST_F(WindowTest, LongerStoredTextKeepsTheDialogOpen) {
  Store(settings::kPingNumber, "12345678");
  CTraceSettingsDlg dialog;
  dialog.show();
  auto* probes = static_cast<QLineEdit*>(dialog.Control(kProbes));
  EXPECT_EQ(probes->text(), "12345678") << "shown in full";
  static_cast<QLineEdit*>(dialog.Control(kHops))->setText("9");
  Click(dialog.Control(kOk));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Please enter no more than 6 characters.");
  EXPECT_EQ(messages[0].caption, ApplicationName());
  EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.focusWidget(), probes);
  EXPECT_EQ(probes->selectedText(), "12345678");
  EXPECT_EQ(Stored(settings::kHopsNumber), "<missing>") << "nothing written";
  QTest::keyClick(probes, Qt::Key_Backspace);
  EXPECT_EQ(probes->text(), "") << "a long text can still be shortened";
}

TEST_F(WindowTest, PingSettingsTimeoutFlowsToTheNextTrace) {
  service.responder = [](const auto&) { return FakeIcmpService::Answer{1, 0, Ip("198.18.0.9"), 1, 0, {}}; };
  auto dlg = OpenWindow();
  dlg->TargetBox().setText("198.18.0.9");
  WhenModal<CPingSettingsDlg>([](CPingSettingsDlg* d) {
    static_cast<QLineEdit*>(d->Control(kPingTimeout))->setText("750");
    Click(d->Control(kOk));
  });
  dlg->OnCommand(cmd::kPingSettings);
  EXPECT_EQ(dlg->CachedTimeout(), "750");
  dlg->OnCommand(cmd::kTrace);
  ASSERT_TRUE(WorkersEnd());
  ASSERT_FALSE(service.calls.empty());
  EXPECT_EQ(service.calls.back().timeout, 750u);

  CTraceSettingsDlg traceDialog;
  EXPECT_EQ(Text(traceDialog.Control(kTraceTimeout)), "750");
}

TEST_F(WindowTest, CancelledPingSettingsStillRereadWithTheLongerDefault) {
  auto dlg = OpenWindow();
  EXPECT_EQ(dlg->CachedTimeout(), "10000");
  WhenModal<CPingSettingsDlg>([](CPingSettingsDlg* d) { Click(d->Control(kCancel)); });
  dlg->OnCommand(cmd::kPingSettings);
  EXPECT_EQ(dlg->CachedTimeout(), "30000");
  EXPECT_EQ(dlg->TraceList().ColumnCount(), 6);
}

TEST_F(WindowTest, TraceSettingsRebuildTheLastColumns) {
  auto dlg = OpenWindow();
  dlg->TraceList().AppendRow(0, {"1", "2", "3", "4", "r1.lab", "[198.18.0.2]"});
  WhenModal<CTraceSettingsDlg>([](CTraceSettingsDlg* d) {
    Click(d->Control(kResolveNames));
    Click(d->Control(kOk));
  });
  dlg->OnCommand(cmd::kTraceSettings);
  EXPECT_EQ(dlg->ResolveNames(), 0);
  EXPECT_EQ(StoredFlag(settings::kResolveNames), 0u);
  EXPECT_EQ(ColumnTitles(dlg->TraceList()), (Cells{"Node", "Min RTT", "Avg RTT", "Max RTT", "Address"}));
  EXPECT_EQ(Row(dlg->TraceList(), 0), (Cells{"1", "2", "3", "4", ""})) << "old rows keep their first four cells";
  EXPECT_EQ(dlg->TraceList().columnWidth(4), 100);

  WhenModal<CTraceSettingsDlg>([](CTraceSettingsDlg* d) {
    Click(d->Control(kResolveNames));
    Click(d->Control(kCancel));
  });
  dlg->OnCommand(cmd::kTraceSettings);
  EXPECT_EQ(ColumnTitles(dlg->TraceList()).size(), 5u) << "a cancelled dialog changes nothing";

  WhenModal<CTraceSettingsDlg>([](CTraceSettingsDlg* d) {
    Click(d->Control(kResolveNames));
    Click(d->Control(kOk));
  });
  dlg->OnCommand(cmd::kTraceSettings);
  EXPECT_EQ(ColumnTitles(dlg->TraceList()), (Cells{"Node", "Min RTT", "Avg RTT", "Max RTT", "Name", "Address"}));
  EXPECT_EQ(Row(dlg->TraceList(), 0), (Cells{"1", "2", "3", "4", "", ""}));
}

TEST_F(WindowTest, AboutLinkOpensAndTurnsPurple) {
  {
    CAboutDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About Vantorel");
    CStaticLink* link = about.Link();
    EXPECT_EQ(link->text(), "https://www.brimvale.example");
    EXPECT_EQ(link->Colour(), CStaticLink::kUnvisited);
    EXPECT_TRUE(link->font().underline());
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "https://www.brimvale.example/vantorel/");
    EXPECT_EQ(link->Colour(), CStaticLink::kVisited);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  }
  shell_open_seam::Replace([](const QString&) { return false; });
  CAboutDlg again;
  again.show();
  EXPECT_EQ(again.Link()->Colour(), CStaticLink::kUnvisited) << "each About box starts blue";
  QTest::mouseClick(again.Link(), Qt::LeftButton);
  EXPECT_EQ(again.Link()->Colour(), CStaticLink::kUnvisited) << "a failed open leaves it blue";
  EXPECT_EQ(SharedLinkCursor(), SharedLinkCursor());
}

// A main window that believes a notification area exists.
class TrayMainDlg final : public CMainDlg {
 protected:
  bool TrayAvailable() const override { return true; }
};

TEST_F(WindowTest, TrayIconMenuAndMinimise) {
  service.responder = [](const auto&) { return FakeIcmpService::Answer{1, 0, Ip("198.18.0.9"), 1, 0, {}}; };
  TrayMainDlg dlg;
  dlg.ShowMainWindow();
  EXPECT_EQ(dlg.NotifyTip(), "Vantorel");
  QStringList items;
  for (QAction* action : dlg.NotifyMenu()->actions()) items << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(items, (QStringList{"Ping", "Trace", "Show", "-", "Exit"}));
  EXPECT_EQ(dlg.NotifyMenu()->defaultAction()->text(), "Ping");

  dlg.showMinimized();
  QApplication::processEvents();
  EXPECT_TRUE(dlg.IconShown());
  EXPECT_FALSE(dlg.isVisible()) << "hidden behind the icon";
  dlg.TargetBox().setText("198.18.0.9");
  dlg.NotifyMenu()->actions()[1]->trigger();  // "Trace"
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_FALSE(dlg.IconShown());
  ASSERT_TRUE(WorkersEnd());
  EXPECT_EQ(dlg.TraceList().GetItemCount(), 1);
  dlg.showMinimized();
  QApplication::processEvents();
  ASSERT_TRUE(dlg.IconShown());
  dlg.OnIconLeftDown(QPoint());
  EXPECT_FALSE(dlg.isVisible()) << "a single click does nothing";
  dlg.OnIconLeftDoubleClick(QPoint());
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_FALSE(dlg.IconShown());
  dlg.SetNotifyTip(QString(200, 'x'));
  EXPECT_EQ(dlg.NotifyTip().size(), 127);
}

TEST_F(WindowTest, WithoutANotificationAreaMinimiseIsOrdinary) {
  auto dlg = OpenWindow();
  dlg->showMinimized();
  QApplication::processEvents();
  EXPECT_FALSE(dlg->IconShown());
  EXPECT_TRUE(dlg->isMinimized());
  EXPECT_TRUE(dlg->isVisible()) << "never a window that cannot be brought back";
}

}  // namespace
