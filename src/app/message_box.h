#pragma once
// The program's message boxes: a text, a caption, an icon and OK. Tests put
// a recorder in their place, since a modal box would wait for a person.

#include <QMessageBox>
#include <QString>

#include <functional>

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, QMessageBox::Icon icon);

// The application's name: the executable's file name without extension.
QString ApplicationName();

namespace message_box_seam {
using Recorder = std::function<void(const QString& text, const QString& caption, QMessageBox::Icon icon)>;
void Replace(Recorder recorder);  // nullptr restores the real boxes
}  // namespace message_box_seam
