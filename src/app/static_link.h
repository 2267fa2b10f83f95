#pragma once
// A text that is a link: blue and underlined, a pointing hand over it, and
// a click opens its target (or its own text) with the desktop, after which
// it turns purple.

#include <QColor>
#include <QLabel>

class CStaticLink final : public QLabel {
  Q_OBJECT

 public:
  explicit CStaticLink(QLabel* attachTo, const QString& target = {});

  void SetTarget(const QString& target) { m_strTarget = target; }
  QColor Colour() const { return m_colour; }

  static inline const QColor kUnvisited{0, 0, 255};
  static inline const QColor kVisited{128, 0, 128};

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  void ApplyColour();

  QString m_strTarget;
  QColor m_colour = kUnvisited;
};

// The one pointing-hand cursor of the process, made at most once.
const QCursor* SharedLinkCursor();
