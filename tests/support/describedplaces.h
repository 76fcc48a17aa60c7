#pragma once

#include <gtest/gtest.h>

#include <QRect>
#include <QWidget>
#include <algorithm>

#include "widgets/formdesign.h"
#include "widgets/qt/qtwindow.h"
#include "widgets/twips.h"

namespace kelvane::test {

// Every control of a window the Qt toolkit built stands where the window's description puts it,
// in device-independent pixels of the client area, which has the described size; a line is as
// thick as its pen.
inline void ExpectControlsAtTheirDescribedPlaces(const qt::QtWindow& window) {
    const FormDesign& design = window.Design();
    const auto* client = window.findChild<QWidget*>("client");
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(),
              QSize(TwipsToPixels(design.width, 96), TwipsToPixels(design.height, 96)));
    for (const ControlDesign& control : design.controls) {
        const QWidget* widget = window.Control(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        PixelRect place = design.ClientPlace(control, 96);
        if (control.kind == ControlKind::Line) {
            place.height = std::max(1, control.lineWidth);
        }
        EXPECT_EQ(QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()),
                  QRect(place.left, place.top, place.width, place.height))
            << control.name;
    }
}

}  // namespace kelvane::test
