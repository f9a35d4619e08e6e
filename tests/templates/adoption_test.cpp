// Adoption: the save question, the cleared card and the elements and
// background RenderTemplate creates from the selected layout.
#include "core/cp1252.h"
#include "core/document.h"
#include "core/programfolder.h"
#include "render/placeholders.h"
#include "render/raster.h"
#include "tests/support/testsupport.h"
#include "tests/templates/templatefixtures.h"
#include "templates/cardframe.h"
#include "templates/fontfitting.h"
#include "templates/templateadoption.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
// Each character is s pixels wide and s high, on one line.
class FakeMeasure : public TextMeasure {
public:
    QSize measure(const QString &text, int s, int) override { return QSize(int(text.size()) * s, s); }
};

struct AdoptionScene {
    TestFolder folder;
    Document doc;
    PlaceholderInputs placeholders;
    TemplateWizard wizard;
    FontFitter fitter{std::make_unique<FakeMeasure>()};

    AdoptionScene()
    {
        doc.ticketType.CardWidth = 90;
        doc.ticketType.CardHeight = 60;
        doc.sizePasteboardFromTicketType();
    }
    bool adopt() { return adoptTemplate(doc, wizard, AdoptionInputs{placeholders, 1, 96}, fitter); }
    std::vector<int> usedSlots() const
    {
        std::vector<int> used;
        for (int i = 1; i <= ElementPool::SlotCount; ++i) {
            if (doc.pool[i].Kind != KindFree)
                used.push_back(i);
        }
        return used;
    }
    // The cell of the selected layout in editor pixels at 96 pixels per inch.
    CellBox cell(int column, int row)
    {
        Document probe;
        probe.ticketType = doc.ticketType;
        probe.sizePasteboardFromTicketType();
        const CardFrame frame = prepareCardFrame(probe, 96);
        return LayoutCells(wizard.selectedLayout(), frame.inner, frame.margin)[size_t(column)][size_t(row)];
    }
};

// What the mutators store for a pixel value at 96 pixels per inch and zoom 1.
int32_t docUnits(int32_t p)
{
    return int32_t(int32_t(20000.0 / 96 * p / 208) * 208.0);
}
}

TEST(TemplateAdoption, BeforeAnyGenerationTheCardIsClearedAndStaysEmpty)
{
    AdoptionScene s;
    Tobs &old = s.doc.pool[1];
    old.Kind = KindFigure;
    s.doc.BackgroundMode = 1;
    s.doc.CurrentFileName = QStringLiteral("alt.etr");
    s.doc.scale.ZoomFactor = 2.5;
    ScriptedPrompts prompts;
    prompts.answer(MsgNo);
    EXPECT_TRUE(s.adopt());
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Vorlage in den Editor übernehmen"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Wollen Sie vorher speichern?"));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Question);
    EXPECT_EQ(prompts.last().buttons, MsgYes | MsgNo | MsgCancel);
    EXPECT_TRUE(s.usedSlots().empty());
    EXPECT_EQ(s.doc.BackgroundMode, -1);
    EXPECT_TRUE(s.doc.CurrentFileName.isEmpty());
    EXPECT_EQ(s.doc.scale.ZoomFactor, 1.0);
    EXPECT_EQ(s.doc.scale.DocUnitsPerPixel, 208.0);
    // An empty card is not asked about.
    EXPECT_TRUE(s.adopt());
    EXPECT_EQ(prompts.seen().size(), 1u);
}

TEST(TemplateAdoption, CancelInTheSaveQuestionLeavesTheCard)
{
    AdoptionScene s;
    ScriptedDraw draw;
    ASSERT_TRUE(s.wizard.generate(textRequest(3), draw.draw()));
    s.doc.pool[1].Kind = KindFigure;
    s.doc.pool[1].Left = 1234;
    ScriptedPrompts prompts;
    prompts.answer(MsgCancel);
    EXPECT_FALSE(s.adopt());
    EXPECT_EQ(s.usedSlots(), std::vector<int>{1});
    EXPECT_EQ(s.doc.pool[1].Left, 1234);
}

