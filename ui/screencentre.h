#pragma once
// Places a window in the middle of the screen it is on.
class QWidget;

void centreOnScreen(QWidget &window);
