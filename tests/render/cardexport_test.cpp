// The card image export: size, scale, ticket number, file name and format.
#include "core/designfile.h"
#include "core/document.h"
#include "imaging/dibqimage.h"
#include "printing/cardexport.h"
#include "tests/support/failingsave.h"
#include "renderfixture.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// A 90 × 55 mm card with a barcode over most of its width.
struct ExportScene {
    Document doc;
    CardRenderInputs inputs;

    ExportScene()
    {
        Tobs &e = doc.pool[1];
        e.Kind = KindBarcode;
        e.Left = doc.PasteboardWidth / 3 + 10000;
        e.Top = doc.PasteboardHeight / 3 + 10000;
        e.Width = 60000;   // 288 pixels at 96 per inch
        e.Height = 20000;
    }
};

QString decode(const QImage &image, const QString &file)
{
    EXPECT_TRUE(image.save(file));
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    zbar.waitForFinished(30000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(CardExport, NinetyByFiftyFiveMillimetresIs340By207AtPrintScale)
{
    ExportScene s;
    EXPECT_EQ(exportCardSize(s.doc.ticketType), QSize(340, 207));
    s.doc.CurrentTicketNumber = 99;
    const QImage card = renderCardForExport(s.doc, s.inputs, 12);
    ASSERT_EQ(card.size(), QSize(340, 207));
    // White where nothing is drawn; the barcode's box at 96 / 20000 pixels per DocUnit.
    EXPECT_EQ(card.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(card.pixel(339, 206), 0xFFFFFFFFu);
    EXPECT_EQ(card.pixel(48, 48), 0xFF000000u);   // start character's first bar at (48, 48)
    EXPECT_FALSE(s.doc.scale.UsePrintScale);
    EXPECT_EQ(s.doc.CurrentTicketNumber, 99);
    TestFolder folder;
    EXPECT_EQ(decode(card, folder.file(QStringLiteral("card.png"))), QStringLiteral("12"));
}

TEST(CardExport, ExtensionFollowsTheFilterOnlyWhenNoneWasTyped)
{
    struct Case {
        const char *typed;
        int filter;
        const char *saved;
        int format;
    };
    const Case cases[] = {
        {"karte", 6, "karte.jpg", 8},   {"karte", 1, "karte.bmp", 3},   {"karte", 11, "karte.tif", 13},
        {"karte.png", 6, "karte.png", 8}, {"ordner.x/karte", 3, "ordner.x/karte.gif", 5},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(withExportExtension(QString::fromUtf8(c.typed), c.filter), QString::fromUtf8(c.saved));
        EXPECT_EQ(exportSaveFormat(c.filter), c.format);
    }
    EXPECT_EQ(saveFormatForExtension(QStringLiteral("a/b.TGA")), 12);
    EXPECT_EQ(saveFormatForExtension(QStringLiteral("b.png")), 0);
}

TEST(CardExport, CommandSavesInTheChosenFormat)
{
    TestFolder folder;
    ExportScene s;
    ScriptedPrompts prompts;
    prompts.chooseFile(folder.file(QStringLiteral("karte")), 1);
    EMailBtnClick(s.doc, s.inputs, 7, PrinterResolution{600, 600});
    ASSERT_EQ(prompts.seen().size(), 1u);
    const Prompt &dialog = prompts.last();
    EXPECT_EQ(dialog.kind, Prompt::Kind::SaveFile);
    EXPECT_EQ(dialog.caption, QStringLiteral("Visitenkarte für eMail-Anhang speichern"));
    EXPECT_EQ(dialog.filter, GetDIBSaveFilter());
    EXPECT_TRUE(dialog.confirmOverwrite);
    ASSERT_TRUE(folder.exists(QStringLiteral("karte.bmp")));
    DibImage back;
    OpenDib(back, folder.file(QStringLiteral("karte.bmp")));
    ASSERT_FALSE(back.isEmpty());
    EXPECT_EQ(back.Info->header.biWidth, 340);
    EXPECT_EQ(back.Info->header.biHeight, 207);
    EXPECT_EQ(back.Info->header.biBitCount, 24);
    EXPECT_EQ(decode(dibToQImage(back), folder.file(QStringLiteral("back.png"))), QStringLiteral("7"));
    deldib(back);
    EXPECT_FALSE(s.doc.scale.UsePrintScale);

    // A typed extension stays, the format is the filter's: JPEG bytes in a .bmp file.
    prompts.chooseFile(folder.file(QStringLiteral("falsch.bmp")), 6);
    EMailBtnClick(s.doc, s.inputs, 7, PrinterResolution{600, 600});
    EXPECT_TRUE(folder.read(QStringLiteral("falsch.bmp")).startsWith("\xFF\xD8"));
    EXPECT_FALSE(folder.exists(QStringLiteral("falsch.bmp.jpg")));
}

TEST(CardExport, DifferingPrinterResolutionsAreReportedAndCancelSavesNothing)
{
    TestFolder folder;
    ExportScene s;
    ScriptedPrompts prompts;
    prompts.answer(MsgOk).chooseFile(QString());
    EMailBtnClick(s.doc, s.inputs, 1, PrinterResolution{600, 300});
    ASSERT_EQ(prompts.seen().size(), 2u);
    EXPECT_EQ(prompts.seen()[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(prompts.seen()[0].icon, MsgIcon::Information);
    EXPECT_EQ(prompts.seen()[0].text,
              QStringLiteral("Diese Meldung dürfte nie erscheinen. Das Programm kann mit diesem Drucker "
                             "wahrscheinlich nicht korrekt drucken."));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
    EXPECT_FALSE(s.doc.scale.UsePrintScale);
}

TEST(CardExport, FailedSaveIsReported)
{
    TestFolder folder;
    ExportScene s;
    ScriptedPrompts prompts;
    prompts.chooseFile(folder.file(QStringLiteral("fehlt/karte.bmp")), 1).answer(MsgOk);
    EMailBtnClick(s.doc, s.inputs, 1, PrinterResolution{});
    ASSERT_EQ(prompts.seen().size(), 2u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"));
}

TEST(CardExport, FailedSavesAreReportedAndKeepTheOldFile)
{
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        ExportScene s;
        const QString target = folder.file(QStringLiteral("karte.bmp"));
        FailingSave failing(failure, target);
        ScriptedPrompts prompts;
        prompts.chooseFile(target, 1).answer(MsgOk);
        EMailBtnClick(s.doc, s.inputs, 1, PrinterResolution{});
        ASSERT_EQ(prompts.seen().size(), 2u) << saveFailureName(failure);
        EXPECT_EQ(prompts.last().text, QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"));
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
    }
}

TEST(CardExport, ACardTooLargeForAPictureIsRefusedBeforeAllocating)
{
    // 13 400 × 13 400 pixels: each side is allowed, but 24-bit rows would take
    // 539 MB, more than a picture may hold; nothing is drawn or allocated.
    ExportScene s;
    s.doc.ticketType.CardWidth = s.doc.ticketType.CardHeight = 13400.5 / ExportPixelsPerInch * MmPerInch;
    ASSERT_EQ(exportCardSize(s.doc.ticketType), QSize(13400, 13400));
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    EXPECT_TRUE(renderCardForExport(s.doc, s.inputs, 1).isNull());
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 100 * 1024) << "kilobytes of peak memory";
}

TEST(CardExport, PicturesThatCannotBeReadExportWhite)
{
    // A stretched background and an image element over the card's middle, both missing.
    Document saved;
    saved.BackgroundMode = 0;
    saved.BackgroundFile = "fehlt-hintergrund.bmp";
    Tobs &image = saved.pool[1];
    image.Kind = KindImage;
    image.Left = saved.PasteboardWidth / 3 + 20000;
    image.Top = saved.PasteboardHeight / 3 + 10000;
    image.Width = 40000;
    image.Height = 20000;
    image.Text = "fehlt-bild.bmp";

    TestFolder folder;
    ScriptedPrompts prompts;
    prompts.answer(MsgOk).answer(MsgOk);
    Document doc;
    ASSERT_TRUE(readDesign(writeDesign(saved), doc, folder.path()).ok());
    EXPECT_EQ(prompts.seen().size(), 2u);

    const QImage card = renderCardForExport(doc, CardRenderInputs{}, 1);
    ASSERT_EQ(card.size(), QSize(340, 207));
    EXPECT_EQ(countOf(card, 0xFFFFFFFF), 340 * 207);
}
