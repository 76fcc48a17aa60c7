#include "tabcontrol.h"

#include <QFrame>
#include <QTabBar>

namespace kelvane::qt {

TabControl::TabControl(int stripHeight, QWidget* parent)
    : QWidget(parent), stripHeight_(stripHeight), bar_(new QTabBar(this)) {
    bar_->setObjectName("tabStrip");
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setFocusPolicy(Qt::TabFocus);
    connect(bar_, &QTabBar::currentChanged, this, &TabControl::ShowPage);
}

QWidget* TabControl::AddPage(const QString& caption) {
    auto* page = new QFrame(this);
    page->setFrameShape(QFrame::StyledPanel);
    page->setGeometry(0, stripHeight_, width(), height() - stripHeight_);
    pages_.push_back(page);
    bar_->addTab(caption);
    ShowPage(bar_->currentIndex());
    return page;
}

int TabControl::CurrentPage() const {
    return bar_->currentIndex();
}

void TabControl::SetCurrentPage(int index) {
    bar_->setCurrentIndex(index);
}

void TabControl::ShowPage(int index) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        pages_[i]->setVisible(static_cast<int>(i) == index);
    }
}

void TabControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    bar_->setGeometry(0, 0, width(), stripHeight_);
    for (QWidget* page : pages_) {
        page->setGeometry(0, stripHeight_, width(), height() - stripHeight_);
    }
}

}  // namespace kelvane::qt
