#include "app/about_dlg.h"

#include <QLabel>

#include "app/static_link.h"
#include "app/template_dialog.h"
#include "workers/product.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CTrayDialog(parent) {
  const BuiltDialog built = BuildTemplateDialog(this, AboutTemplate(), [this] { accept(); });
  m_link = new CStaticLink(static_cast<QLabel*>(built.controls.at(control_id::kAboutLink)),
                           QString(kProductWebAddress) + "/vantorel/");
  built.controls.at(control_id::kOk)->setFocus();
}
