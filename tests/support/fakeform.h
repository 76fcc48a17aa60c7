#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "widgets/form.h"
#include "widgets/widgeterror.h"

namespace kelvane::test {

// A window in memory: its caption, its labels by name, and how often it was shown and unloaded.
class FakeForm : public Form {
  public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    std::string LabelCaption(const std::string& label) const override {
        const auto found = labels.find(label);
        if (found == labels.end()) {
            throw WidgetError("no label " + label);
        }
        return found->second;
    }
    void SetLabelCaption(const std::string& label, const std::string& text) override {
        labels[label] = text;
    }
    void ShowModal() override { ++shows; }
    void Unload() override { ++unloads; }
    std::uintptr_t NativeHandle() const override { return handle; }

    std::string caption;
    std::map<std::string, std::string> labels;
    int shows = 0;
    int unloads = 0;
    std::uintptr_t handle = 0;
};

}  // namespace kelvane::test
