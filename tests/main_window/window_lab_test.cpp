// The window against real hosts: client - r1 - destination, r1 holding what
// it forwards and sends for 5 ms, the destination named in the client's
// hosts file. A trace and a ping from the window, read back through the
// export file and the ping list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include <sstream>

#include "app/message_box.h"
#include "app/registry_key.h"
#include "app/settings_catalogue.h"
#include "app/shell_open.h"
#include "controls/sort_list_ctrl.h"
#include "fakes/temp_config_dir.h"
#include "main_window/main_dlg.h"
#include "netlab/netlab.h"
#include "platform/atomic_file.h"
#include "resources/command_ids.h"
#include "workers/worker_thread.h"

namespace {

const netlab::LabSpec kLab = [] {
  netlab::LabSpec spec;
  spec.routers = 1;
  spec.delayMs[1] = 5;
  spec.hosts = {{netlab::Address(1, true), "dest.lab"}};
  return spec;
}();

bool WorkersEnd() {
  while (RunningWorkers() > 0) QApplication::processEvents(QEventLoop::AllEvents, 10);
  QApplication::processEvents();
  return true;
}

std::vector<std::string> Split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, by)) parts.push_back(part);
  return parts;
}

TEST(WindowLab, TraceAndPingToALabHost) {
  NETLAB_REQUIRE();
  TempConfigDir config;
  {
    CRegistryKey key;
    key.OpenPath(settings::kKeyPath);
    key.PutString(settings::kRequestsToSend, "3");
  }
  std::vector<QString> opened;
  shell_open_seam::Replace([&](const QString& target) {
    opened.push_back(target);
    return true;
  });
  CMainDlg dlg;
  dlg.ShowMainWindow();
  dlg.TargetBox().setText("dest.lab");
  dlg.OnCommand(cmd::kTrace);
  dlg.OnCommand(cmd::kPing);
  WorkersEnd();
  EXPECT_EQ(dlg.PaneText(1).left(11), "  Finished ") << "whichever ended last";

  dlg.OnCommand(cmd::kExport);
  ASSERT_EQ(opened.size(), 1u);
  const std::string csv = ReadWholeFile(opened[0].toStdString()).value_or("");
  std::printf("%s", csv.c_str());
  const std::vector<std::string> lines = Split(csv, '\n');
  ASSERT_EQ(lines.size(), 3u) << csv;
  EXPECT_EQ(lines[0], "Node,Min RTT,Avg RTT,Max RTT,Name,Address\r");
  const auto hop1 = Split(lines[1], ',');
  const auto hop2 = Split(lines[2], ',');
  EXPECT_EQ(hop1[0], "1");
  EXPECT_EQ(hop1[4], "***");
  EXPECT_EQ(hop1[5], "[" + netlab::RouterAddress(1) + "]\r");
  EXPECT_GE(std::stoi(hop1[1]), 5);
  EXPECT_EQ(hop2[0], "2");
  EXPECT_EQ(hop2[4], "dest.lab");
  EXPECT_EQ(hop2[5], "[" + netlab::DestinationAddress(kLab) + "]\r");
  EXPECT_GE(std::stoi(hop2[1]), 10);

  ASSERT_EQ(dlg.PingList().GetItemCount(), 3);
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(dlg.PingList().GetItemText(row, 0).toInt(), row + 1);
    EXPECT_EQ(dlg.PingList().GetItemText(row, 1).toStdString(), netlab::DestinationAddress(kLab) + " [dest.lab]");
    EXPECT_GE(dlg.PingList().GetItemText(row, 2).toInt(), 10);
  }
  std::remove(opened[0].toStdString().c_str());
  shell_open_seam::Replace(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return netlab::RunTestsInLab(argc, argv, kLab);
}
