#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QTabBar;

namespace kelvane::qt {

// A tab control whose pages share its own coordinates: a control placed on a page at (x, y)
// of the tab control (tab strip included) goes to PagePos(x, y) of the page. Only the shown
// page's controls are visible, so the Tab key never reaches the other page.
class TabControl : public QWidget {
    Q_OBJECT

  public:
    // `stripHeight` is the height of the tab strip, in device-independent pixels.
    explicit TabControl(int stripHeight, QWidget* parent = nullptr);

    // Adds a page with the given tab caption and returns it; resize the control first.
    QWidget* AddPage(const QString& caption);
    QWidget* Page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int CurrentPage() const;
    void SetCurrentPage(int index);
    QTabBar* TabBar() const { return bar_; }

    // Where a point of the tab control lies on a page.
    QPoint PagePos(int x, int y) const { return {x, y - stripHeight_}; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ShowPage(int index);

    int stripHeight_;
    QTabBar* bar_;
    std::vector<QWidget*> pages_;
};

}  // namespace kelvane::qt
