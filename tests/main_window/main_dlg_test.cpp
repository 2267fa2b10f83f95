#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>

#include "app/settings_catalogue.h"
#include "main_window/layout_geometry.h"
#include "main_window/text_toolbar.h"
#include "platform/atomic_file.h"
#include "resources/command_ids.h"
#include "window_fixture.h"
#include "workers/shared_objects.h"

namespace {

using Cells = std::vector<std::string>;
const std::string kProductLine = "  Vantorel - ping and traceroute software for Linux  [https://www.brimvale.example]";

FakeIcmpService::Answer Reply(const char* address, DWORD ms) {
  return {1, 0, Ip(address), ms, 0, std::vector<BYTE>(32, 0x45)};
}

void StoreFlag(const char* name, DWORD value) {
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  key.PutFlag(name, value);
}

void StoreText(const char* name, const std::string& value) {
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  key.PutString(name, value);
}

TEST_F(WindowTest, FirstStart) {
  auto dlg = OpenWindow();
  EXPECT_NE(ReadWholeFile(config.File("HKEY_CURRENT_USER.reg")).value_or("").find(
                "[HKEY_CURRENT_USER\\Software\\Brimvale\\Vantorel\\Settings]"),
            std::string::npos);
  EXPECT_EQ(ColumnTitles(dlg->TraceList()), (Cells{"Node", "Min RTT", "Avg RTT", "Max RTT", "Name", "Address"}));
  EXPECT_EQ(ColumnTitles(dlg->PingList()), (Cells{"Request", "Host", "Reply in ms"}));
  const int widths[] = {39, 39, 40, 42, 100, 100};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(dlg->TraceList().columnWidth(c), widths[c]);
  EXPECT_EQ(dlg->TargetBox().text(), "localhost");
  EXPECT_EQ(dlg->TargetBox().selectedText(), "localhost");
  EXPECT_EQ(QApplication::focusWidget(), &dlg->TargetBox());
  EXPECT_EQ(dlg->PaneText(1).toStdString(), kProductLine);
  EXPECT_EQ(dlg->PaneText(0), "");
  EXPECT_EQ(dlg->CachedHops(), "30");
  EXPECT_EQ(dlg->CachedProbes(), "3");
  EXPECT_EQ(dlg->CachedTimeout(), "10000");
  EXPECT_EQ(dlg->windowTitle(), "Vantorel");
  EXPECT_EQ(dlg->Client()->size(), dlg->TemplateClientSize()) << "first start: the template size";
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  EXPECT_EQ(key.GetString(settings::kAddress, "unset"), "unset") << "nothing written until a probe starts";
}

TEST_F(WindowTest, NamesColumnOnlyForOne) {
  for (DWORD value : {0u, 2u}) {
    StoreFlag(settings::kResolveNames, value);
    auto dlg = OpenWindow();
    EXPECT_EQ(ColumnTitles(dlg->TraceList()), (Cells{"Node", "Min RTT", "Avg RTT", "Max RTT", "Address"})) << value;
  }
}

TEST_F(WindowTest, MenusAndToolbarAsDefined) {
  auto dlg = OpenWindow();
  QStringList menus;
  for (QAction* action : dlg->MenuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Action", "&Tools", "&Help"}));
  QStringList labels;
  for (QToolButton* button : dlg->ToolBar()->Buttons()) labels << button->text();
  EXPECT_EQ(labels, (QStringList{"Ping", "Trace", "Export", "Cancel", "Settings", "   About   "}));
  const QSize first = dlg->ToolBar()->Buttons().front()->size();
  for (QToolButton* button : dlg->ToolBar()->Buttons()) EXPECT_EQ(button->size(), first);
}

TEST_F(WindowTest, PingAndTraceFillTheirLists) {
  sockets.names[Ip("198.18.0.9")] = "dest.lab";
  service.responder = [](const FakeIcmpService::Call& call) {
    return call.options.Ttl < 2 && call.data.size() == 32 && call.timeout == 10000 ? Reply("198.18.0.1", 3)
                                                                                    : Reply("198.18.0.9", 7);
  };
  StoreText(settings::kRequestsToSend, "2");
  auto dlg = OpenWindow();
  dlg->TargetBox().setText("198.18.0.9");
  dlg->OnCommand(cmd::kPing);
  ASSERT_TRUE(WorkersEnd());
  ASSERT_EQ(dlg->PingList().GetItemCount(), 2);
  EXPECT_EQ(Row(dlg->PingList(), 1), (Cells{"2", "198.18.0.9 [dest.lab]", "7"}));
  EXPECT_EQ(dlg->PaneText(1), "  Finished pinging 198.18.0.9. Vantorel - [https://www.brimvale.example]");
  EXPECT_EQ(dlg->PingList().Rows()->RowImage(0), 2);

  dlg->OnCommand(cmd::kToolbarTrace);
  ASSERT_TRUE(WorkersEnd());
  ASSERT_EQ(dlg->TraceList().GetItemCount(), 2);
  EXPECT_EQ(Row(dlg->TraceList(), 0), (Cells{"1", "3", "3", "3", "***", "[198.18.0.1]"}));
  EXPECT_EQ(Row(dlg->TraceList(), 1), (Cells{"2", "7", "7", "7", "dest.lab", "[198.18.0.9]"}));
  EXPECT_EQ(dlg->TraceList().Rows()->RowImage(0), 0);
  EXPECT_EQ(dlg->PaneText(1), "  Finished Tracing 198.18.0.9 Vantorel -  [https://www.brimvale.example]");
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  EXPECT_EQ(key.GetString(settings::kAddress, ""), "198.18.0.9");
}

TEST_F(WindowTest, EnterAnywhereStartsATrace) {
  service.responder = [](const auto&) { return Reply("198.18.0.9", 1); };
  auto dlg = OpenWindow();
  dlg->TargetBox().setText("198.18.0.9");
  for (QWidget* target : {static_cast<QWidget*>(&dlg->TargetBox()), static_cast<QWidget*>(&dlg->PingList()),
                          static_cast<QWidget*>(&dlg->TraceList())}) {
    dlg->TraceList().DeleteAllItems();
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    ASSERT_TRUE(WorkersEnd());
    EXPECT_EQ(dlg->TraceList().GetItemCount(), 1) << target->metaObject()->className();
    EXPECT_EQ(dlg->PingList().GetItemCount(), 0) << "never a ping";
  }
  EXPECT_TRUE(dlg->isVisible());
}

TEST_F(WindowTest, ClearListFromThePingListEmptiesTheTraceList) {
  auto dlg = OpenWindow();
  dlg->PingList().AppendRow(2, {"1", "198.18.0.9", "1"});
  dlg->TraceList().AppendRow(0, {"1", "1", "1", "1", "***", "[198.18.0.9]"});
  emit dlg->PingList().commandForWindow(cmd::kClearList);
  EXPECT_EQ(dlg->TraceList().GetItemCount(), 0);
  EXPECT_EQ(dlg->PingList().GetItemCount(), 1);
}

TEST_F(WindowTest, WhoisFromEitherList) {
  auto dlg = OpenWindow();
  dlg->TraceList().AppendRow(0, {"1", "1", "1", "1", "***", "[10.0.0.1]"});
  dlg->TraceList().AppendRow(0, {"2", "1", "1", "1", "***", ""});
  dlg->PingList().AppendRow(2, {"1", "10.0.0.1", "1"});
  dlg->TraceList().Rows()->FlushPendingRows();
  dlg->PingList().Rows()->FlushPendingRows();
  dlg->TraceList().selectRow(0);
  dlg->PingList().selectRow(0);
  emit dlg->PingList().whoisRequested();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "https://www.brimvale.example/whois/check.php?IP=10.0.0.1");
  dlg->TraceList().selectRow(1);
  emit dlg->TraceList().whoisRequested();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "URL can not be processed. Please check if this is a valid URL syntax!");
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(WindowTest, HelpAndStop) {
  auto dlg = OpenWindow();
  dlg->OnCommand(cmd::kHelpContents);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "https://www.brimvale.example/vantorel/");
  dlg->OnCommand(cmd::kStop);
  EXPECT_TRUE(g_hStopEvent.IsSet()) << "Stop with nothing running leaves the event set";
  g_hStopEvent.Reset();
}

