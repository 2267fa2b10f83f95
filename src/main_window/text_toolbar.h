#pragma once
// The main window's toolbar: flat buttons with a 24 x 24 picture and the
// label from the string table under it, gaps between them, all buttons as
// wide as the widest label.

#include <QToolBar>

#include <functional>
#include <vector>

class QToolButton;

class CTextToolBar final : public QToolBar {
  Q_OBJECT

 public:
  explicit CTextToolBar(QWidget* parent = nullptr);

  // Builds the buttons of toolbar 134; each press calls onCommand with the
  // button's command id. False when the resource gives no buttons.
  bool LoadToolBarWithText(const std::function<void(int)>& onCommand);
  // Normal and hot pictures, one per button in order.
  void SetImages(const QImage& normalStrip, const QImage& hotStrip);

  const std::vector<QToolButton*>& Buttons() const { return m_buttons; }

 private:
  void EqualizeButtons();

  std::vector<QToolButton*> m_buttons;
};

inline constexpr int kToolbarGap = 8;
