#pragma once

#include <cstdint>
#include <string>

namespace kelvane {

// The operations on a window itself. Its load event runs before it is first shown.
class Form {
  public:
    virtual ~Form() = default;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The caption of one of the window's labels, by control name; WidgetError for an unknown one.
    virtual std::string LabelCaption(const std::string& label) const = 0;
    virtual void SetLabelCaption(const std::string& label, const std::string& caption) = 0;

    // Shows the window modally and returns once it has been unloaded.
    virtual void ShowModal() = 0;
    virtual void Unload() = 0;

    // The platform's handle of the window, for the platform to own what it shows on the
    // window's behalf; 0 when it has none.
    virtual std::uintptr_t NativeHandle() const = 0;
};

}  // namespace kelvane
