#pragma once
// Cutting lines: a dotted frame round a ticket, one device pixel wide, the
// gaps between the dots white.
class QPainter;

void drawCuttingFrame(QPainter &painter, int x, int y, int w, int h);
