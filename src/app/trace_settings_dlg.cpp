#include "app/trace_settings_dlg.h"

#include <QLineEdit>
#include <QValidator>

#include "app/message_box.h"
#include "app/ping_settings_dlg.h"
#include "app/settings_catalogue.h"
#include "app/template_dialog.h"

namespace {

// Digits only, and no typing or pasting past the limit; a longer text that
// is already there (set, not typed) may still be shortened.
class LimitedDigits final : public QValidator {
 public:
  LimitedDigits(QLineEdit* edit, int limit) : QValidator(edit), limit_(limit) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { last_ = text; });
  }
  State validate(QString& input, int&) const override {
    for (QChar c : input)
      if (!c.isDigit()) return Invalid;
    if (input.size() > limit_ && input.size() > last_.size()) return Invalid;
    return Acceptable;
  }

 private:
  int limit_;
  QString last_;  // the text before the change being validated
};

}  // namespace

CTraceSettingsDlg::CTraceSettingsDlg(QWidget* parent) : QDialog(parent) {
  m_controls = BuildTemplateDialog(this, TraceSettingsTemplate(), [this] { OnOK(); }).controls;
  for (int id : {control_id::kHops, control_id::kProbes, control_id::kTraceTimeout}) {
    auto* edit = static_cast<QLineEdit*>(Control(id));
    edit->setValidator(new LimitedDigits(edit, kMaxChars));
  }
  m_settings.SetRoot(HKEY_CURRENT_USER);
  m_bKeyOpened = m_settings.OpenPath(settings::kKeyPath);
  if (m_bKeyOpened) {
    m_strHops = m_settings.GetString(settings::kHopsNumber, "30");
    m_strPingNumber = m_settings.GetString(settings::kPingNumber, "3");
    m_strTimeout = m_settings.GetString(settings::kTimeout, "10000");
    m_bResolveNames = m_settings.GetFlag(settings::kResolveNames, 1);
  }
  DoDataExchange(false);
  Control(control_id::kOk)->setFocus();
}

bool CTraceSettingsDlg::TakeLimitedText(int id, std::string* member) {
  auto* edit = static_cast<QLineEdit*>(Control(id));
  if (edit->text().size() > kMaxChars) {
    ShowMessageBox(this, QString(kTooLongMessage).arg(kMaxChars), ApplicationName(), QMessageBox::Warning);
    edit->setFocus();
    edit->selectAll();
    return false;
  }
  *member = TakeText(edit);
  return true;
}

bool CTraceSettingsDlg::DoDataExchange(bool save) {
  using namespace control_id;
  if (save) {
    if (!TakeLimitedText(kHops, &m_strHops) || !TakeLimitedText(kProbes, &m_strPingNumber)) return false;
    m_bResolveNames = TakeFlag(Control(kResolveNames));
    return TakeLimitedText(kTraceTimeout, &m_strTimeout);
  }
  ShowText(Control(kHops), m_strHops);
  ShowText(Control(kProbes), m_strPingNumber);
  ShowFlag(Control(kResolveNames), &m_bResolveNames);
  ShowText(Control(kTraceTimeout), m_strTimeout);
  return true;
}

void CTraceSettingsDlg::OnOK() {
  if (!DoDataExchange(true)) return;
  if (!m_bKeyOpened) {
    ShowMessageBox(this, kSettingsNotSavedMessage, ApplicationName(), QMessageBox::Warning);
    accept();
    return;
  }
  m_settings.PutString(settings::kHopsNumber, m_strHops);
  m_settings.PutString(settings::kPingNumber, m_strPingNumber);
  m_settings.PutString(settings::kTimeout, m_strTimeout);
  m_settings.PutFlag(settings::kResolveNames, m_bResolveNames);
  accept();
}
