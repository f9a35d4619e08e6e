#pragma once
// The wizard's layouts: which element sits in which cell of a 3 × 3 grid, and
// how a set of distinct random layouts is drawn.
#include <array>
#include <cstdint>
#include <functional>

class QRandomGenerator;

constexpr int MaxTemplateLayouts = 100;
constexpr int MaxTemplateElements = 9;

// Addressed [column][row]: column 0 left, row 0 top. A cell holds the number
// (1..9) of the element placed there, 0 when it is empty.
using TemplateLayout = std::array<std::array<int32_t, 3>, 3>;
using TemplateLayouts = std::array<TemplateLayout, MaxTemplateLayouts>;

// Draws a uniform integer 0..2. Injected so that tests can fix the sequence.
using CellDraw = std::function<int()>;
CellDraw cellDrawFrom(QRandomGenerator &generator);

// 9!/(9 - n)!: the number of different layouts of n elements (n = 1..9).
int32_t possibleLayoutCount(int elementCount);

// Draws min(P, 100) pairwise different layouts of the elements 1..elementCount
// into layouts 0.., each by rejection: a taken cell is drawn again, a layout
// equal to an earlier one is drawn again. Returns how many were stored;
// the layouts behind them keep what they held.
int32_t generateLayouts(TemplateLayouts &layouts, int elementCount, const CellDraw &draw);
