#pragma once
// Turns a dialog template into Qt widgets. Dialog units become pixels the
// way the templates' home platform converts them: base units from the
// dialog font (x: average width of the 52 letters, y: the font height),
// then x * baseX / 4 and y * baseY / 8, rounded.

#include <QFont>
#include <QRect>
#include <QSize>

#include <functional>
#include <map>

#include "resources/dialog_templates.h"

class QWidget;

struct DialogUnits {
  int baseX = 0;
  int baseY = 0;

  static DialogUnits ForFont(const QFont& font);
  int X(int units) const;
  int Y(int units) const;
  QRect ToPixels(int x, int y, int cx, int cy) const { return QRect(X(x), Y(y), X(cx), Y(cy)); }
  QSize ToPixels(int cx, int cy) const { return QSize(X(cx), Y(cy)); }
};

// The desktop's sans-serif font at the template's point size (the
// templates name a font of another platform).
QFont DialogFont(const DialogTemplate& dialog);

struct BuiltDialog {
  DialogUnits units;
  QSize clientSize;
  std::map<int, QWidget*> controls;  // by id; controls without an id are not listed
};

// Makes the widget of a control kind the builder leaves to the owner (the
// list views).
using ControlFactory = std::function<QWidget*(const ControlTemplate& control, QWidget* client)>;

// Creates the controls as children of `client` in template order (so the
// tab order is the template order) at their converted positions, sets the
// dialog font on `client` and its size to the template size.
BuiltDialog BuildDialog(const DialogTemplate& dialog, QWidget* client, const ControlFactory& makeOwnControl = {});