TEST(TemplateAdoption, TextInTheMiddleCellSpansTheInnerWidth)
{
    AdoptionScene s;
    s.placeholders.eventCurrent = true;
    s.placeholders.values[0] = QStringLiteral("Konzert");
    ScriptedDraw draw({1, 1});
    ASSERT_TRUE(s.wizard.generate(textRequest(1), draw.draw()));
    ASSERT_TRUE(s.adopt());
    ASSERT_EQ(s.usedSlots(), std::vector<int>{1});
    const Tobs &t = s.doc.pool[1];

    // 90 × 60 mm at 96 pixels per inch: the pasteboard is 1022 × 681 pixels,
    // the margin 18, the inner rectangle (358, 245)-(663, 436), the gap 3.
    // The middle row runs from 245 + 191 div 3 = 308 to 245 + 382 div 3 = 372.
    EXPECT_EQ(t.Kind, KindText);
    EXPECT_EQ(t.Left, docUnits(358));
    EXPECT_EQ(t.Width, docUnits(663 - 3 - 358 + 1));
    EXPECT_EQ(t.Top, docUnits(308));
    EXPECT_EQ(t.Height, docUnits(372 - 3 - 308 + 1));
    EXPECT_EQ(t.TextAlign, 1);
    // Fitted to the expanded text (7 characters in 302 pixels), stored unexpanded.
    EXPECT_EQ(t.FontSize, 43);
    EXPECT_EQ(t.FontHeight, 43);
    EXPECT_EQ(t.Text, QByteArray("[Bezeichnung]"));
    EXPECT_EQ(t.FontName, QByteArray("Arial"));
    EXPECT_EQ(t.FontStyle, 0);
    EXPECT_EQ(t.FontColor, 0);
    EXPECT_EQ(t.FontPitch, 0);
    EXPECT_EQ(s.doc.BackgroundMode, -1);
}

TEST(TemplateAdoption, PictureBoxesTopLeftWholeCellBottomRightFittedSize)
{
    AdoptionScene s;
    const QString path = s.folder.file(QStringLiteral("bild.bmp"));
    writeSolidBmp(path, 40, 10, 0x123456);
    TemplateRequest r;
    r.picture = TemplateRequest::Picture::Graphic;
    r.picturePath = path;

    ScriptedPrompts prompts;
    for (int corner : {0, 2}) {
        SCOPED_TRACE(corner);
        if (s.doc.pool.hasElements())
            prompts.answer(MsgNo);
        ScriptedDraw draw({corner, corner});
        ASSERT_TRUE(s.wizard.generate(r, draw.draw()));
        ASSERT_TRUE(s.adopt());
        ASSERT_EQ(s.usedSlots(), std::vector<int>{1});
        const Tobs &t = s.doc.pool[1];
        EXPECT_EQ(t.Kind, KindImage);
        EXPECT_EQ(t.Text, path.toLatin1());
        EXPECT_EQ(t.KeepAspect, 1);
        EXPECT_EQ(t.Transparent, 0);
        EXPECT_EQ(DibWidth(t.Dib), 40);
        // The picture is read again, not shared with the wizard.
        EXPECT_NE(t.Dib.Bits, s.wizard.element(1)->Picture.Bits);

        const CellBox c = s.cell(corner, corner);
        const PicturePlace p = placePictureInCell(c, corner, corner, 40, 10);
        if (corner == 0) {
            EXPECT_EQ(t.Left, docUnits(c.x0));
            EXPECT_EQ(t.Top, docUnits(c.y0));
            EXPECT_EQ(t.Width, docUnits(c.x1 - c.x0 + 1));
            EXPECT_EQ(t.Height, docUnits(c.y1 - c.y0 + 1));
        } else {
            EXPECT_EQ(t.Left, docUnits(p.x));
            EXPECT_EQ(t.Top, docUnits(p.y));
            EXPECT_EQ(t.Width, docUnits(p.width));
            EXPECT_EQ(t.Height, docUnits(p.height));
            EXPECT_LT(p.height, c.y1 - c.y0 + 1);
        }
    }
}

