#include "app/template_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

BuiltDialog BuildTemplateDialog(QDialog* dialog, const DialogTemplate& dialogTemplate,
                                const std::function<void()>& onOk) {
  dialog->setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  BuiltDialog built = BuildDialog(dialogTemplate, dialog);
  dialog->setFixedSize(built.clientSize);
  if (auto it = built.controls.find(1); it != built.controls.end())
    QObject::connect(static_cast<QPushButton*>(it->second), &QPushButton::clicked, dialog, onOk);
  if (auto it = built.controls.find(2); it != built.controls.end())
    QObject::connect(static_cast<QPushButton*>(it->second), &QPushButton::clicked, dialog, &QDialog::reject);
  return built;
}

void ShowFlag(QWidget* checkBox, DWORD* member) {
  if (*member > 2) *member = 0;
  static_cast<QCheckBox*>(checkBox)->setChecked(*member != 0);
}

DWORD TakeFlag(QWidget* checkBox) { return static_cast<QCheckBox*>(checkBox)->isChecked() ? 1 : 0; }

void ShowText(QWidget* edit, const std::string& text) {
  static_cast<QLineEdit*>(edit)->setText(QString::fromStdString(text));
}

std::string TakeText(QWidget* edit) { return static_cast<QLineEdit*>(edit)->text().toStdString(); }
