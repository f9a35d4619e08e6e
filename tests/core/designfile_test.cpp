#include "core/designfile.h"
#include "core/document.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <cstring>

namespace {
int32_t i32At(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<int32_t>(b.constData() + at);
}

double f64At(const QByteArray &b, qsizetype at)
{
    const uint64_t bits = qFromLittleEndian<uint64_t>(b.constData() + at);
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}

void makeText(Tobs &t, const QByteArray &text)
{
    t.Kind = KindText;
    t.Left = 1000;
    t.Top = -20;
    t.Width = 30000;
    t.Height = 4000;
    t.Color = 0x0000FF;
    t.Text = text;
    t.FontName = "Arial";
    t.FontSize = 12;
    t.FontStyle = 3;
    t.Shadow = 1;
}
}

TEST(DesignFile, EmptyDocumentIsTheHeaderAndTheEndMarker)
{
    Document doc;
    const QByteArray b = writeDesign(doc);
    ASSERT_EQ(b.size(), 181);
    EXPECT_EQ(b.left(36), QByteArray("VELMORA Quorvantis-Pelladromika 1.0\0", 36));
    EXPECT_EQ(f64At(b, 36 + 32), 90.0);           // CardWidth
    EXPECT_EQ(i32At(b, 36 + 48), 2);              // Columns
    EXPECT_EQ(uint8_t(b[36 + 56]), 23);            // name length of "Kein Eintrittskartentyp"
    EXPECT_EQ(i32At(b, 148), 212598);             // PasteboardWidth
    EXPECT_EQ(i32At(b, 152), 129921);
    EXPECT_EQ(i32At(b, 156), -1);                 // BackgroundMode
    EXPECT_EQ(b[160], '\0');                      // empty BackgroundFile
    EXPECT_EQ(f64At(b, 161), 1.0);                // ZoomFactor
    EXPECT_EQ(f64At(b, 169), 208.0);              // DocUnitsPerPixel
    EXPECT_EQ(i32At(b, 177), 10001);

    Document back;
    back.ticketType.CardWidth = 1;
    ASSERT_TRUE(readDesign(b, back, QString()).ok());
    EXPECT_EQ(back.ticketType, doc.ticketType);
    EXPECT_FALSE(back.pool.hasElements());
}

TEST(DesignFile, RecordsKeepTheirSlotsAndEveryFieldInOrder)
{
    Document doc;
    doc.BackgroundFile = "bg.bmp";
    makeText(doc.pool[3], "Gr\xFC\xDF" "e\r\n[Ort]");
    doc.pool[7].Kind = KindFigure;
    doc.pool[7].Shape = 4;
    doc.pool[7].LineWidth = 3;
    doc.pool[7].FillMode = 2;

    const QByteArray b = writeDesign(doc);
    const qsizetype first = 161 + 6 + 16;   // after "bg.bmp\0", zoom and DocUnitsPerPixel
    EXPECT_EQ(i32At(b, first), 3);
    EXPECT_EQ(i32At(b, first + 4), 1000);
    EXPECT_EQ(i32At(b, first + 8), -20);
    EXPECT_EQ(i32At(b, first + 21), KindText);
    EXPECT_EQ(i32At(b, first + 25), 0x0000FF);
    EXPECT_EQ(uint8_t(b[first + 45]), 1);                         // Shadow
    EXPECT_EQ(i32At(b, first + 47), 5);                           // EffectDX default
    const QByteArray text("Gr\xFC\xDF" "e\r\n[Ort]");
    EXPECT_EQ(b.mid(first + 65, text.size() + 1), text + QByteArray(1, '\0'));
    const qsizetype t = text.size();
    EXPECT_EQ(b.mid(first + 74 + t, 6), QByteArray("Arial\0", 6));
    EXPECT_EQ(i32At(b, first + 76 + t + 5), 12);                  // FontSize
    EXPECT_EQ(uint8_t(b[first + 80 + t + 5]), 3);                 // FontStyle
    const qsizetype second = first + 81 + t + 5;
    EXPECT_EQ(i32At(b, second), 7);
    EXPECT_EQ(i32At(b, second + 29), 4);                          // Shape
    EXPECT_EQ(i32At(b, second + 81 + 0 + 0), 10001);              // empty Text and FontName
    EXPECT_EQ(b.size(), second + 85);

    Document back;
    ASSERT_TRUE(readDesign(b, back, QString()).ok());
    EXPECT_EQ(back.pool[3].Text, text);
    EXPECT_EQ(back.pool[3].Kind, KindText);
    EXPECT_EQ(back.pool[7].Shape, 4);
    for (int slot : {1, 2, 4, 5, 6, 8})
        EXPECT_EQ(back.pool[slot].Kind, KindFree) << slot;
    EXPECT_EQ(writeDesign(back), b);
}

