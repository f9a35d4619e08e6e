#include "render/barcode.h"

#include "render/canvas.h"

#include <cstring>

namespace {

// Bar and space widths of the Code 128 symbols 0..105 (bar first, six
// elements of eleven modules) and of the stop pattern (seven elements).
const char *const SymbolWidths[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};
const char *const StopWidths = "2331112";

constexpr int StartB = 104;
constexpr int StartC = 105;

void appendWidths(std::vector<bool> &modules, const char *widths)
{
    bool bar = true;
    for (const char *w = widths; *w; ++w) {
        modules.insert(modules.end(), size_t(*w - '0'), bar);
        bar = !bar;
    }
}

bool allDigits(const QByteArray &s)
{
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Smallest integer not below a / b, for a >= 0 and b > 0.
long long ceilDiv(long long a, long long b)
{
    return (a + b - 1) / b;
}

} // namespace

int Code128Symbol::moduleCount() const
{
    return 11 * (int(data.size()) + 2) + 13;
}

std::vector<bool> Code128Symbol::modules() const
{
    std::vector<bool> out;
    out.reserve(size_t(moduleCount()));
    appendWidths(out, SymbolWidths[startValue]);
    for (int v : data)
        appendWidths(out, SymbolWidths[v]);
    appendWidths(out, SymbolWidths[checkValue]);
    appendWidths(out, StopWidths);
    return out;
}

QByteArray barcodeContent(int32_t ticketNumber)
{
    return QByteArray::number(ticketNumber);
}

Code128Symbol encodeCode128(const QByteArray &content)
{
    Code128Symbol s;
    if (!content.isEmpty() && content.size() % 2 == 0 && allDigits(content)) {
        s.startValue = StartC;
        for (qsizetype i = 0; i + 1 < content.size(); i += 2)
            s.data.push_back((content[i] - '0') * 10 + (content[i + 1] - '0'));
    } else {
        s.startValue = StartB;
        for (char c : content) {
            // Outside code set B nothing can come from a ticket number; keep
            // such characters representable rather than index out of the table.
            const int v = int(uchar(c)) - 32;
            s.data.push_back(v >= 0 && v <= 95 ? v : 0);
        }
    }
    long long sum = s.startValue;
    for (size_t i = 0; i < s.data.size(); ++i)
        sum += (long long)(i + 1) * s.data[i];
    s.checkValue = int(sum % 103);
    return s;
}

void DrawBarcode(Canvas &canvas, int left, int top, int right, int bottom, int32_t ticketNumber)
{
    const Code128Symbol symbol = encodeCode128(barcodeContent(ticketNumber));
    const long long n = symbol.moduleCount();
    // Wide arithmetic: boxes of damaged designs may span the whole int range.
    const long long w = (long long)right - left, h = (long long)bottom - top;
    const long long cx = ((long long)left + right) / 2, cy = ((long long)top + bottom) / 2;
    const long long x0 = cx - w / 2, x1 = cx + w / 2;
    const long long y0 = cy - h / 2, y1 = cy + h / 2;
    if (x1 - x0 < n) {
        if (!canvas.isPrinter())
            canvas.fillDiagonalHatch(left, top, right, bottom, 0x000000FF);
        return;
    }
    canvas.fillRect(left, top, right, bottom, 0x00FFFFFF);
    const long long d = x1 - x0;
    const std::vector<bool> modules = symbol.modules();
    // Module k (from 1) covers x0 + ceil((k-1)·D/N) .. x0 + ceil(k·D/N); runs
    // of bar modules become one bar.
    size_t k = 0;
    while (k < modules.size()) {
        if (!modules[k]) {
            ++k;
            continue;
        }
        size_t end = k;
        while (end < modules.size() && modules[end])
            ++end;
        const long long from = x0 + ceilDiv((long long)k * d, n);
        const long long to = x0 + ceilDiv((long long)end * d, n);
        canvas.fillRect(int(from), int(y0), int(to), int(y1), 0x00000000);
        k = end;
    }
}
