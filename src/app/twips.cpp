#include "twips.h"

#include <QWidget>

namespace twips {

int Px(int twips) {
    return (twips + 7) / 15;
}

void Place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

QFont Face(const char* family, double points, bool bold) {
    QFont font;
    font.setFamilies({QString::fromLatin1(family), "Microsoft Sans Serif", "Liberation Sans",
                      "Arial", "Arimo", "DejaVu Sans Condensed"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace twips
