#include "core/designcommands.h"
#include "core/designfile.h"
#include "core/document.h"
#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

using namespace DesignCommands;

namespace {
void addText(Document &doc, int slot, const QByteArray &text)
{
    doc.pool[slot].Kind = KindText;
    doc.pool[slot].Text = text;
}
}

TEST(DesignCommands, SaveAsWritesTheFileAndNamesTheDocument)
{
    TestFolder folder;
    ScriptedPrompts prompts;
    Document doc;
    addText(doc, 3, "A");
    prompts.chooseFile(folder.file("card.etr"));
    ASSERT_TRUE(SaveItemClick(doc));
    EXPECT_EQ(prompts.last().kind, Prompt::Kind::SaveFile);
    EXPECT_EQ(prompts.last().filter, QStringLiteral("Eintrittskarten|*.etr"));
    EXPECT_EQ(prompts.last().directory, folder.path() + "/");
    EXPECT_EQ(folder.read("card.etr"), writeDesign(doc));
    EXPECT_EQ(doc.windowCaption(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - card.etr"));

    // Save again goes to the known file without asking.
    addText(doc, 4, "B");
    ASSERT_TRUE(SaveItemClick(doc));
    EXPECT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(folder.read("card.etr"), writeDesign(doc));
}

TEST(DesignCommands, SaveAsOntoAnExistingFileAsksAndNoWritesNothing)
{
    TestFolder folder;
    ScriptedPrompts prompts;
    folder.write("old.etr", "old content");
    Document doc;
    prompts.chooseFile(folder.file("old.etr")).answer(MsgNo);
    EXPECT_FALSE(Speichernunter1Click(doc));
    const Prompt &q = prompts.last();
    EXPECT_EQ(q.caption, QStringLiteral("Vorhandene Datei Überschreiben?"));
    EXPECT_EQ(q.text, QStringLiteral("Die Datei existiert schon, soll Sie überschrieben werden?"));
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_EQ(q.buttons, MsgYes | MsgNo);
    EXPECT_EQ(folder.read("old.etr"), QByteArray("old content"));
    EXPECT_TRUE(doc.CurrentFileName.isEmpty());

    prompts.chooseFile(folder.file("old.etr")).answer(MsgYes);
    EXPECT_TRUE(Speichernunter1Click(doc));
    EXPECT_EQ(folder.read("old.etr"), writeDesign(doc));
}

TEST(DesignCommands, AFailedSaveReportsAndKeepsTheOldName)
{
    TestFolder folder;
    ScriptedPrompts prompts;
    Document doc;
    doc.CurrentFileName = folder.file("kept.etr");
    prompts.answer(MsgOk);
    EXPECT_FALSE(Saveit(doc, folder.file("missing-folder/x.etr")));
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler: Datei konnte nicht erstellt werden"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Beim Erstellen der Datei ist ein Fehler aufgetreten!"));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Information);
    EXPECT_EQ(doc.CurrentFileName, folder.file("kept.etr"));
}

TEST(DesignCommands, OpenAsksOnlyWhenTheCardHasElements)
{
    TestFolder folder;
    ScriptedPrompts prompts;
    Document saved;
    saved.ticketType.CardWidth = 100;
    addText(saved, 2, "from file");
    folder.write("a.etr", writeDesign(saved));

    Document doc;
    EXPECT_EQ(OpenItNow(doc, folder.file("a.etr")), OpenOutcome::Opened);
    EXPECT_TRUE(prompts.seen().empty());
    EXPECT_EQ(doc.pool[2].Text, QByteArray("from file"));
    EXPECT_EQ(doc.ticketType.CardWidth, 100);
    EXPECT_EQ(doc.CurrentFileName, folder.file("a.etr"));

    // With elements: Cancel leaves everything as it was.
    doc.pool[2].Text = "edited";
    prompts.answer(MsgCancel);
    EXPECT_EQ(OpenItNow(doc, folder.file("a.etr")), OpenOutcome::Cancelled);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Eintrittskarte öffnen"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Wollen Sie vorher speichern?"));
    EXPECT_EQ(prompts.last().buttons, MsgYes | MsgNo | MsgCancel);
    EXPECT_EQ(doc.pool[2].Text, QByteArray("edited"));

    // Yes saves first (to the known file), then opens.
    prompts.answer(MsgYes);
    EXPECT_EQ(OpenItNow(doc, folder.file("a.etr")), OpenOutcome::Opened);
    EXPECT_EQ(doc.pool[2].Text, QByteArray("edited"));
}

