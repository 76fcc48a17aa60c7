#include "qtmsgbox.h"

#include "localtext.h"
#include "widgets/application.h"

namespace kelvane::qt {

std::unique_ptr<QMessageBox> QtMsgBox::Build(QWidget* owner, const std::string& text, Style style,
                                             const std::string& title) {
    auto box = std::make_unique<QMessageBox>(owner);
    box->setWindowTitle(FromLocal(title.empty() ? std::string(kAppTitle) : title));
    box->setTextFormat(Qt::PlainText);
    box->setText(FromLocal(text));
    switch (style) {
        case Style::Information:
            box->setIcon(QMessageBox::Information);
            box->setStandardButtons(QMessageBox::Ok);
            break;
        case Style::Question:
            box->setIcon(QMessageBox::Question);
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box->setDefaultButton(QMessageBox::Yes);
            // Esc and the close box answer No, by our word rather than by Qt's guess.
            box->setEscapeButton(QMessageBox::No);
            break;
        case Style::Critical:
            box->setIcon(QMessageBox::Critical);
            box->setStandardButtons(QMessageBox::Ok);
            break;
        case Style::Plain:
            box->setIcon(QMessageBox::NoIcon);
            box->setStandardButtons(QMessageBox::Ok);
            break;
    }
    return box;
}

MsgBox::Button QtMsgBox::Show(const std::string& text, Style style, const std::string& title) {
    const std::unique_ptr<QMessageBox> box = Build(owner_, text, style, title);
    box->exec();
    const QMessageBox::StandardButton pressed = box->standardButton(box->clickedButton());
    if (style == Style::Question) {
        return pressed == QMessageBox::Yes ? Button::Yes : Button::No;  // only a press of Yes
    }
    return Button::Ok;
}

}  // namespace kelvane::qt
