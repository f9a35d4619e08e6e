// What the program does at start-up beyond the main window itself: a design
// named on the command line and Qt's German texts.
#include "core/designfile.h"
#include "core/germanqttexts.h"
#include "tests/support/testsupport.h"
#include "ui/Sdimain.h"
#include "ui/modal.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {
// Records the program's own dialogs and cancels each one.
class CancelledDialogs {
public:
    CancelledDialogs()
    {
        previous_ = setModalHook([this](QDialog &d) {
            shown.push_back(d.windowTitle());
            return int(QDialog::Rejected);
        });
    }
    ~CancelledDialogs() { setModalHook(previous_); }
    std::vector<QString> shown;

private:
    ModalHook previous_;
};

void runStartup(TSDIAppForm &w)
{
    w.show();
    w.FormActivate();
    ASSERT_TRUE(waitUntil([&] { return w.StartupNewDone; }));
}
}

class StartupFileTest : public ::testing::Test {
protected:
    TestFolder folder;
    ScriptedPrompts prompts;
    CancelledDialogs dialogs;
};

TEST_F(StartupFileTest, TheDesignOnTheCommandLineReplacesTheNewCardStep)
{
    Document saved;
    saved.ticketType.CardWidth = 120;
    saved.pool[3].Kind = KindFigure;
    folder.write("Konzert.etr", writeDesign(saved));

    TSDIAppForm w;
    w.setStartupFile(folder.file("Konzert.etr"));
    runStartup(w);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(prompts.seen().empty());
    EXPECT_EQ(w.document().pool[3].Kind, KindFigure);
    EXPECT_EQ(w.document().ticketType.CardWidth, 120);
    EXPECT_EQ(w.document().CurrentFileName, folder.file("Konzert.etr"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - Konzert.etr"));
}

TEST_F(StartupFileTest, AnUnreadableDesignGivesItsMessageThenTheNormalStartup)
{
    folder.write("fremd.etr", QByteArray(200, 'x'));
    const struct {
        const char *file;
        const char *caption;
    } cases[] = {
        {"fehlt.etr", "Fehler: Datei konnte nicht geöffnet werden"},
        {"fremd.etr", "Dateikennung falsch"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        dialogs.shown.clear();
        TSDIAppForm w;
        w.setStartupFile(folder.file(QString::fromUtf8(c.file)));
        prompts.answer(MsgOk);
        runStartup(w);
        ASSERT_FALSE(prompts.seen().empty());
        EXPECT_EQ(prompts.last().caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(prompts.last().icon, MsgIcon::Information);
        // Then the new-card step, as without an argument.
        EXPECT_EQ(dialogs.shown, std::vector<QString>({QStringLiteral("Neue Eintrittskarte erstellen")}));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - NONAME01"));
    }
}

TEST(GermanQtTexts, StandardButtonsSpeakGerman)
{
    QTranslator *translator = installGermanQtTexts();
    ASSERT_NE(translator, nullptr) << "Qt's German catalogue (qt6-translations-l10n) is missing";
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No);
    const QString cancel = box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
    const QString no = box.button(QDialogButtonBox::No)->text().remove(QLatin1Char('&'));
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(cancel, QStringLiteral("Abbrechen"));
    EXPECT_EQ(no, QStringLiteral("Nein"));
}
