// 选择夹1: a tab strip on top of five pages. Each page covers the whole tab
// control, so page rows are placed in the tab control's own coordinates.
#pragma once

#include <QWidget>
#include <vector>

#include "pages/page_tables.h"

class QTabBar;

namespace tessaril {

class PageTabs : public QWidget {
    Q_OBJECT
public:
    // Builds every page's table; page 0 is selected, the others hidden.
    PageTabs(std::span<const PageSpec* const> pages, QWidget& window, QWidget* parent);

    int currentPage() const;
    void setCurrentPage(int index);
    QWidget& page(int index) const { return *pages_.at(index); }
    QTabBar& tabBar() const { return *tabBar_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage(int index);

    QTabBar* tabBar_;
    std::vector<QWidget*> pages_;
};

}  // namespace tessaril
