#include "picturebox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace kelvane::qt {

PictureBox::PictureBox(const QIcon& picture, bool takesFocus, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    constexpr int kPicture = 32;
    QPainter painter(this);
    const QRect picture((width() - kPicture) / 2, (height() - kPicture) / 2, kPicture, kPicture);
    picture_.paint(&painter, picture);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace kelvane::qt