TEST(DesignCommands, OpenFailuresKeepTheDocument)
{
    TestFolder folder;
    ScriptedPrompts prompts;
    Document doc;
    folder.write("bad.etr", QByteArray(200, 'x'));

    prompts.answer(MsgOk);
    EXPECT_EQ(OpenItNow(doc, folder.file("none.etr")), OpenOutcome::Failed);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler: Datei konnte nicht geöffnet werden"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten!"));

    prompts.answer(MsgOk);
    EXPECT_EQ(OpenItNow(doc, folder.file("bad.etr")), OpenOutcome::Failed);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Dateikennung falsch"));
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0")));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Information);

    // A damaged file keeps what was sound, stays untitled, and says so.
    Document src;
    addText(src, 1, "ok");
    addText(src, 2, "cut");
    const QByteArray bytes = writeDesign(src);
    folder.write("cut.etr", bytes.left(bytes.size() - 12));
    prompts.answer(MsgOk);
    EXPECT_EQ(OpenItNow(doc, folder.file("cut.etr")), OpenOutcome::Opened);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler: Datei beschädigt"));
    EXPECT_EQ(doc.pool[1].Text, QByteArray("ok"));
    EXPECT_EQ(doc.pool[2].Kind, KindFree);
    EXPECT_TRUE(doc.CurrentFileName.isEmpty());

    // Cut inside the header, at every length: nothing is loaded, and the message says so.
    doc.CurrentFileName = QStringLiteral("vorher.etr");
    for (qsizetype length = 36; length < 177; ++length) {
        folder.write("header.etr", bytes.left(length));
        prompts.answer(MsgNo).answer(MsgOk);   // not saved first; the message
        EXPECT_EQ(OpenItNow(doc, folder.file("header.etr")), OpenOutcome::Failed) << length;
        EXPECT_EQ(prompts.last().text, QStringLiteral("Die Datei konnte nicht gelesen werden, sie ist "
                                                      "unvollständig. Es wurde nichts geladen; die "
                                                      "Eintrittskarte bleibt unverändert.")) << length;
        EXPECT_EQ(doc.pool[1].Text, QByteArray("ok")) << length;
        EXPECT_EQ(doc.CurrentFileName, QStringLiteral("vorher.etr")) << length;
    }
}

TEST(DesignCommands, AForeignFileIsRefusedOnItsIdentificationAlone)
{
    // A pipe delivers a foreign identification and then holds back its end: the
    // open command must decide on the first 36 bytes instead of waiting for the rest.
    TestFolder folder;
    const QByteArray pipe = QFile::encodeName(folder.file("fremd.etr"));
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
    std::promise<void> release;
    std::atomic<bool> endDelivered = false;
    auto writer = std::async(std::launch::async, [&] {
        const int fd = ::open(pipe.constData(), O_WRONLY);
        if (fd < 0)
            return;
        const QByteArray foreign(64, 'x');
        [[maybe_unused]] const auto written = ::write(fd, foreign.constData(), size_t(foreign.size()));
        release.get_future().wait_for(std::chrono::seconds(3));
        endDelivered = true;
        ::close(fd);
    });
    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    Document doc;
    EXPECT_EQ(OpenItNow(doc, folder.file("fremd.etr")), OpenOutcome::Failed);
    EXPECT_FALSE(endDelivered);
    release.set_value();
    writer.get();
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Dateikennung falsch"));
}

TEST(DesignCommands, FailedSavesReportKeepTheOldFileAndTheName)
{
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        ScriptedPrompts prompts;
        Document doc;
        addText(doc, 1, "A");
        doc.CurrentFileName = folder.file("kept.etr");
        FailingSave failing(failure, folder.file("card.etr"));
        prompts.answer(MsgOk);
        EXPECT_FALSE(Saveit(doc, folder.file("card.etr"))) << saveFailureName(failure);
        ASSERT_EQ(prompts.seen().size(), 1u) << saveFailureName(failure);
        const Prompt &shown = prompts.last();
        EXPECT_EQ(shown.icon, MsgIcon::Information);
        if (failure == SaveFailure::DiskFull) {
            EXPECT_EQ(shown.caption, QStringLiteral("Fehler: Datei konnte nicht geschrieben werden"));
            EXPECT_EQ(shown.text, QStringLiteral("Beim Schreiben der Datei ist ein Fehler aufgetreten (No space "
                                                 "left on device). Die Eintrittskarte wurde nicht gespeichert."));
        } else {
            EXPECT_EQ(shown.caption, QStringLiteral("Fehler: Datei konnte nicht erstellt werden"))
                << saveFailureName(failure);
            EXPECT_EQ(shown.text, QStringLiteral("Beim Erstellen der Datei ist ein Fehler aufgetreten!"));
        }
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
        EXPECT_EQ(doc.CurrentFileName, folder.file("kept.etr"));
    }
}
