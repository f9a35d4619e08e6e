// Pictures drawn on a widget that sits below other widgets in its window: the
// window's paint buffer is offset, the widget's own drawing area is not.
#include "render/canvastarget.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class AreaProbe : public QWidget {
public:
    QRect seen;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        seen = QPainterCanvasTarget(painter).drawableArea();
    }
};

} // namespace

TEST(WidgetCanvas, DrawableAreaIsTheWholeWidgetWhereverItSitsInItsWindow)
{
    for (const int above : {0, 120}) {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(30, 0, 0, 0);
        auto *spacer = new QWidget;
        spacer->setFixedHeight(above);
        auto *probe = new AreaProbe;
        probe->setFixedSize(200, 150);
        layout->addWidget(spacer);
        layout->addWidget(probe);
        window.show();
        ASSERT_TRUE(waitUntil([&] { return probe->seen.isValid(); }));
        probe->seen = QRect();
        probe->repaint();   // through the window's buffer, as on screen
        ASSERT_TRUE(probe->seen.isValid());
        // The whole widget (with one pixel of slack at each edge) can be drawn on.
        EXPECT_TRUE(probe->seen.contains(QRect(0, 0, 200, 150))) << "above " << above << ": " << probe->seen.x()
                                                                  << "," << probe->seen.y() << " "
                                                                  << probe->seen.width() << "x" << probe->seen.height();
    }
}
