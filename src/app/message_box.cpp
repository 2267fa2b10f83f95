#include "app/message_box.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
message_box_seam::Recorder g_recorder;
}  // namespace

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, QMessageBox::Icon icon) {
  if (g_recorder) {
    g_recorder(text, caption, icon);
    return;
  }
  QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

QString ApplicationName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

namespace message_box_seam {
void Replace(Recorder recorder) { g_recorder = std::move(recorder); }
}  // namespace message_box_seam
