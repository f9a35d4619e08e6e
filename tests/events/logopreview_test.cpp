// Where the logo preview puts the picture.
#include "events/logopreview.h"

#include <gtest/gtest.h>

TEST(LogoPreviewRect, FitsWidthOrHeightAndCentres)
{
    struct Case {
        int W, H, BW, BH;
        QRect expected;
    };
    const Case cases[] = {
        {40, 20, 200, 150, QRect(0, 25, 200, 100)},     // wide picture: full width
        {20, 40, 200, 150, QRect(62, 0, 75, 150)},      // tall picture: full height, (200-75) div 2
        {3, 7, 10, 10, QRect(3, 0, 4, 10)},             // truncating divisions
        {100, 100, 50, 50, QRect(0, 0, 50, 50)},
        {30000, 1, 100, 100, QRect(0, 50, 100, 0)},     // height truncates to 0
        {0, 10, 100, 100, QRect()},
        {10, 10, 0, 100, QRect()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(logoPreviewRect(c.W, c.H, c.BW, c.BH), c.expected) << c.W << "x" << c.H;
}