TEST_F(WindowTest, ControlsFollowTheSize) {
  auto dlg = OpenWindow();
  const QSize chrome = dlg->size() - dlg->Client()->size();
  for (QSize client : {QSize(800, 500), QSize(900, 500), QSize(801, 433), QSize(12, 100)}) {
    dlg->resize(client + chrome);
    QApplication::processEvents();
    ASSERT_EQ(dlg->Client()->size(), client);
    const ControlGeometry g = LayoutGeometry(client.width(), client.height());
    const auto rect = [](const Rect& r) { return QRect(r.x, r.y, r.width, r.height); };
    EXPECT_EQ(dlg->PingList().geometry(), rect(g.pingList)) << client.width();
    EXPECT_EQ(dlg->TraceList().geometry(), rect(g.traceList)) << client.width();
  }
  const QPoint target = dlg->TargetBox().pos();
  dlg->resize(QSize(1000, 700) + chrome);
  QApplication::processEvents();
  EXPECT_EQ(dlg->TargetBox().pos(), target) << "the target box keeps its place";
}

TEST_F(WindowTest, PlacementComesBackAfterCloseButNotAfterExit) {
  {
    auto dlg = OpenWindow();
    dlg->setGeometry(120, 90, 840, 560);
    QApplication::processEvents();
    dlg->close();
  }
  {
    auto dlg = OpenWindow();
    EXPECT_EQ(dlg->geometry(), QRect(120, 90, 840, 560));
    dlg->showMaximized();
    QApplication::processEvents();
    dlg->close();
  }
  {
    auto dlg = OpenWindow();
    EXPECT_FALSE(dlg->isMaximized()) << "comes back normal";
    EXPECT_EQ(dlg->geometry(), QRect(120, 90, 840, 560));
    dlg->setGeometry(300, 300, 700, 500);
    dlg->OnCommand(cmd::kExit);
    EXPECT_FALSE(dlg->isVisible());
  }
  auto dlg = OpenWindow();
  EXPECT_EQ(dlg->geometry(), QRect(120, 90, 840, 560)) << "Exit kept the older placement";
}

