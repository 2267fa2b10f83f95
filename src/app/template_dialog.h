#pragma once
// A fixed-size dialog built from a template: caption, size, controls, with
// OK (id 1) and Cancel (id 2) wired to the given actions.

#include <functional>
#include <string>

#include "platform/win_types.h"
#include "resources/dialog_builder.h"

class QDialog;

BuiltDialog BuildTemplateDialog(QDialog* dialog, const DialogTemplate& dialogTemplate,
                                const std::function<void()>& onOk);

// A check box shows 1 (and 2) as checked and anything else unchecked; the
// member then holds what the box shows.
void ShowFlag(QWidget* checkBox, DWORD* member);
DWORD TakeFlag(QWidget* checkBox);

void ShowText(QWidget* edit, const std::string& text);
std::string TakeText(QWidget* edit);
