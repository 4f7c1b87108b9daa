#include "app/page_tabs.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "app/look.h"
#include "app/table_builder.h"

namespace tessaril {
namespace {

// Tabs as narrow as a desktop tab control draws them: the text and 6 px on
// either side, so the five tabs leave the clock above the right end free.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

PageTabs::PageTabs(std::span<const PageSpec* const> pages, QWidget& window, QWidget* parent)
    : QWidget(parent), tabBar_(new QTabBar(this)) {
    for (const PageSpec* pageSpec : pages) {
        auto* page = new QWidget(this);
        buildTable(pageSpec->controls, *page, window);
        pages_.push_back(page);
        tabBar_->addTab(QString::fromUtf8(pageSpec->tabText));
    }
    auto* style = new CompactTabStyle;
    style->setParent(tabBar_);
    tabBar_->setStyle(style);
    tabBar_->setShape(QTabBar::RoundedNorth);
    tabBar_->setFont(guiFont());
    tabBar_->setFocusPolicy(Qt::NoFocus);
    tabBar_->setDrawBase(false);
    tabBar_->setExpanding(false);
    tabBar_->setUsesScrollButtons(false);
    tabBar_->setElideMode(Qt::ElideNone);
    tabBar_->raise();
    connect(tabBar_, &QTabBar::currentChanged, this, &PageTabs::showPage);
    showPage(tabBar_->currentIndex());
}

int PageTabs::currentPage() const { return tabBar_->currentIndex(); }

void PageTabs::setCurrentPage(int index) { tabBar_->setCurrentIndex(index); }

void PageTabs::showPage(int index) {
    // The focus stays where it is unless the page holding it goes away; then
    // it rests on the window, and the next Tab enters the focus cycle afresh.
    QWidget* focused = window()->focusWidget();
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        if (i != index && focused != nullptr && pages_[i]->isAncestorOf(focused)) {
            window()->setFocus(Qt::OtherFocusReason);
        }
    }
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        if (i != index) pages_[i]->hide();
    }
    if (index >= 0 && index < static_cast<int>(pages_.size())) pages_[index]->show();
}

void PageTabs::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* page : pages_) page->setGeometry(rect());
    tabBar_->setGeometry(QRect(QPoint(2, 0), tabBar_->sizeHint()));
}

void PageTabs::paintEvent(QPaintEvent*) {
    // The pane frame below the tabs.
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = tabBar_->size();
    frame.tabBarRect = tabBar_->geometry();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    frame.rect = rect().adjusted(0, tabBar_->geometry().bottom() + 1 - overlap, 0, 0);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

}  // namespace tessaril
