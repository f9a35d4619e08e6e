#pragma once
// PageControl1: the main window's page control. Some of its pages have no
// visible tab and are opened by commands; while such a page is shown, the tab
// row shows only the visible tabs, none of them selected.
#include <QTabWidget>

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget *parent = nullptr);
};
