// The Code 128 barcode element: encoding, geometry and real decodability.
#include "render/barcode.h"
#include "render/canvaspainter.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage drawBarcode(int32_t number, int width, int height, int imageWidth = -1, bool printer = false)
{
    QImage image(imageWidth < 0 ? width : imageWidth, height, QImage::Format_RGB32);
    image.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&image);
    PainterCanvas canvas(painter, &image);
    canvas.setPrinter(printer);
    DrawBarcode(canvas, 0, 0, width, height, number);
    painter.end();
    return image;
}

// Columns of row y: 'B' black, 'w' white, '.' anything else.
QString rowPattern(const QImage &image, int y)
{
    QString out;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y) & 0xFFFFFF;
        out += p == 0 ? QLatin1Char('B') : p == 0xFFFFFF ? QLatin1Char('w') : QLatin1Char('.');
    }
    return out;
}

} // namespace

TEST(Barcode, EncodingsOfTicketNumbers)
{
    struct Case {
        int32_t number;
        int start;
        std::vector<int> data;
        int check;
        int modules;
    };
    const Case cases[] = {
        {1, 104, {17}, 18, 46},
        {12, 105, {12}, 14, 46},
        {100, 104, {17, 16, 16}, 98, 68},
        {123456, 105, {12, 34, 56}, 44, 68},
        {-5, 104, {13, 21}, 56, 57},
        {10000, 104, {17, 16, 16, 16, 16}, (104 + 17 + 2 * 16 + 3 * 16 + 4 * 16 + 5 * 16) % 103, 90},
    };
    for (const Case &c : cases) {
        const Code128Symbol s = encodeCode128(barcodeContent(c.number));
        EXPECT_EQ(s.startValue, c.start) << c.number;
        EXPECT_EQ(s.data, c.data) << c.number;
        EXPECT_EQ(s.checkValue, c.check) << c.number;
        EXPECT_EQ(s.moduleCount(), c.modules) << c.number;
        EXPECT_EQ(int(s.modules().size()), c.modules) << c.number;
    }
    EXPECT_EQ(barcodeContent(INT32_MIN), QByteArray("-2147483648"));
}

TEST(Barcode, HundredPixelBoxStretchesModulesExactly)
{
    // N = 46 over D = 100: modules of 2 or 3 columns, the first 3 wide.
    const QImage image = drawBarcode(1, 100, 20);
    const QString row = rowPattern(image, 10);
    const std::vector<bool> modules = encodeCode128("1").modules();
    ASSERT_TRUE(modules[0]);
    EXPECT_EQ(row.left(7), QStringLiteral("BBBBBww"));   // start B: a 2-module bar = columns 0..4
    for (int k = 1; k <= 46; ++k) {
        const int from = (100 * (k - 1) + 45) / 46, to = (100 * k + 45) / 46;
        for (int x = from; x < to; ++x)
            ASSERT_EQ(row[x] == QLatin1Char('B'), bool(modules[size_t(k - 1)])) << "module " << k << " x " << x;
    }
    // Last module is the final stop bar, ending at the right edge.
    EXPECT_EQ(row[99], QLatin1Char('B'));
    // Bars span the whole height of the even box.
    EXPECT_EQ(rowPattern(image, 0), row);
    EXPECT_EQ(rowPattern(image, 19), row);
}

TEST(Barcode, OddBoxLeavesLastColumnAndRowWhite)
{
    const QImage image = drawBarcode(1, 101, 21, 102);
    const QString row = rowPattern(image, 10);
    EXPECT_EQ(row[99], QLatin1Char('B'));
    EXPECT_EQ(row[100], QLatin1Char('w'));   // box, not bar area
    EXPECT_EQ(row[101], QLatin1Char('.'));   // outside the box
    // H = 21: bar area rows 0..19, row 20 white.
    EXPECT_EQ(rowPattern(image, 20).left(101), QString(101, QLatin1Char('w')));
}

TEST(Barcode, NarrowBoxShowsRedHatchOnScreenAndNothingOnPrinter)
{
    // 10000 needs 90 modules; the default layout's 84-pixel box is too narrow.
    const QImage screen = drawBarcode(10000, 84, 30);
    int red = 0, untouched = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb p = screen.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(p == 0xFF0000 || p == 0x808080) << x << "," << y;
            ++(p == 0xFF0000 ? red : untouched);
        }
    EXPECT_GT(red, 84 * 30 / 10);
    EXPECT_GT(untouched, 84 * 30 / 10);   // a hatch, not a solid fill
    const QImage printer = drawBarcode(10000, 84, 30, -1, true);
    for (int y = 0; y < printer.height(); ++y)
        for (int x = 0; x < printer.width(); ++x)
            ASSERT_EQ(printer.pixel(x, y) & 0xFFFFFF, 0x808080u);
    // Exactly N columns are enough.
    const QImage fits = drawBarcode(10000, 90, 30);
    EXPECT_EQ(rowPattern(fits, 5).count(QLatin1Char('.')), 0);
}

TEST(Barcode, ZbarDecodesRenderedSymbols)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const int32_t numbers[] = {1, 12, 100, 123456, -5, 10000, 2147483647, INT32_MIN, 7, 99};
    for (int32_t n : numbers) {
        const int n128 = encodeCode128(barcodeContent(n)).moduleCount();
        for (int width : {n128 * 2, n128 * 3 + 7}) {
            const QImage bars = drawBarcode(n, width, 60);
            // A quiet zone for the decoder, in the test only.
            QImage padded(width + 80, 100, QImage::Format_RGB32);
            padded.fill(Qt::white);
            QPainter(&padded).drawImage(40, 20, bars);
            const QString file = dir.filePath(QStringLiteral("code.png"));
            ASSERT_TRUE(padded.save(file));
            QProcess zbar;
            zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
            ASSERT_TRUE(zbar.waitForFinished(30000));
            EXPECT_EQ(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), QString::number(n))
                << "width " << width;
        }
    }
}
