#include "resources/dialog_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "resources/icons.h"

namespace {

// MulDiv: the product divided, rounded to the nearest whole number.
int MulDivRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  return static_cast<int>((product + (product >= 0 ? denominator / 2 : -denominator / 2)) / denominator);
}

QWidget* CreateControl(const ControlTemplate& control, QWidget* client) {
  const QString text = control.text ? QString::fromUtf8(control.text) : QString();
  switch (control.kind) {
    case ControlKind::kEtchedLine: {
      auto* line = new QFrame(client);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      return line;
    }
    case ControlKind::kGroupBox: return new QGroupBox(text, client);
    case ControlKind::kEdit: {
      auto* edit = new QLineEdit(text, client);
      if (control.style & control_style::kDigitsOnly)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
      return edit;
    }
    case ControlKind::kLabel: {
      auto* label = new QLabel(text, client);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ControlKind::kIcon: {
      auto* icon = new QLabel(client);
      icon->setPixmap(ApplicationIconPixmap(32));
      return icon;
    }
    case ControlKind::kPushButton:
    case ControlKind::kDefaultButton: {
      auto* button = new QPushButton(text, client);
      button->setDefault(control.kind == ControlKind::kDefaultButton);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::kCheckBox: return new QCheckBox(text, client);
    case ControlKind::kListView: return nullptr;  // the owner makes its own list
  }
  return nullptr;
}

}  // namespace

DialogUnits DialogUnits::ForFont(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(letters / 26 + 1) / 2, metrics.height()};
}

int DialogUnits::X(int units) const { return MulDivRounded(units, baseX, 4); }

int DialogUnits::Y(int units) const { return MulDivRounded(units, baseY, 8); }

QFont DialogFont(const DialogTemplate& dialog) {
  QFont font = QApplication::font();
  font.setPointSize(dialog.pointSize);
  return font;
}

BuiltDialog BuildDialog(const DialogTemplate& dialog, QWidget* client, const ControlFactory& makeOwnControl) {
  BuiltDialog built;
  client->setFont(DialogFont(dialog));
  built.units = DialogUnits::ForFont(client->font());
  built.clientSize = built.units.ToPixels(dialog.cx, dialog.cy);
  client->resize(built.clientSize);
  for (const ControlTemplate& control : dialog.controls) {
    QWidget* widget = CreateControl(control, client);
    if (!widget && makeOwnControl) widget = makeOwnControl(control, client);
    if (!widget) continue;
    widget->setGeometry(built.units.ToPixels(control.x, control.y, control.cx, control.cy));
    widget->setFocusPolicy((control.style & control_style::kTabStop) ? Qt::StrongFocus : Qt::NoFocus);
    if (control.id >= 0) built.controls[control.id] = widget;
  }
  return built;
}
