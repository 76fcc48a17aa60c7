#include "linecontrol.h"

#include <QPainter>

namespace kelvane::qt {

LineControl::LineControl(const QColor& color, QWidget* parent) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);
}

}  // namespace kelvane::qt
