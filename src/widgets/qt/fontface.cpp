#include "fontface.h"

#include <QStringList>

namespace kelvane::qt {

QFont FontFace(const FontDesign& design) {
    QStringList families;
    families << QString::fromStdString(design.face) << "Microsoft Sans Serif"
             << "Liberation Sans"
             << "Arial"
             << "Arimo"
             << "DejaVu Sans Condensed";
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

}  // namespace kelvane::qt