TEST(TemplateAdoption, MissingPictureIsReportedAndTheOtherElementsCreated)
{
    AdoptionScene s;
    const QString path = s.folder.file(QStringLiteral("logo.bmp"));
    writeSolidBmp(path, 8, 8, 0);
    TemplateRequest r = textRequest(2);
    r.picture = TemplateRequest::Picture::Logo;
    r.picturePath = QStringLiteral("logo.bmp");
    ScriptedDraw draw({0, 0, 1, 1, 2, 2});
    ASSERT_TRUE(s.wizard.generate(r, draw.draw()));
    ASSERT_TRUE(QFile::remove(path));

    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    ASSERT_TRUE(s.adopt());
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Konnte Bild (") + ProgramFolder() + QStringLiteral("logo.bmp) nicht Laden."));
    EXPECT_TRUE(prompts.last().caption.isEmpty());
    EXPECT_EQ(prompts.last().icon, MsgIcon::Error);
    ASSERT_EQ(s.usedSlots(), (std::vector<int>{1, 2}));
    EXPECT_EQ(s.doc.pool[1].Text, QByteArray("[Bezeichnung]"));
    EXPECT_EQ(s.doc.pool[1].TextAlign, 0);
    EXPECT_EQ(s.doc.pool[2].Text, toCp1252(QStringLiteral("[Aufführung]")));
    EXPECT_EQ(s.doc.pool[2].TextAlign, 1);
    EXPECT_TRUE(s.doc.pool[3].Dib.isEmpty());
}

TEST(TemplateAdoption, BackgroundFillsTheCardOrIsEmptiedWhenUnreadable)
{
    AdoptionScene s;
    writeSolidBmp(s.folder.file(QStringLiteral("sky.bmp")), 12, 6, 0x00FF00);
    TemplateRequest r = textRequest(1);
    r.background = true;
    r.backgroundFile = QStringLiteral("sky.bmp");
    ScriptedDraw draw;
    ASSERT_TRUE(s.wizard.generate(r, draw.draw()));
    ASSERT_TRUE(s.adopt());
    EXPECT_EQ(s.doc.BackgroundMode, 2);
    EXPECT_EQ(s.doc.BackgroundFile, QByteArray("sky.bmp"));
    EXPECT_EQ(DibWidth(s.doc.BackgroundImage), 12);

    ASSERT_TRUE(QFile::remove(s.folder.file(QStringLiteral("sky.bmp"))));
    ScriptedPrompts prompts;
    prompts.answer(MsgNo).answer(MsgOk);
    ASSERT_TRUE(s.adopt());
    ASSERT_EQ(prompts.seen().size(), 2u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Konnte Bild (sky.bmp) nicht Laden."));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Error);
    EXPECT_EQ(s.doc.BackgroundMode, 2);
    EXPECT_TRUE(s.doc.BackgroundFile.isEmpty());
    EXPECT_EQ(DibWidth(s.doc.BackgroundImage), 320);
    EXPECT_EQ(s.usedSlots().size(), 1u);
}

TEST(TemplateAdoption, CellsNamingElementsOfAnEarlierGenerationAreSkipped)
{
    AdoptionScene s;
    ScriptedDraw draw;
    ASSERT_TRUE(s.wizard.generate(textRequest(3), draw.draw()));
    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    ASSERT_FALSE(s.wizard.generate(TemplateRequest{}, draw.draw()));
    EXPECT_TRUE(s.adopt());
    EXPECT_TRUE(s.usedSlots().empty());

    // A selection beyond the current layouts takes what is stored there and
    // leaves out the numbers the current list does not have.
    ASSERT_TRUE(s.wizard.generate(textRequest(1), draw.draw()));
    s.wizard.SelectedTemplate = 50;
    EXPECT_TRUE(s.adopt());
    ASSERT_EQ(s.usedSlots(), std::vector<int>{1});
    EXPECT_EQ(s.doc.pool[1].Text, QByteArray("[Bezeichnung]"));
}
