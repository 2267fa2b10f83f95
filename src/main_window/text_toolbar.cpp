#include "main_window/text_toolbar.h"

#include <QAction>
#include <QToolButton>

#include "resources/icons.h"
#include "resources/string_table.h"
#include "resources/toolbar_resource.h"

CTextToolBar::CTextToolBar(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

bool CTextToolBar::LoadToolBarWithText(const std::function<void(int)>& onCommand) {
  const auto items = ToolbarButtons();
  if (items.empty()) return false;
  for (int command : items) {
    if (command == 0) {
      auto* gap = new QWidget(this);
      gap->setFixedWidth(kToolbarGap);
      addWidget(gap);
      continue;
    }
    const std::string label = ToolbarLabel(LoadString(command).value_or(""));
    QAction* action = addAction(QString::fromStdString(label));
    action->setIconText(action->text());  // keeps the label's blanks, which the derived text would drop
    action->setData(command);
    connect(action, &QAction::triggered, this, [onCommand, command] { onCommand(command); });
    auto* button = qobject_cast<QToolButton*>(widgetForAction(action));
    button->setAutoRaise(true);
    m_buttons.push_back(button);
  }
  EqualizeButtons();
  return true;
}

void CTextToolBar::EqualizeButtons() {
  // Every button as large as the largest, set by the widest label.
  QSize largest(0, 0);
  for (QToolButton* button : m_buttons) {
    button->setMinimumSize(0, 0);
    button->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    largest = largest.expandedTo(button->sizeHint() + QSize(2, 4));
  }
  for (QToolButton* button : m_buttons) button->setFixedSize(largest);
}

void CTextToolBar::SetImages(const QImage& normalStrip, const QImage& hotStrip) {
  for (std::size_t i = 0; i < m_buttons.size(); ++i) {
    QIcon icon;
    icon.addPixmap(ToolbarImage(normalStrip, static_cast<int>(i)), QIcon::Normal);
    icon.addPixmap(ToolbarImage(hotStrip, static_cast<int>(i)), QIcon::Active);
    m_buttons[i]->defaultAction()->setIcon(icon);
  }
  EqualizeButtons();
}
