// A data file that cannot be written is reported, and the old file stays.
#include "core/datafilewrite.h"
#include "events/eventdatabase.h"
#include "imaging/atomicfile.h"
#include "tests/support/testsupport.h"
#include "ui/EventsPage.h"
#include "ui/Sdimain.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {
// Answers every question with No and every message with OK, noting whether the
// main window was still on screen.
class WatchedPrompts {
public:
    explicit WatchedPrompts(const QWidget *window) : window_(window)
    {
        previous_ = setPromptHandler([this](const Prompt &p) {
            seen.push_back(p);
            windowShown.push_back(window_ && window_->isVisible());
            PromptAnswer a;
            a.button = (p.buttons & MsgNo) ? MsgNo : MsgOk;
            return a;
        });
    }
    ~WatchedPrompts() { setPromptHandler(previous_); }
    std::vector<Prompt> seen;
    std::vector<bool> windowShown;

private:
    const QWidget *window_;
    PromptHandler previous_;
};

EventDatabase oneEvent(const QString &title)
{
    EventDatabase db;
    db.events.resize(1);
    db.events[0].strings[0] = title;
    return db;
}
}

TEST(DataFileFailure, EventDatabaseIsWrittenWhenTheWindowClosesAndAFailureIsReportedBeforeItGoes)
{
    TestFolder folder;
    ASSERT_TRUE(writeEventDatabaseFile(eventDatabasePath(), oneEvent(QStringLiteral("Alt"))));
    const QByteArray before = folder.read("AdrDB.dat");

    for (const bool failing : {false, true}) {
        SCOPED_TRACE(failing ? "failing" : "written");
        TSDIAppForm::ExitConfirmed = false;
        auto w = std::make_unique<TSDIAppForm>();
        w->show();
        w->eventsPage()->session().db.FieldLabels[0] = QStringLiteral("Titel:");
        WatchedPrompts prompts(w.get());
        std::optional<ScopedWriteFault> fault;
        if (failing)
            fault.emplace(WriteFault::DiskFull);
        w->close();
        const QByteArray atClose = folder.read("AdrDB.dat");
        w.reset();   // destroying the window neither writes again nor asks again
        fault.reset();

        if (!failing) {
            ASSERT_EQ(prompts.seen.size(), 1u);   // only the save question
            EXPECT_EQ(decodeEventDatabase(atClose).FieldLabels[0], QStringLiteral("Titel:"));
            EXPECT_EQ(folder.read("AdrDB.dat"), atClose);
            ASSERT_TRUE(writeEventDatabaseFile(eventDatabasePath(), oneEvent(QStringLiteral("Alt"))));
            continue;
        }
        ASSERT_EQ(prompts.seen.size(), 2u);   // the save question, then the failure
        const Prompt &failure = prompts.seen[1];
        EXPECT_EQ(failure.caption, DataFileWriteFailedCaption);
        EXPECT_EQ(failure.icon, MsgIcon::Information);
        EXPECT_EQ(failure.buttons, MsgOk);
        EXPECT_EQ(failure.text, dataFileWriteFailedText(eventDatabasePath(), QStringLiteral("No space left on device")));
        EXPECT_TRUE(failure.text.contains(QDir::toNativeSeparators(eventDatabasePath())));
        EXPECT_TRUE(prompts.windowShown[1]);
        EXPECT_EQ(folder.read("AdrDB.dat"), before);
    }
}
