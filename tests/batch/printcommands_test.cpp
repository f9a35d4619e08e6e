// pelladromika-batch preview and print: the print page's own code on the
// command line, with its clamping, calibration and outputs.
#include "core/designcommands.h"
#include "core/designfile.h"
#include "core/document.h"
#include "printing/calibration.h"
#include "printing/sheetpreview.h"
#include "render/cardrenderer.h"
#include "tests/support/testsupport.h"
#include "toolrun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QJsonObject json(const ToolRun &r)
{
    return QJsonDocument::fromJson(r.out).object();
}

} // namespace

TEST(BatchPrintCommands, PreviewClampsLikeThePageAndDrawsTheSameSurface)
{
    TestFolder folder;
    folder.write("card.etr", barcodeDesign());
    const QString png = folder.file("preview.png");
    ToolRun r = runTool({"--program-folder", folder.path(), "preview", folder.file("card.etr"), png, "--used", "15",
                         "--count", "20", "--page", "9", "--cut", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(json(r), QJsonDocument::fromJson(R"({"UsedED": 9, "PageEd": 3, "width": 619, "height": 877})").object());

    // The same surface as the print page paints for the clamped run.
    Document doc;
    ASSERT_NE(DesignCommands::OpenItNow(doc, folder.file("card.etr")), DesignCommands::OpenOutcome::Failed);
    CardRenderInputs inputs;
    inputs.placeholders.ticketLabel = QStringLiteral("Kartennummer");
    const QImage expected = renderPreview(doc, inputs, PrintRun{9, 20, 1, 3, true}, PreviewDevice{}, 72);
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), expected);

    // Another printer and preview resolution; numbers of sheet 2 continue from sheet 1.
    r = runTool({"--program-folder", folder.path(), "preview", folder.file("card.etr"), png, "--used", "3", "--count",
                 "20", "--page", "2", "--first", "41", "--printer-dpi", "300", "--printable-px", "2480", "3508",
                 "--preview-dpi", "150"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(json(r), QJsonDocument::fromJson(R"({"UsedED": 3, "PageEd": 2, "width": 1240, "height": 1754})").object());
    EXPECT_EQ(decodeBarcodes(QImage(png)), (QList<int>{48, 49, 50, 51, 52, 53, 54, 55, 56, 57}));

    for (const QStringList &bad : {QStringList{"--cut", "2"}, QStringList{"--used", "x"}, QStringList{"--printable-px", "10"},
                                   QStringList{"--preview-dpi", "0"}}) {
        r = runTool(QStringList{"--program-folder", folder.path(), "preview", folder.file("card.etr"), png} + bad);
        EXPECT_EQ(r.exitCode, 2) << bad.join(' ').toStdString();
    }
}

TEST(BatchPrintCommands, PrintWritesEverySheetWithTheStoredCalibration)
{
    TestFolder folder;
    folder.write("card.etr", barcodeDesign());
    const QString pdf = folder.file("run.pdf");
    ToolRun r = runTool({"--program-folder", folder.path(), "print", folder.file("card.etr"), pdf, "--used", "3",
                         "--count", "20", "--dpi", "150", "--cut", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(json(r), QJsonDocument::fromJson(R"({"pages": 3, "tickets": 20})").object());
    QList<QImage> pages = pdfPages(pdf, 150);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(decodeBarcodes(pages[2]), (QList<int>{18, 19, 20}));
    // The first ticket's top-left corner, uncalibrated: Trunc(10 / 25.39995 × 150), Trunc(15 / 25.39995 × 150).
    const auto firstDark = [](const QImage &page) {
        QPoint corner(page.width(), page.height());
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128) {
                    corner.setX(std::min(corner.x(), x));
                    corner.setY(std::min(corner.y(), y));
                }
        return corner;
    };
    const QPoint plain = firstDark(pages[0]);

    // options.dat moves every ticket 3 mm left and 4 mm up.
    folder.write("options.dat", calibrationBytes(Calibration{3, 4, 100, 100}));
    r = runTool({"--program-folder", folder.path(), "print", folder.file("card.etr"), pdf, "--used", "3", "--count",
                 "20", "--dpi", "150", "--cut", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    pages = pdfPages(pdf, 150);
    ASSERT_EQ(pages.size(), 3);
    const QPoint moved = firstDark(pages[0]);
    EXPECT_NEAR(plain.x() - moved.x(), 3 / 25.39995 * 150, 2);
    EXPECT_NEAR(plain.y() - moved.y(), 4 / 25.39995 * 150, 2);

    r = runTool({"--program-folder", folder.path(), "print", folder.file("card.etr"), pdf, "--printer", "Nirgendwo"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("Nirgendwo")));
}
