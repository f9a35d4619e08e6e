#include "core/cp1252.h"
#include "core/document.h"
#include "editor/pictures.h"
#include "editor/textlines.h"
#include "render/raster.h"
#include "tests/support/testpictures.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

TEST(TextLines, SplitAtCarriageReturnsAndJoinWithout)
{
    struct Case {
        const char *text;
        QStringList lines;
        const char *joined;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"a\rb", {"a", "b"}, "a\rb"},
        {"a\r", {"a"}, "a"},                      // the final CR is dropped
        {"a\r\rb", {"a", "", "b"}, "a\r\rb"},
        {"\r", {""}, ""},
        {"Wort\r[Ort]", {"Wort", "[Ort]"}, "Wort\r[Ort]"},
        {"x\ny", {"x\ny"}, "x\ny"},               // a line feed stays in its line
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const QStringList lines = textToLines(QString::fromLatin1(c.text));
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(linesToText(lines), QString::fromLatin1(c.joined));
    }
}

TEST(TextLines, PlaceholderGoesInAtTheCursorAndBeforeASelection)
{
    TextWithCursor r = insertAtCursor(QStringLiteral("Wortteil"), 4, placeholderToken(QStringLiteral("Datum und Uhrzeit")));
    EXPECT_EQ(r.text, QStringLiteral("Wort[Datum und Uhrzeit]teil"));
    EXPECT_EQ(r.cursor, 23);
    r = insertAtCursor(QStringLiteral("ab"), 99, labelToken(QStringLiteral("Ort")));
    EXPECT_EQ(r.text, QStringLiteral("ab<Ort>"));
    EXPECT_EQ(r.cursor, 7);
    const QStringList names = placeholderFieldNames();
    ASSERT_EQ(names.size(), 13);
    EXPECT_EQ(names.first(), QStringLiteral("Bezeichnung"));
    EXPECT_EQ(names.last(), QStringLiteral("Kartennummer"));
}

TEST(Pictures, BackgroundClosingRules)
{
    TestFolder folder;
    ASSERT_TRUE(writePatternBmp(folder.file("hg.bmp"), 8, 6));
    Document doc;

    Background::open(doc, QStringLiteral("hg.bmp"));
    EXPECT_EQ(doc.BackgroundFile, QByteArray("hg.bmp"));
    EXPECT_EQ(DibWidth(doc.BackgroundImage), 8);
    Background::close(doc, 3);
    EXPECT_EQ(doc.BackgroundMode, 3) << "tiles";

    Background::clear(doc);
    Background::close(doc, 2);
    EXPECT_EQ(doc.BackgroundMode, -1) << "after Keins";
    EXPECT_TRUE(doc.BackgroundFile.isEmpty());

    Background::open(doc, QStringLiteral("hg.bmp"));
    Background::open(doc, std::nullopt);
    Background::close(doc, 0);
    EXPECT_EQ(doc.BackgroundMode, -1) << "a cancelled open leaves no picture";

    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    Background::open(doc, QStringLiteral("kaputt.bmp"));
    EXPECT_TRUE(doc.BackgroundImage.isEmpty());
    EXPECT_TRUE(doc.BackgroundFile.isEmpty());
    EXPECT_EQ(prompts.last().text, QStringLiteral("Konnte Bild (kaputt.bmp) nicht Laden."));
    Background::close(doc, 1);
    EXPECT_EQ(doc.BackgroundMode, -1) << "failed load";
}
