#include "textboxcore.h"

#include <algorithm>

#include "base/widetext.h"
#include "widgets/widgeterror.h"

namespace kelvane {

int TextBoxCore::SelStart() const {
    return static_cast<int>(BytesBeforeShownUnit(Text(), ShownSelection().first));
}

void TextBoxCore::SetSelStart(int start) {
    const std::size_t units =
        ShownUnitsBefore(Text(), static_cast<std::size_t>(std::max(start, 0)));
    ShowSelection(units, units);
}

int TextBoxCore::SelLength() const {
    const std::string text = Text();
    const auto [start, end] = ShownSelection();
    return static_cast<int>(BytesBeforeShownUnit(text, end) - BytesBeforeShownUnit(text, start));
}

void TextBoxCore::SetSelLength(int length) {
    const std::string text = Text();
    const std::size_t start = BytesBeforeShownUnit(text, ShownSelection().first);
    ShowSelection(ShownUnitsBefore(text, start),
                  ShownUnitsBefore(text, start + static_cast<std::size_t>(std::max(length, 0))));
}

void TextBoxCore::SetFocus() {
    if (!Shown()) {
        throw WidgetError("a hidden text box can't take the focus");
    }
    TakeFocus();
}

void TextBoxCore::SetMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    ShowMaxLength(maxLength_);
}

}  // namespace kelvane
