#pragma once

#include <QIcon>
#include <QWidget>

namespace kelvane::qt {

// A picture box: shows a 32x32 picture centred in its rectangle. When it takes the focus (by
// Tab) it shows it with a dotted frame.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    PictureBox(const QIcon& picture, bool takesFocus, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QIcon picture_;
};

}  // namespace kelvane::qt
