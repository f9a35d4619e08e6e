#include "ui/PageControl.h"

#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace {
// QTabBar draws its current tab even when that tab is hidden, and a hidden
// tab has no place in the row: its caption landed as a stray fragment in the
// corner of the tab row.
class HiddenCurrentTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (currentIndex() < 0 || isTabVisible(currentIndex())) {
            QTabBar::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        // The base line the selected tab would break, whole.
        QStyleOptionTabBarBase base;
        base.initFrom(this);
        base.shape = shape();
        base.documentMode = documentMode();
        const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
        base.rect = QRect(0, height() - overlap, width(), overlap);
        for (int i = 0; i < count(); ++i) {
            if (isTabVisible(i))
                base.tabBarRect |= tabRect(i);
        }
        painter.drawPrimitive(QStyle::PE_FrameTabBarBase, base);
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i))
                continue;
            QStyleOptionTab tab;
            initStyleOption(&tab, i);
            painter.drawControl(QStyle::CE_TabBarTab, tab);
        }
    }
};
}

PageControl::PageControl(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new HiddenCurrentTabBar(this));
}
