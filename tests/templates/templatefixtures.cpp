#include "tests/templates/templatefixtures.h"

#include <gtest/gtest.h>

void writeSolidBmp(const QString &path, int width, int height, int32_t color)
{
    DibImage dib;
    ASSERT_NE(newdib(dib, width, height, 24), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            setpixel(dib, x, y, color);
    }
    ASSERT_EQ(SaveDib(dib, path, 3), 1);
    deldib(dib);
}

ScriptedDraw::ScriptedDraw(std::initializer_list<int> values) : values_(values) {}

CellDraw ScriptedDraw::draw()
{
    return [this] {
        if (!values_.empty()) {
            const int v = values_.front();
            values_.pop_front();
            return v;
        }
        state_ = state_ * 1103515245u + 12345u;
        return int((state_ >> 16) % 3);
    };
}

TemplateRequest textRequest(int n)
{
    TemplateRequest r;
    for (int i = 0; i < n; ++i)
        r.ticked[size_t(i)] = true;
    return r;
}

int cellOf(const TemplateLayout &layout, int b)
{
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) {
            if (layout[size_t(c)][size_t(r)] == b)
                return c * 3 + r;
        }
    }
    return -1;
}
