#include "printing/tickettypefields.h"
#include "printing/tickettypelist.h"
#include "core/datafilewrite.h"
#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {
EttTyp named(const QString &name)
{
    EttTyp t = EttTyp::startupType();
    t.setTypeName(name);
    return t;
}
}

TEST(TicketTypeList, FileSizesAndRoundTrip)
{
    TestFolder folder;
    TicketTypeList list;
    ASSERT_TRUE(list.save());
    EXPECT_EQ(folder.read("karten.dat"), QByteArray("\xAF\xFC\0\0\0\0\0\0", 8));

    list.types = {named("A"), named("B"), named("C")};
    ASSERT_TRUE(list.save());
    const QByteArray bytes = folder.read("karten.dat");
    EXPECT_EQ(bytes.size(), 344);
    EXPECT_EQ(qFromLittleEndian<int32_t>(bytes.constData() + 4), 3);

    TicketTypeList back;
    back.load();
    ASSERT_EQ(back.types.size(), 3u);
    EXPECT_EQ(back.types[2].typeName(), QStringLiteral("C"));
    EXPECT_EQ(back.toBytes(), bytes);
}

TEST(TicketTypeList, ForeignOrDamagedFilesAreNotTrusted)
{
    TestFolder folder;
    TicketTypeList list;
    list.types = {named("keep")};

    folder.write("karten.dat", QByteArray("\x01\x02\x03\x04\x01\0\0\0", 8));
    list.load();   // another magic: the list stays
    ASSERT_EQ(list.types.size(), 1u);

    // A count far beyond the file reads only the complete records present.
    TicketTypeList two;
    two.types = {named("X"), named("Y")};
    QByteArray bytes = two.toBytes();
    qToLittleEndian<int32_t>(1000000000, bytes.data() + 4);
    bytes.chop(10);
    folder.write("karten.dat", bytes);
    list.load();
    ASSERT_EQ(list.types.size(), 1u);
    EXPECT_EQ(list.types[0].typeName(), QStringLiteral("X"));

    qToLittleEndian<int32_t>(-5, bytes.data() + 4);
    folder.write("karten.dat", bytes);
    list.load();
    EXPECT_TRUE(list.types.empty());
}

TEST(TicketTypeList, AFileNotReadCompletelyIsKeptBeforeItIsFirstReplaced)
{
    TicketTypeList two;
    two.types = {named("X"), named("Y")};
    const QByteArray whole = two.toBytes();
    QByteArray negativeCount = whole;
    qToLittleEndian<int32_t>(-1, negativeCount.data() + 4);
    struct Case {
        const char *what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"foreign magic", QByteArray("\x01\x02\x03\x04\x01\0\0\0", 8)},
        {"cut short", whole.left(whole.size() - 10)},
        {"bytes after the records", whole + "x"},
        {"negative count", negativeCount},
        {"no count", whole.left(6)},
    };
    for (const Case &c : cases) {
        TestFolder folder;
        folder.write("karten.dat.bak", "earlier backup");
        folder.write("karten.dat", c.bytes);
        TicketTypeList list;
        list.load();
        ScriptedPrompts prompts;
        prompts.answer(MsgOk);
        ASSERT_TRUE(list.save()) << c.what;
        EXPECT_EQ(folder.read("karten.dat.bak"), QByteArray("earlier backup")) << c.what;
        EXPECT_EQ(folder.read("karten.dat.bak2"), c.bytes) << c.what;
        EXPECT_EQ(folder.read("karten.dat"), list.toBytes()) << c.what;
        ASSERT_EQ(prompts.seen().size(), 1u) << c.what;
        EXPECT_EQ(prompts.last().icon, MsgIcon::Information);
        EXPECT_TRUE(prompts.last().text.contains(QDir::toNativeSeparators(folder.file("karten.dat.bak2")))) << c.what;

        // Told once: the next close writes without a further backup or message.
        list.load();
        ASSERT_TRUE(list.save());
        EXPECT_EQ(prompts.seen().size(), 1u) << c.what;
        EXPECT_FALSE(folder.exists("karten.dat.bak3")) << c.what;
    }

    // A file read completely is replaced as before, without a backup.
    TestFolder folder;
    folder.write("karten.dat", whole);
    TicketTypeList list;
    list.load();
    list.types.push_back(named("Z"));
    ASSERT_TRUE(list.save());
    EXPECT_FALSE(folder.exists("karten.dat.bak"));
    EXPECT_EQ(folder.read("karten.dat"), list.toBytes());
}

TEST(TicketTypeList, RemovingKeepsTheOrder)
{
    TicketTypeList list;
    list.types = {named("A"), named("B"), named("C"), named("D")};
    list.remove(1);
    ASSERT_EQ(list.types.size(), 3u);
    EXPECT_EQ(list.types[0].typeName(), QStringLiteral("A"));
    EXPECT_EQ(list.types[1].typeName(), QStringLiteral("C"));
    EXPECT_EQ(list.types[2].typeName(), QStringLiteral("D"));
}

TEST(TicketTypeFields, GapsAreShownAndPitchesStored)
{
    TicketTypeFields f;
    f.width = 90;
    f.gapX = 5;
    f.height = 50;
    f.gapY = 2.5;
    f.columns = 3;
    f.rows = 7;
    f.name = QString(70, QLatin1Char('n'));
    EttTyp t;
    f.applyTo(t);
    EXPECT_EQ(t.PitchX, 95);
    EXPECT_EQ(t.PitchY, 52.5);
    EXPECT_EQ(t.Columns, 3);
    EXPECT_EQ(t.typeName().size(), 50);
    const TicketTypeFields back = TicketTypeFields::fromType(t);
    EXPECT_EQ(back.gapX, 5);
    EXPECT_EQ(back.gapY, 2.5);
}

TEST(TicketTypeList, FailedSavesAreReportedAndKeepTheOldFile)
{
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        ScriptedPrompts prompts;
        prompts.answer(MsgOk);
        TicketTypeList list;
        list.types = {named("A")};
        FailingSave failing(failure, folder.file("karten.dat"));
        EXPECT_FALSE(list.save()) << saveFailureName(failure);
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
        ASSERT_EQ(prompts.seen().size(), 1u) << saveFailureName(failure);
        EXPECT_EQ(prompts.last().caption, DataFileWriteFailedCaption);
        EXPECT_TRUE(prompts.last().text.contains(QDir::toNativeSeparators(folder.file("karten.dat")))) << prompts.last().text.toStdString();
    }
}
