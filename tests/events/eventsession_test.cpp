// The event state behind the page "Veranstaltungen": switching, creating,
// deleting, the default event and the logo file name.
#include "events/eventsession.h"
#include "core/programfolder.h"
#include "core/datafilewrite.h"
#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
EventRecord event(const QString &bez, const QString &ort, const QString &auff = {}, const QString &datum = {})
{
    EventRecord r;
    r.field(FieldBezeichnung) = bez;
    r.field(FieldAuffuehrung) = auff;
    r.field(FieldOrt) = ort;
    r.field(FieldDatumUhrzeit) = datum;
    r.field(5) = bez + QStringLiteral(" Preis");
    r.LogoFileName() = bez + QStringLiteral(".bmp");
    return r;
}

// A started session over a file with three events and the given default.
struct Started {
    TestFolder folder;
    EventSession s;
    explicit Started(int32_t defaultIndex = 1)
    {
        EventDatabase db;
        db.events = {event("Konzert", "Halle", "Abend", "1.5."), event("Theater", "Bühne"), event("Kino", "")};
        db.DefaultEventIndex = defaultIndex;
        EXPECT_TRUE(writeEventDatabaseFile(eventDatabasePath(), db));
        s.formCreate();
        s.ChangeAktName();   // first showing of the window
    }
};
}

TEST(EventSession, StartUpSelectsTheDefaultEventAndListsItems)
{
    Started t;
    EXPECT_EQ(t.s.CurrentEventIndex, 1);
    EXPECT_EQ(t.s.gridValue(FieldBezeichnung), QStringLiteral("Theater"));
    EXPECT_EQ(t.s.LogoFile, QStringLiteral("Theater.bmp"));
    EXPECT_TRUE(t.s.StdAdrChecked);
    EXPECT_EQ(t.s.AdrCombo1Items.at(0), QStringLiteral("Konzert 1.5. Abend Halle"));
    EXPECT_EQ(t.s.AdrListItems.at(0), QStringLiteral("Halle Abend"));
    // An empty place is listed with a leading space.
    EXPECT_EQ(t.s.AdrListItems.at(2), QStringLiteral(" "));
    EXPECT_EQ(t.s.AdrCombo2Items.at(2), QStringLiteral(" "));
    EXPECT_TRUE(t.s.substitutionActive());
}

TEST(EventSession, ChooserTextsCutOnlyTheFirstValue)
{
    EventRecord r = event(QString(300, 'b'), QString(300, 'o'), QStringLiteral("a"), QStringLiteral("d"));
    EXPECT_EQ(adrCombo1ItemText(r), QString(255, 'b') + " d a " + QString(300, 'o'));
    EXPECT_EQ(adrListItemText(r), QString(255, 'o') + " a");
}

TEST(EventSession, DefaultOutsideTheListLeavesNoEventCurrent)
{
    Started t(7);
    EXPECT_EQ(t.s.CurrentEventIndex, -1);
    EXPECT_EQ(t.s.AdrCombo1Index, -1);
    EXPECT_FALSE(t.s.substitutionActive());
}

TEST(EventSession, NoFileGivesEmptyDatabaseAnd73ByteFile)
{
    TestFolder folder;
    EventSession s;
    s.formCreate();
    s.ChangeAktName();
    EXPECT_EQ(s.CurrentEventIndex, -1);
    EXPECT_TRUE(s.AdrCombo1Items.isEmpty());
    ASSERT_TRUE(s.SaveAllNames());
    const QByteArray bytes = folder.read(QStringLiteral("AdrDB.dat"));
    EXPECT_EQ(bytes, QByteArray(73, '\0'));
}

