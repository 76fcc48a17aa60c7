#include "frmabout.h"

#include "widgets/widgeterror.h"

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) { setObjectName("frmAbout"); }

std::string frmAbout::Caption() const { return windowTitle().toStdString(); }

void frmAbout::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

std::string frmAbout::LabelCaption(const std::string& label) const {
    throw kelvane::WidgetError("no label " + label);
}

void frmAbout::SetLabelCaption(const std::string& label, const std::string& /*caption*/) {
    throw kelvane::WidgetError("no label " + label);
}

void frmAbout::ShowModal() { exec(); }

void frmAbout::Unload() { done(QDialog::Accepted); }

std::uintptr_t frmAbout::NativeHandle() const { return static_cast<std::uintptr_t>(winId()); }