TEST(DesignFile, ForeignBytesOfTheTicketTypeSurviveARoundTrip)
{
    Document doc;
    doc.ticketType.setTypeName(QString(60, QLatin1Char('x')));
    EXPECT_EQ(doc.ticketType.typeName().size(), 50);
    QByteArray b = writeDesign(doc);
    // Undefined bytes after the name and the padding, as another writer may leave them.
    b[36 + 56 + 1 + 49] = 'Z';
    b[36 + 56] = char(10);
    b[36 + 67] = '\xAA';
    for (int i = 107; i < 112; ++i)
        b[36 + i] = char(0x90 + i);
    Document back;
    ASSERT_TRUE(readDesign(b, back, QString()).ok());
    EXPECT_EQ(back.ticketType.typeName(), QString(10, QLatin1Char('x')));
    EXPECT_EQ(writeDesign(back), b);
}

TEST(DesignFile, WrongMagicInAnyByteLeavesTheDocumentUnchanged)
{
    Document doc;
    makeText(doc.pool[1], "keep");
    const QByteArray good = writeDesign(Document());
    for (int i : {0, 20, 34, 35}) {
        QByteArray bad = good;
        bad[i] = char(bad[i] ^ 1);
        EXPECT_EQ(readDesign(bad, doc, QString()).status, DesignReadResult::Status::BadMagic) << i;
        EXPECT_EQ(doc.pool[1].Text, QByteArray("keep"));
    }
    EXPECT_EQ(readDesign(good.left(10), doc, QString()).status, DesignReadResult::Status::BadMagic);
}

TEST(DesignFile, DamagedFilesEndReadingSafely)
{
    Document src;
    makeText(src.pool[2], "first");
    makeText(src.pool[5], "second");
    const QByteArray good = writeDesign(src);
    const qsizetype secondRecord = good.indexOf("second") - 65;
    ASSERT_EQ(i32At(good, secondRecord), 5);

    struct Case {
        const char *what;
        QByteArray bytes;
        DesignReadResult::Status status;
        bool firstKept;
        bool secondKept = false;
    };
    QByteArray badSlot = good;
    qToLittleEndian<int32_t>(0, badSlot.data() + secondRecord);
    QByteArray negativeSlot = good;
    qToLittleEndian<int32_t>(-7, negativeSlot.data() + secondRecord);
    const Case cases[] = {
        {"ends inside the header", good.left(150), DesignReadResult::Status::DamagedHeader, false},
        {"ends before the end marker", good.left(good.size() - 2), DesignReadResult::Status::DamagedRecords, true, true},
        {"ends inside a record", good.left(secondRecord + 30), DesignReadResult::Status::DamagedRecords, true},
        {"string without terminator", good.left(secondRecord + 68), DesignReadResult::Status::DamagedRecords, true},
        {"slot number 0", badSlot, DesignReadResult::Status::DamagedRecords, true},
        {"negative slot number", negativeSlot, DesignReadResult::Status::DamagedRecords, true},
    };
    for (const Case &c : cases) {
        Document doc;
        makeText(doc.pool[9], "before");
        EXPECT_EQ(readDesign(c.bytes, doc, QString()).status, c.status) << c.what;
        EXPECT_EQ(doc.pool[2].Kind == KindText, c.firstKept) << c.what;
        EXPECT_EQ(doc.pool[5].Kind == KindText, c.secondKept) << c.what;   // a damaged record is not kept
        // A damaged header leaves the old document; otherwise it was replaced.
        EXPECT_EQ(doc.pool[9].Kind == KindText, !c.firstKept) << c.what;
    }
}

TEST(DesignFile, AbsurdScaleFromAFileDoesNotBreakTheSurfaceSize)
{
    Document doc;
    doc.scale.DocUnitsPerPixel = 0;
    EXPECT_EQ(doc.surfaceWidth(), INT32_MAX);
    doc.scale.ZoomFactor = std::nan("");
    EXPECT_EQ(doc.surfaceWidth(), 0);
}
