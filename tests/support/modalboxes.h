#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <vector>

namespace kelvane::test {

// Answers the real message boxes of the code under test as a user would: a timer looks for the
// active modal message box and, once per box, records its text and answers it. Boxes still open
// when the answerer goes are closed by their escape button.
class ModalBoxAnswerer {
  public:
    using Answer = std::function<void(QMessageBox&)>;

    // Presses one of the box's buttons; a box without that button is closed with Esc.
    static Answer Press(QMessageBox::StandardButton button) {
        return [button](QMessageBox& box) {
            if (QAbstractButton* pressed = box.button(button)) {
                pressed->click();
            } else {
                QTest::keyClick(&box, Qt::Key_Escape);
            }
        };
    }
    // A key pressed on the box: Esc, Enter...
    static Answer Key(Qt::Key key) {
        return [key](QMessageBox& box) { QTest::keyClick(&box, key); };
    }
    // The close box of the title bar: the platform window asks to be closed, through the same
    // window-system close event the close box sends.
    static Answer CloseBox() {
        return [](QMessageBox& box) { box.windowHandle()->close(); };
    }

    explicit ModalBoxAnswerer(Answer answer = Press(QMessageBox::Ok)) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }
    ~ModalBoxAnswerer() {
        timer_.stop();
        for (const QPointer<QMessageBox>& box : boxes_) {
            if (box != nullptr && box->isVisible()) {
                box->reject();
            }
        }
    }
    ModalBoxAnswerer(const ModalBoxAnswerer&) = delete;
    ModalBoxAnswerer& operator=(const ModalBoxAnswerer&) = delete;

    // The texts of the boxes seen so far, in order.
    std::vector<QString> texts;

  private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || box->property("kelvaneAnswered").toBool()) {
            return;
        }
        box->setProperty("kelvaneAnswered", true);
        boxes_.emplace_back(box);
        texts.push_back(box->text());
        answer_(*box);
    }

    Answer answer_;
    QTimer timer_;
    std::vector<QPointer<QMessageBox>> boxes_;
};

}  // namespace kelvane::test
