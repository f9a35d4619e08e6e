#pragma once
// Where the logo preview draws the picture: scaled to the area's width, or to its
// height when that would be too tall, and centred.
#include <QRect>

// W, H: picture size; BW, BH: preview area size, all in pixels. Empty when
// either size is empty.
QRect logoPreviewRect(int W, int H, int BW, int BH);