TEST(EventSession, AFileNotReadCompletelyIsKeptBeforeItIsFirstReplaced)
{
    EventDatabase db;
    db.events = {event("Konzert", "Halle")};
    const QByteArray whole = encodeEventDatabase(db);
    struct Case {
        const char *what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"cut inside an event", whole.left(40)},
        {"default index missing", whole.left(whole.size() - 4)},
        {"bytes after the default index", whole + "xyz"},
        {"length beyond the file", QByteArray("\x01\0\0\0\xFF\xFF\0\0abc", 11)},
    };
    for (const Case &c : cases) {
        TestFolder folder;
        folder.write("AdrDB.dat.bak", "earlier backup");
        folder.write("AdrDB.dat", c.bytes);
        EventSession s;
        s.formCreate();
        ScriptedPrompts prompts;
        prompts.answer(MsgOk);
        ASSERT_TRUE(s.SaveAllNames()) << c.what;
        EXPECT_EQ(folder.read("AdrDB.dat.bak"), QByteArray("earlier backup")) << c.what;
        EXPECT_EQ(folder.read("AdrDB.dat.bak2"), c.bytes) << c.what;
        EXPECT_EQ(folder.read("AdrDB.dat"), encodeEventDatabase(s.db)) << c.what;
        ASSERT_EQ(prompts.seen().size(), 1u) << c.what;
        EXPECT_TRUE(prompts.last().text.contains(QDir::toNativeSeparators(folder.file("AdrDB.dat.bak2")))) << c.what;
        ASSERT_TRUE(s.SaveAllNames());   // told once
        EXPECT_EQ(prompts.seen().size(), 1u) << c.what;
    }

    // A file read completely is replaced as before, without a backup.
    TestFolder folder;
    folder.write("AdrDB.dat", whole);
    EventSession s;
    s.formCreate();
    ASSERT_TRUE(s.SaveAllNames());
    EXPECT_FALSE(folder.exists("AdrDB.dat.bak"));
    EXPECT_EQ(folder.read("AdrDB.dat"), whole);
}

TEST(EventSession, SwitchingAndSavingKeepGridEdits)
{
    Started t;
    t.s.Grid[2] = QStringLiteral("Neue Bühne");
    t.s.chooserPicked(EventSession::Chooser::AdrList, 0);
    EXPECT_EQ(t.s.AdrCombo1Index, 0);
    EXPECT_EQ(t.s.AdrCombo2Index, 0);
    EXPECT_EQ(t.s.db.events[1].field(FieldOrt), QStringLiteral("Neue Bühne"));
    EXPECT_EQ(t.s.gridValue(FieldOrt), QStringLiteral("Halle"));
    EXPECT_FALSE(t.s.StdAdrChecked);

    t.s.Grid[0] = QStringLiteral("Konzert II");
    ASSERT_TRUE(t.s.SaveAllNames());
    const EventDatabase saved = *readEventDatabaseFile(eventDatabasePath());
    EXPECT_EQ(saved.events[0].field(FieldBezeichnung), QStringLiteral("Konzert II"));
    EXPECT_EQ(saved.events[1].field(FieldOrt), QStringLiteral("Neue Bühne"));
}

TEST(EventSession, NewEventWithAndWithoutCopyingTheRest)
{
    Started t;
    t.s.Grid[5] = QStringLiteral("edited");
    t.s.addEvent(QStringLiteral("Neu"), QString(), true);
    ASSERT_EQ(t.s.EventCount(), 4);
    EXPECT_EQ(t.s.CurrentEventIndex, 3);
    EXPECT_EQ(t.s.AdrListIndex, 3);
    EventRecord expected = t.s.db.events[1];   // the left event got the edit back
    EXPECT_EQ(expected.field(6), QStringLiteral("edited"));
    expected.field(FieldBezeichnung) = QStringLiteral("Neu");
    expected.field(FieldOrt) = QString();
    EXPECT_EQ(t.s.db.events[3], expected);
    EXPECT_EQ(t.s.gridValue(FieldBezeichnung), QStringLiteral("Neu"));

    t.s.addEvent(QStringLiteral("Leer"), QStringLiteral("Saal"), false);
    EventRecord bare;
    bare.field(FieldBezeichnung) = QStringLiteral("Leer");
    bare.field(FieldOrt) = QStringLiteral("Saal");
    EXPECT_EQ(t.s.db.events[4], bare);
    EXPECT_EQ(t.s.LogoFile, QString());
}

TEST(EventSession, DeleteAsksTheExactQuestion)
{
    Started t;
    ScriptedPrompts prompts;
    prompts.answer(MsgNo);
    EXPECT_FALSE(t.s.DelAdrBtnClick());
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Adresse löschen"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Wollen Sie die Adresse \"Bühne \" wirklich löschen?"));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Question);
    EXPECT_EQ(prompts.last().buttons, MsgYes | MsgNo);
    EXPECT_EQ(t.s.EventCount(), 3);

    prompts.answer(MsgYes);
    t.s.Grid[0] = QStringLiteral("dropped");
    ASSERT_TRUE(t.s.DelAdrBtnClick());
    EXPECT_EQ(t.s.EventCount(), 2);
    EXPECT_EQ(t.s.db.DefaultEventIndex, 0);   // the default itself was deleted
    EXPECT_EQ(t.s.CurrentEventIndex, 0);
    EXPECT_EQ(t.s.gridValue(FieldBezeichnung), QStringLiteral("Konzert"));
    EXPECT_EQ(t.s.db.events[1].field(FieldBezeichnung), QStringLiteral("Kino"));
}

