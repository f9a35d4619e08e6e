// AdrDB.dat: layout, byte-identical round trip and damaged files.
#include "events/eventdatabase.h"
#include "core/bytes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

namespace {
void putString(ByteWriter &w, QByteArrayView s)
{
    w.i32(int32_t(s.size()));
    w.zstring(s);
}

// Two events with Windows-1252 text, labels including a hidden thirteenth, default 1.
QByteArray sampleFile()
{
    ByteWriter w;
    w.i32(2);
    for (int e = 0; e < 2; ++e) {
        for (int k = 0; k < 13; ++k)
            putString(w, QByteArray("E") + QByteArray::number(e) + "F" + QByteArray::number(k) + (k == 1 ? "\xE4\x80\x81" : ""));
    }
    for (int k = 0; k < 12; ++k)
        putString(w, k == 4 ? QByteArrayView("Preis:") : QByteArrayView(""));
    putString(w, "verborgen");
    w.i32(1);
    return w.take();
}
}

TEST(EventDatabaseFile, EmptyDatabaseIs73BytesOfZeros)
{
    const QByteArray bytes = encodeEventDatabase(EventDatabase{});
    ASSERT_EQ(bytes.size(), 73);
    ByteWriter expected;
    expected.i32(0);
    for (int k = 0; k < 13; ++k)
        putString(expected, "");
    expected.i32(0);
    EXPECT_EQ(bytes, expected.take());
}

TEST(EventDatabaseFile, RoundTripIsByteIdenticalAndDecodesCp1252)
{
    const QByteArray original = sampleFile();
    const EventDatabase db = decodeEventDatabase(original);
    ASSERT_EQ(db.EventCount(), 2);
    EXPECT_EQ(db.events[1].field(2), QStringLiteral("E1F1ä€\u0081"));
    EXPECT_EQ(db.events[0].LogoFileName(), QStringLiteral("E0F12"));
    EXPECT_EQ(db.FieldLabels[4], QStringLiteral("Preis:"));
    EXPECT_EQ(db.FieldLabels[12], QStringLiteral("verborgen"));
    EXPECT_EQ(db.DefaultEventIndex, 1);
    EXPECT_EQ(encodeEventDatabase(db), original);
}

TEST(EventDatabaseFile, WritingCutsStringsAtTheirFirstZero)
{
    EventDatabase db;
    db.FieldLabels[0] = QStringLiteral("ab") + QChar(0) + QStringLiteral("cd");
    const QByteArray bytes = encodeEventDatabase(db);
    EXPECT_EQ(bytes.mid(4, 7), QByteArray("\x02\x00\x00\x00" "ab\x00", 7));
    EXPECT_EQ(bytes.size(), 73 + 2);
}

TEST(EventDatabaseFile, DamagedFilesKeepWhatWasReadBefore)
{
    const QByteArray good = sampleFile();
    auto withInt = [&](qsizetype at, int32_t v) {
        QByteArray b = good;
        const int32_t le = qToLittleEndian(v);
        std::memcpy(b.data() + at, &le, 4);
        return b;
    };
    // Offset of event 1's third string: count + 13 strings of event 0 + two of event 1.
    qsizetype eventBytes = 0;
    for (int k = 0; k < 13; ++k)
        eventBytes += 4 + QByteArray("E0F").size() + QByteArray::number(k).size() + (k == 1 ? 3 : 0) + 1;
    const qsizetype event1 = 4 + eventBytes;
    const qsizetype event1Third = event1 + (4 + 5 + 1) + (4 + 5 + 3 + 1);

    struct Case {
        const char *name;
        QByteArray bytes;
        int events;
        int stringsOfLastEvent;   // strings of the last event that were read
        bool labelsRead;
        int32_t defaultIndex;
    };
    const Case cases[] = {
        {"negative length", withInt(event1Third, -5), 2, 2, false, 0},
        {"huge length", withInt(event1Third, 0x7FFFFFFF), 2, 2, false, 0},
        {"length one past the end", withInt(event1Third, int32_t(good.size() - event1Third - 4)), 2, 2, false, 0},
        {"cut inside a string", good.left(event1Third + 6), 2, 2, false, 0},
        {"cut before event 2", good.left(event1), 1, 13, false, 0},
        {"huge count", withInt(0, 0x7FFFFFFF), 2, 13, false, 0},   // labels are read as a third event
        {"default index missing", good.left(good.size() - 2), 2, 13, true, 0},
        {"shorter than a count", good.left(3), 0, 0, false, 0},
        {"empty file", QByteArray(), 0, 0, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const EventDatabase db = decodeEventDatabase(c.bytes);
        if (std::string(c.name) == "huge count") {
            // The 13 labels fit exactly the strings of one more event; then the
            // default index cannot be a complete string and reading ends.
            EXPECT_EQ(db.EventCount(), 3);
            EXPECT_EQ(db.events[2].field(5), QStringLiteral("Preis:"));
            EXPECT_EQ(db.FieldLabels[12], QString());
            continue;
        }
        ASSERT_EQ(db.EventCount(), c.events);
        if (c.events > 0) {
            const EventRecord &last = db.events.back();
            for (int k = 0; k < 13; ++k)
                EXPECT_EQ(last.strings[size_t(k)].isEmpty(), k >= c.stringsOfLastEvent) << k;
            EXPECT_EQ(db.events[0], decodeEventDatabase(good).events[0]);
        }
        EXPECT_EQ(db.FieldLabels[12], c.labelsRead ? QStringLiteral("verborgen") : QString());
        EXPECT_EQ(db.DefaultEventIndex, c.defaultIndex);
    }
}

TEST(EventDatabaseFile, NegativeCountReadsLabelsAfterIt)
{
    ByteWriter w;
    w.i32(-3);
    for (int k = 0; k < 13; ++k)
        putString(w, k == 0 ? "Titel:" : "");
    w.i32(4);
    const EventDatabase db = decodeEventDatabase(w.take());
    EXPECT_EQ(db.EventCount(), 0);
    EXPECT_EQ(db.FieldLabels[0], QStringLiteral("Titel:"));
    EXPECT_EQ(db.DefaultEventIndex, 4);
}

TEST(EventDatabaseFile, FileWriteAndReadBack)
{
    TestFolder folder;
    EXPECT_FALSE(readEventDatabaseFile(eventDatabasePath()).has_value());
    const EventDatabase db = decodeEventDatabase(sampleFile());
    ASSERT_TRUE(writeEventDatabaseFile(eventDatabasePath(), db));
    EXPECT_EQ(folder.read(QStringLiteral("AdrDB.dat")), sampleFile());
    EXPECT_EQ(readEventDatabaseFile(eventDatabasePath()), db);
    // A write that cannot happen reports failure instead of success.
    EXPECT_FALSE(writeEventDatabaseFile(folder.file(QStringLiteral("missing/AdrDB.dat")), db));
}
