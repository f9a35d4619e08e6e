#pragma once
// Places a window in the middle of the screen it is on, at the size its
// layout gives it at that moment.
class QWidget;

void centreOnScreen(QWidget &window);
