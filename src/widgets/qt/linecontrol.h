#pragma once

#include <QColor>
#include <QWidget>

namespace kelvane::qt {

// A straight line, level or upright, drawn over whatever lies under it and letting the mouse
// through. Its widget is the line itself: a level line is as high as it is thick, and grows
// downwards from its place; an upright one grows rightwards.
class LineControl : public QWidget {
    Q_OBJECT

  public:
    LineControl(const QColor& color, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_;
};

}  // namespace kelvane::qt
