// The wizard's generation: element list, layouts drawn by rejection, caption,
// pictures and background.
#include "core/programfolder.h"
#include "render/raster.h"
#include "tests/support/testsupport.h"
#include "tests/templates/templatefixtures.h"
#include "templates/templatewizard.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <set>

namespace {
bool isValidLayout(const TemplateLayout &layout, int n)
{
    std::multiset<int> seen;
    for (const auto &column : layout) {
        for (int32_t cell : column) {
            if (cell != 0)
                seen.insert(cell);
        }
    }
    if (int(seen.size()) != n)
        return false;
    for (int b = 1; b <= n; ++b) {
        if (seen.count(b) != 1)
            return false;
    }
    return true;
}

std::set<TemplateLayout> validLayouts(const TemplateWizard &w, int n)
{
    std::set<TemplateLayout> distinct;
    for (int i = 0; i < w.TemplateCount; ++i) {
        EXPECT_TRUE(isValidLayout(w.Layouts[size_t(i)], n)) << "layout " << i;
        distinct.insert(w.Layouts[size_t(i)]);
    }
    return distinct;
}
}

TEST(TemplateGeneration, PossibleLayoutsAndCaptionForOneToNineElements)
{
    TestFolder folder;
    writeSolidBmp(folder.file(QStringLiteral("logo.bmp")), 8, 4, 0x0000FF);
    const int32_t possible[9] = {9, 72, 504, 3024, 15120, 60480, 181440, 362880, 362880};
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(possibleLayoutCount(n), possible[n - 1]);
        // Up to eight texts (seven fields and the seat text); the ninth is the logo.
        TemplateRequest r = textRequest(std::min(n, 8));
        if (n == 9) {
            r.picture = TemplateRequest::Picture::Logo;
            r.picturePath = QStringLiteral("logo.bmp");
        }
        TemplateWizard w;
        ScriptedDraw draw;
        ASSERT_TRUE(w.generate(r, draw.draw()));
        ASSERT_EQ(w.TemplateElementCount(), n);
        const int32_t count = std::min(possible[n - 1], 100);
        EXPECT_EQ(w.TemplateCount, count);
        EXPECT_EQ(w.Label3Text, QStringLiteral("Dies ist eine zufällige Auswahl von %1 Karten aus %2 möglichen Karten")
                                    .arg(count)
                                    .arg(possible[n - 1]));
        EXPECT_EQ(int(validLayouts(w, n).size()), count);
    }
}

TEST(TemplateGeneration, OneElementGivesItsNineCellsAndTwoGiveAll72)
{
    TemplateWizard w;
    ScriptedDraw draw;
    ASSERT_TRUE(w.generate(textRequest(1), draw.draw()));
    std::set<int> cells;
    for (int i = 0; i < 9; ++i)
        cells.insert(cellOf(w.Layouts[size_t(i)], 1));
    EXPECT_EQ(cells.size(), 9u);

    ASSERT_TRUE(w.generate(textRequest(2), draw.draw()));
    EXPECT_EQ(w.TemplateCount, 72);
    EXPECT_EQ(validLayouts(w, 2).size(), 72u);
}

TEST(TemplateGeneration, ThreeGiveHundredDistinctAndNineFillEveryCell)
{
    TestFolder folder;
    writeSolidBmp(folder.file(QStringLiteral("bild.bmp")), 4, 4, 0);
    TemplateWizard w;
    QRandomGenerator seeded(7);
    ASSERT_TRUE(w.generate(textRequest(3), cellDrawFrom(seeded)));
    EXPECT_EQ(validLayouts(w, 3).size(), 100u);

    TemplateRequest all = textRequest(9);
    all.picture = TemplateRequest::Picture::Graphic;
    all.picturePath = QStringLiteral("bild.bmp");
    ASSERT_TRUE(w.generate(all, cellDrawFrom(seeded)));
    EXPECT_EQ(validLayouts(w, 9).size(), 100u);
    for (int i = 0; i < 100; ++i) {
        for (const auto &column : w.Layouts[size_t(i)])
            EXPECT_EQ(std::count(column.begin(), column.end(), 0), 0);
    }
}

TEST(TemplateGeneration, TakenCellsAndRepeatedLayoutsAreDrawnAgain)
{
    // Two elements: the second draws the first's cell (0,0) once more, then
    // (2,1); the next layout repeats layout 0 and is drawn again.
    ScriptedDraw draw({0, 0, 0, 0, 2, 1,    // layout 0: 1 at (0,0), 2 at (2,1)
                       0, 0, 2, 1,          // a copy of layout 0: discarded
                       1, 2, 0, 1});        // layout 1: 1 at (1,2), 2 at (0,1)
    TemplateLayouts layouts{};
    ASSERT_EQ(generateLayouts(layouts, 2, draw.draw()), 72);
    EXPECT_EQ(cellOf(layouts[0], 1), 0 * 3 + 0);
    EXPECT_EQ(cellOf(layouts[0], 2), 2 * 3 + 1);
    EXPECT_EQ(cellOf(layouts[1], 1), 1 * 3 + 2);
    EXPECT_EQ(cellOf(layouts[1], 2), 0 * 3 + 1);
    EXPECT_EQ(draw.pending(), 0u);
}