TEST_F(WindowTest, ExportWritesTheTraceListBesideTheExecutable) {
  const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/vantorel.csv";
  std::filesystem::remove(path);
  auto dlg = OpenWindow();
  dlg->TraceList().AppendRow(0, {"2", "5", "6", "7", "r2", "[10.0.0.2]"});
  dlg->TraceList().AppendRow(0, {"1", "0", "0", "1", "***", "[10.0.0.1]"});
  dlg->OnCommand(cmd::kExport);
  EXPECT_EQ(ReadWholeFile(path), "Node,Min RTT,Avg RTT,Max RTT,Name,Address\r\n2,5,6,7,r2,[10.0.0.2]\r\n"
                                 "1,0,0,1,***,[10.0.0.1]\r\n");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toStdString(), path);

  dlg->TraceList().SortOnHeaderClick(0);
  dlg->TraceList().Rows()->RemoveRow(1);
  dlg->OnCommand(cmd::kExport);
  EXPECT_EQ(ReadWholeFile(path), "Node,Min RTT,Avg RTT,Max RTT,Name,Address\r\n1,0,0,1,***,[10.0.0.1]\r\n")
      << "sorted order, and the shorter list overwrites the file whole";
  EXPECT_TRUE(messages.empty());
  std::filesystem::remove(path);
}

TEST_F(WindowTest, LongTargetIsNotStoredButStillRuns) {
  service.responder = [](const auto&) { return Reply("198.18.0.9", 1); };
  StoreText(settings::kAddress, "kept");
  auto dlg = OpenWindow();
  const std::string longName(300, 'a');
  dlg->TargetBox().setText(QString::fromStdString(longName));
  dlg->OnCommand(cmd::kTrace);
  ASSERT_TRUE(WorkersEnd());
  EXPECT_EQ(dlg->PaneText(1).toStdString(),
            "  Failed in call to tracing function. Vantorel - [https://www.brimvale.example]")
      << "the fake resolver knows no such name";
  CRegistryKey key;
  key.OpenPath(settings::kKeyPath);
  EXPECT_EQ(key.GetString(settings::kAddress, ""), "kept");
}

}  // namespace