TEST(EventSession, DeletingBeforeTheDefaultDoesNotShiftIt)
{
    Started t(2);
    ScriptedPrompts prompts;
    prompts.answer(MsgYes);
    t.s.chooserPicked(EventSession::Chooser::AdrCombo1, 0);
    ASSERT_TRUE(t.s.DelAdrBtnClick());
    EXPECT_EQ(t.s.db.DefaultEventIndex, 2);
    ASSERT_TRUE(t.s.SaveAllNames());
    EventSession next;
    next.formCreate();
    next.ChangeAktName();
    EXPECT_EQ(next.CurrentEventIndex, -1);   // index 2 no longer exists
}

TEST(EventSession, DeletingTheLastEventKeepsTheGridOwnedByNone)
{
    TestFolder folder;
    EventDatabase db;
    db.events = {event("Solo", "Ort")};
    ASSERT_TRUE(writeEventDatabaseFile(eventDatabasePath(), db));
    EventSession s;
    s.formCreate();
    s.ChangeAktName();
    ScriptedPrompts prompts;
    prompts.answer(MsgYes);
    ASSERT_TRUE(s.DelAdrBtnClick());
    EXPECT_EQ(s.EventCount(), 0);
    EXPECT_EQ(s.CurrentEventIndex, -1);
    EXPECT_TRUE(s.AdrCombo1Items.isEmpty());
    EXPECT_EQ(s.AdrCombo1Index, -1);
    EXPECT_EQ(s.gridValue(FieldBezeichnung), QStringLiteral("Solo"));
    EXPECT_FALSE(s.DelAdrBtnClick());   // nothing current: no question
    ASSERT_TRUE(s.SaveAllNames());
    EXPECT_EQ(folder.read(QStringLiteral("AdrDB.dat")).size(), 73);
}

TEST(EventSession, StandardEventCheck)
{
    Started t;
    t.s.chooserPicked(EventSession::Chooser::AdrCombo2, 2);
    EXPECT_FALSE(t.s.StdAdrChecked);
    t.s.StdAdrCheckClick(true);
    EXPECT_EQ(t.s.db.DefaultEventIndex, 2);
    t.s.StdAdrCheckClick(false);
    EXPECT_EQ(t.s.db.DefaultEventIndex, 2);
}

TEST(EventSession, LogoFileNameIsTidied)
{
    TestFolder folder;
    EventSession s;
    const QString dir = ProgramFolder();
    struct Case {
        QString typed, stored;
    };
    const Case cases[] = {
        {"\"C:\\Bilder\\logo.bmp\"", "C:\\Bilder\\logo.bmp"},
        {"\"", ""},
        {"a\"b", "a\"b"},
        {dir + "logo.bmp", "logo.bmp"},
        {"\"" + dir + "logo.bmp\"", "logo.bmp"},
        {dir.toUpper() + "Logo.BMP", "Logo.BMP"},
        {dir + "sub/logo.bmp", dir + "sub/logo.bmp"},
    };
    for (const Case &c : cases) {
        s.LogoReloadPending = false;
        EXPECT_EQ(s.FilenameEdit1Change(c.typed), c.stored) << c.typed.toStdString();
        EXPECT_EQ(s.FilenameEdit1Change(c.stored), c.stored);   // a second run changes nothing
        EXPECT_TRUE(s.LogoReloadPending);
    }
}

TEST(EventSession, FailedSavesAreReportedAndKeepTheOldFile)
{
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        ScriptedPrompts prompts;
        prompts.answer(MsgOk);
        EventSession s;
        s.formCreate();
        s.ChangeAktName();
        FailingSave failing(failure, eventDatabasePath());
        EXPECT_FALSE(s.SaveAllNames()) << saveFailureName(failure);
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
        ASSERT_EQ(prompts.seen().size(), 1u) << saveFailureName(failure);
        EXPECT_EQ(prompts.last().caption, DataFileWriteFailedCaption);
        EXPECT_TRUE(prompts.last().text.contains(QDir::toNativeSeparators(eventDatabasePath()))) << prompts.last().text.toStdString();
    }
}