TEST(TemplateGeneration, ElementTextsInBoxOrderAndTheSeatText)
{
    struct Case {
        std::vector<int> boxes;   // 1-based boxes ticked
        QStringList texts;
    };
    const QString cr(QChar(13));
    const Case cases[] = {
        {{1, 3, 7}, {"[Bezeichnung]", "[Ort]", "[Kartennummer]"}},
        {{2, 4, 5, 6}, {"[Aufführung]", "[Datum und Uhrzeit]", "[Preis]", "[Preis ermäßigt]"}},
        {{8}, {"[Sitzplatz]"}},
        {{9}, {"[Sitzplatz 2]"}},
        {{6, 8, 9}, {"[Preis ermäßigt]", "[Sitzplatz]" + cr + "[Sitzplatz 2]"}},
    };
    for (const Case &c : cases) {
        TemplateRequest r;
        for (int b : c.boxes)
            r.ticked[size_t(b - 1)] = true;
        TemplateWizard w;
        ScriptedDraw draw;
        ASSERT_TRUE(w.generate(r, draw.draw()));
        QStringList texts;
        for (int n = 1; n <= w.TemplateElementCount(); ++n) {
            EXPECT_EQ(w.element(n)->Kind, TemplateElement::KindText);
            texts << w.element(n)->Text;
        }
        EXPECT_EQ(texts, c.texts);
    }
}

TEST(TemplateGeneration, PictureElementReadFromProgramFolderOrDroppedSilently)
{
    TestFolder folder;
    writeSolidBmp(folder.file(QStringLiteral("logo.bmp")), 6, 3, 0x00FF00);
    ScriptedPrompts prompts;   // any message would fail the test
    ScriptedDraw draw;
    TemplateWizard w;

    TemplateRequest r = textRequest(1);
    r.picture = TemplateRequest::Picture::Logo;
    r.picturePath = QStringLiteral("logo.bmp");
    ASSERT_TRUE(w.generate(r, draw.draw()));
    ASSERT_EQ(w.TemplateElementCount(), 2);
    EXPECT_EQ(w.element(2)->Kind, TemplateElement::KindPicture);
    EXPECT_EQ(w.element(2)->Text, ProgramFolder() + QStringLiteral("logo.bmp"));
    EXPECT_EQ(DibWidth(w.element(2)->Picture), 6);

    for (const QString &path : {QString(), QStringLiteral("fehlt.bmp"), folder.file(QStringLiteral("x/y.bmp"))}) {
        r.picturePath = path;
        ASSERT_TRUE(w.generate(r, draw.draw()));
        EXPECT_EQ(w.TemplateElementCount(), 1) << path.toStdString();
        EXPECT_EQ(w.TemplateCount, 9);
    }
    // "Nur Text" ignores the path.
    r.picture = TemplateRequest::Picture::None;
    r.picturePath = QStringLiteral("logo.bmp");
    ASSERT_TRUE(w.generate(r, draw.draw()));
    EXPECT_EQ(w.TemplateElementCount(), 1);
    EXPECT_TRUE(prompts.seen().empty());
}

TEST(TemplateGeneration, NothingChosenShowsTheMessageAndKeepsTheLayouts)
{
    TestFolder folder;
    ScriptedDraw draw;
    TemplateWizard w;
    ASSERT_TRUE(w.generate(textRequest(2), draw.draw()));
    const TemplateLayout first = w.Layouts[0];
    const QString caption = w.Label3Text;

    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    TemplateRequest onlyMissingPicture;
    onlyMissingPicture.picture = TemplateRequest::Picture::Graphic;
    onlyMissingPicture.picturePath = QStringLiteral("fehlt.jpg");
    EXPECT_FALSE(w.generate(onlyMissingPicture, draw.draw()));
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler: Keine Elemente ausgesucht!"));
    EXPECT_EQ(prompts.last().text,
              QStringLiteral("Bitte wählen Sie erst die Elemente aus, die auf der Karte plaziert werden sollen!"));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Error);
    EXPECT_EQ(prompts.last().buttons, int(MsgOk));
    EXPECT_EQ(w.TemplateCount, 72);
    EXPECT_EQ(w.Label3Text, caption);
    EXPECT_EQ(w.Layouts[0], first);
    // The earlier elements are gone: the layouts name nothing any more.
    EXPECT_EQ(w.TemplateElementCount(), 0);
    EXPECT_EQ(w.element(1), nullptr);
}

TEST(TemplateGeneration, BackgroundPresentOnlyWhenTickedAndReadable)
{
    TestFolder folder;
    writeSolidBmp(folder.file(QStringLiteral("sky.bmp")), 10, 5, 0xFF0000);
    ScriptedPrompts prompts;
    ScriptedDraw draw;
    TemplateWizard w;
    TemplateRequest r = textRequest(1);
    r.background = true;
    r.backgroundFile = QStringLiteral("sky.bmp");
    ASSERT_TRUE(w.generate(r, draw.draw()));
    EXPECT_TRUE(w.Background.present);
    EXPECT_EQ(w.Background.fileName, QStringLiteral("sky.bmp"));
    EXPECT_EQ(DibWidth(w.Background.picture), 10);

    r.backgroundFile = QStringLiteral("\"sky.bmp");
    ASSERT_TRUE(w.generate(r, draw.draw()));
    EXPECT_FALSE(w.Background.present);
    EXPECT_TRUE(w.Background.picture.isEmpty());

    r.backgroundFile = QStringLiteral("sky.bmp");
    r.background = false;
    ASSERT_TRUE(w.generate(r, draw.draw()));
    EXPECT_FALSE(w.Background.present);
    EXPECT_TRUE(prompts.seen().empty());
}
