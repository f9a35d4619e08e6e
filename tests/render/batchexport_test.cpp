// pelladromika-batch export and barcode, run as the program they are.
#include "core/designfile.h"
#include "core/document.h"
#include "events/eventdatabase.h"
#include "imaging/GrafikRW.h"
#include "tests/support/testsupport.h"

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString batchTool()
{
    // The build tree: from the environment, else two levels above this test program.
    QString binaryDir = qEnvironmentVariable("PD_BINARY_DIR");
    if (binaryDir.isEmpty())
        binaryDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../..");
    return binaryDir + QStringLiteral("/batch/pelladromika-batch");
}

struct BatchRun {
    int exitCode = -1;
    QString err;
};

BatchRun runBatch(const QString &folder, const QStringList &args)
{
    QProcess p;
    p.start(batchTool(), QStringList{QStringLiteral("--program-folder"), folder} + args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QString zbar(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Dark pixels inside a rectangle of the image.
int darkPixels(const QImage &image, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

class BatchExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(batchTool()))
            GTEST_SKIP() << "pelladromika-batch is not built";
        // A 90 × 55 mm card: "[Ort]" in a box at the top left, a barcode below.
        Document doc;
        const int32_t left = doc.PasteboardWidth / 3, top = doc.PasteboardHeight / 3;
        Tobs &text = doc.pool[1];
        text.Kind = KindText;
        text.Left = left + 5000;
        text.Top = top + 5000;
        text.Width = 60000;
        text.Height = 10000;
        text.Text = "[Ort]";
        text.FontName = "Arial";
        text.FontSize = 14;
        Tobs &bar = doc.pool[2];
        bar.Kind = KindBarcode;
        bar.Left = left + 10000;
        bar.Top = top + 25000;
        bar.Width = 60000;
        bar.Height = 15000;
        folder.write(QStringLiteral("karte.etr"), writeDesign(doc));
    }

    QString file(const char *name) const { return folder.file(QString::fromLatin1(name)); }
    TestFolder folder;
};

} // namespace

TEST_F(BatchExport, WritesTheCardAt96DpiWithTheTicketNumber)
{
    const BatchRun run = runBatch(folder.path(), {QStringLiteral("export"), file("karte.etr"), file("out.png"),
                                             QStringLiteral("--ticket"), QStringLiteral("42")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage png(file("out.png"));
    EXPECT_EQ(png.size(), QSize(340, 207));
    EXPECT_EQ(zbar(file("out.png")), QStringLiteral("42"));
    // Without an event database the placeholder is drawn as written.
    EXPECT_GT(darkPixels(png, QRect(24, 24, 200, 40)), 20);

    // The extension picks the format; --format overrides it.
    ASSERT_EQ(runBatch(folder.path(), {QStringLiteral("export"), file("karte.etr"), file("out.bmp")}).exitCode, 0);
    DibImage bmp;
    OpenDib(bmp, file("out.bmp"));
    ASSERT_FALSE(bmp.isEmpty());
    EXPECT_EQ(bmp.Info->header.biWidth, 340);
    EXPECT_EQ(bmp.Info->header.biHeight, 207);
    deldib(bmp);
    ASSERT_EQ(runBatch(folder.path(), {QStringLiteral("export"), file("karte.etr"), file("out.bmp"),
                                       QStringLiteral("--format"), QStringLiteral("8")})
                  .exitCode,
              0);
    EXPECT_TRUE(folder.read(QStringLiteral("out.bmp")).startsWith("\xFF\xD8"));
}

TEST_F(BatchExport, EventOfTheDatabaseFillsPlaceholders)
{
    EventDatabase db;
    db.events.resize(2);
    db.events[0].field(FieldOrt) = QStringLiteral("Stadthalle");
    db.events[1].field(FieldOrt) = QString();   // an empty place removes the placeholder
    db.DefaultEventIndex = 1;
    ASSERT_TRUE(writeEventDatabaseFile(folder.file(QStringLiteral("AdrDB.dat")), db));

    ASSERT_EQ(runBatch(folder.path(), {QStringLiteral("export"), file("karte.etr"), file("leer.png")}).exitCode, 0);
    EXPECT_EQ(darkPixels(QImage(file("leer.png")), QRect(24, 24, 200, 40)), 0);
    ASSERT_EQ(runBatch(folder.path(), {QStringLiteral("export"), file("karte.etr"), file("halle.png"),
                                       QStringLiteral("--event"), QStringLiteral("0")})
                  .exitCode,
              0);
    EXPECT_GT(darkPixels(QImage(file("halle.png")), QRect(24, 24, 200, 40)), 20);
}

TEST_F(BatchExport, UsageErrorsAndFailures)
{
    const QStringList usage[] = {
        {QStringLiteral("export"), file("karte.etr")},
        {QStringLiteral("export"), file("karte.etr"), file("out.xyz")},
        {QStringLiteral("export"), file("karte.etr"), file("out.bmp"), QStringLiteral("--format"), QStringLiteral("14")},
        {QStringLiteral("export"), file("karte.etr"), file("out.bmp"), QStringLiteral("--ticket")},
        {QStringLiteral("export"), file("karte.etr"), file("out.bmp"), QStringLiteral("--seat-check"), QStringLiteral("2")},
        {QStringLiteral("barcode"), QStringLiteral("12"), QStringLiteral("0"), QStringLiteral("10"), file("b.png")},
        {QStringLiteral("barcode"), QStringLiteral("x"), QStringLiteral("10"), QStringLiteral("10"), file("b.png")},
    };
    for (const QStringList &args : usage)
        EXPECT_EQ(runBatch(folder.path(), args).exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
    const BatchRun missing = runBatch(folder.path(), {QStringLiteral("export"), file("fehlt.etr"), file("out.bmp")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten!")));
    folder.write(QStringLiteral("kaputt.etr"), "keine Eintrittskarte");
    EXPECT_EQ(runBatch(folder.path(), {QStringLiteral("export"), file("kaputt.etr"), file("out.bmp")}).exitCode, 1);
}

TEST_F(BatchExport, BarcodeCommandDrawsAsOnScreen)
{
    ASSERT_EQ(runBatch(folder.path(), {QStringLiteral("barcode"), QStringLiteral("123456"), QStringLiteral("136"),
                                       QStringLiteral("40"), file("b.png")})
                  .exitCode,
              0);
    const QImage image(file("b.png"));
    ASSERT_EQ(image.size(), QSize(136, 40));
    // 68 modules over 136 columns: start character C = bars 2,1,1,2,3,2 modules wide.
    QString row;
    for (int x = 0; x < 22; ++x)
        row += image.pixel(x, 20) == 0xFF000000 ? QLatin1Char('B') : QLatin1Char('w');
    EXPECT_EQ(row, QStringLiteral("BBBBwwBBwwwwBBBBBBwwww"));
    // Too narrow: the red hatch of the screen.
    ASSERT_EQ(runBatch(folder.path(), {QStringLiteral("barcode"), QStringLiteral("10000"), QStringLiteral("84"),
                                       QStringLiteral("20"), file("n.png")})
                  .exitCode,
              0);
    const QImage narrow(file("n.png"));
    int red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 84; ++x)
            red += narrow.pixel(x, y) == 0xFFFF0000;
    EXPECT_GT(red, 100);
}
