#pragma once
// Pictures and scripted random draws for the template tests.
#include "imaging/GrafikRW.h"
#include "templates/templatelayouts.h"
#include "templates/templatewizard.h"

#include <QString>
#include <deque>
#include <initializer_list>

// Writes a w × h BMP of one colour (0x00BBGGRR) into the program folder.
void writeSolidBmp(const QString &path, int width, int height, int32_t color);

// A draw that answers from a list, then from a fixed-seed generator.
class ScriptedDraw {
public:
    explicit ScriptedDraw(std::initializer_list<int> values = {});
    CellDraw draw();
    size_t pending() const { return values_.size(); }

private:
    std::deque<int> values_;
    quint32 state_ = 12345;
};

// A request ticking the first n of the nine element boxes (texts only).
TemplateRequest textRequest(int n);
// The cells of a layout that hold element b, as column * 3 + row.
int cellOf(const TemplateLayout &layout, int b);
