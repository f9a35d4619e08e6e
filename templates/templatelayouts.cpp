#include "templates/templatelayouts.h"

#include <QRandomGenerator>
#include <algorithm>

CellDraw cellDrawFrom(QRandomGenerator &generator)
{
    return [&generator] { return int(generator.bounded(3)); };
}

int32_t possibleLayoutCount(int elementCount)
{
    if (elementCount < 1 || elementCount > MaxTemplateElements)
        return 0;
    int32_t p = 1;
    for (int f = 9; f > 9 - elementCount; --f)
        p *= f;
    return p;
}

namespace {
TemplateLayout drawLayout(int elementCount, const CellDraw &draw)
{
    TemplateLayout grid{};
    for (int b = 1; b <= elementCount; ++b) {
        for (;;) {
            const int c = draw();
            const int r = draw();
            if (grid[size_t(c)][size_t(r)] == 0) {
                grid[size_t(c)][size_t(r)] = b;
                break;
            }
        }
    }
    return grid;
}
}

int32_t generateLayouts(TemplateLayouts &layouts, int elementCount, const CellDraw &draw)
{
    const int32_t count = std::min<int32_t>(possibleLayoutCount(elementCount), MaxTemplateLayouts);
    for (int32_t i = 0; i < count; ++i) {
        TemplateLayout grid;
        do {
            grid = drawLayout(elementCount, draw);
        } while (std::find(layouts.begin(), layouts.begin() + i, grid) != layouts.begin() + i);
        layouts[size_t(i)] = grid;
    }
    return count;
}
