#pragma once

#include <QDialog>

#include "widgets/form.h"

// The About dialog. Still empty: its controls come with the About work.
class frmAbout : public QDialog, public kelvane::Form {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    std::string LabelCaption(const std::string& label) const override;
    void SetLabelCaption(const std::string& label, const std::string& caption) override;
    void ShowModal() override;
    void Unload() override;
    std::uintptr_t NativeHandle() const override;
};
