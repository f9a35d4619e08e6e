// The page "Einstellungen/Sitzplätze" driven through the real main window: the
// seat list generator, seat list files, placeholder inputs and kept settings.
#include "render/placeholders.h"
#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"
#include "ui/EventsPage.h"
#include "ui/Sdimain.h"
#include "ui/SettingsPage.h"
#include "ui/modal.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <gtest/gtest.h>
#include <memory>

namespace {
// One run of the program; every modal dialog is cancelled.
class SettingsWindow {
public:
    SettingsWindow()
    {
        previousHook_ = setModalHook([](QDialog &) { return int(QDialog::Rejected); });
        window = std::make_unique<TSDIAppForm>();
        window->show();
        page = window->settingsPage();
    }
    ~SettingsWindow()
    {
        window.reset();   // destroying the window keeps the settings
        setModalHook(previousHook_);
    }
    QStringList lines() const { return page->seatLines(); }

    std::unique_ptr<TSDIAppForm> window;
    SettingsPage *page = nullptr;

private:
    ModalHook previousHook_;
};
}

TEST(SettingsPageWindow, FirstStartShowsInitialValuesAndGeneratedList)
{
    TestFolder folder;
    SettingsWindow w;
    EXPECT_EQ(w.page->BezEd->text(), QStringLiteral("Kartennummer"));
    for (QCheckBox *box : {w.page->KarteRechtsCheck, w.page->SitzplatzCheck, w.page->UseSitzCheck, w.page->ReihenBuchCheck})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(w.page->SitzplatzCheck->text(), QStringLiteral("Inhalt für Feld \"Sitzplatz\" aus dieser Liste laden:"));
    EXPECT_EQ(w.page->PlatzProReiheEd->value(), 10);
    EXPECT_EQ(w.page->ReihenEd->value(), 10);
    EXPECT_EQ(w.page->FirstRowEd->value(), 1);
    EXPECT_EQ(w.page->ReihenEd->maximum(), 1000);
    EXPECT_EQ(w.page->PlatzProReiheEd->minimum(), 1);
    const QStringList lines = w.lines();
    ASSERT_EQ(lines.size(), 100);
    EXPECT_EQ(lines.at(10), QStringLiteral("Reihe B, Platz 1"));
    EXPECT_EQ(lines.last(), QStringLiteral("Reihe J, Platz 10"));
    EXPECT_EQ(w.page->SitzplatzMemo->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST(SettingsPageWindow, GeneratorButtonFollowsTheFields)
{
    TestFolder folder;
    SettingsWindow w;
    struct Case {
        int first, rows, seats;
        bool letters;
        QStringList expected;
    };
    const Case cases[] = {
        {25, 4, 1, true, {"Reihe Y, Platz 1", "Reihe Z, Platz 1", "Reihe A, Platz 1", "Reihe B, Platz 1"}},
        {3, 1, 2, false, {"Reihe 3, Platz 1", "Reihe 3, Platz 2"}},
        {0, 1, 1, true, {"Reihe @, Platz 1"}},
    };
    for (const Case &c : cases) {
        w.page->FirstRowEd->setValue(c.first);
        w.page->ReihenEd->setValue(c.rows);
        w.page->PlatzProReiheEd->setValue(c.seats);
        w.page->ReihenBuchCheck->setChecked(c.letters);
        w.page->CreateRowsBtn->click();
        EXPECT_EQ(w.lines(), c.expected) << c.first;
    }
}

TEST(SettingsPageWindow, SeatListFilesLoadAndSave)
{
    TestFolder folder;
    SettingsWindow w;
    ScriptedPrompts prompts;
    folder.write(QStringLiteral("liste.txt"), QByteArray("Loge \xE4\r\nParkett 1\nParkett 2\rBalkon"));
    prompts.chooseFile(folder.file(QStringLiteral("liste.txt")));
    w.page->BitBtnXP1->click();
    EXPECT_EQ(prompts.last().kind, Prompt::Kind::OpenFile);
    EXPECT_EQ(prompts.last().filter, QStringLiteral("Textdateien (*.txt)|*.txt"));
    EXPECT_EQ(prompts.last().defaultSuffix, QStringLiteral("txt"));
    const QStringList loaded = {QStringLiteral("Loge ä"), "Parkett 1", "Parkett 2", "Balkon"};
    EXPECT_EQ(w.lines(), loaded);

    prompts.chooseFile(folder.file(QStringLiteral("kopie.txt")));
    w.page->BitBtnXP2->click();
    EXPECT_EQ(prompts.last().kind, Prompt::Kind::SaveFile);
    EXPECT_EQ(folder.read(QStringLiteral("kopie.txt")), QByteArray("Loge \xE4\r\nParkett 1\r\nParkett 2\r\nBalkon\r\n"));

    // Cancelled dialogs and unreadable files leave the list as it is.
    prompts.chooseFile(QString());
    w.page->BitBtnXP1->click();
    prompts.chooseFile(folder.file(QStringLiteral("fehlt.txt"))).answer(MsgOk);
    w.page->BitBtnXP1->click();
    EXPECT_EQ(prompts.last().icon, MsgIcon::Error);
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("fehlt.txt")));
    prompts.chooseFile(folder.file(QStringLiteral("kein/ordner.txt"))).answer(MsgOk);
    w.page->BitBtnXP2->click();
    EXPECT_EQ(prompts.last().icon, MsgIcon::Error);
    EXPECT_EQ(w.lines(), loaded);
    EXPECT_EQ(prompts.pending(), 0u);
}

TEST(SettingsPageWindow, AFailedSeatListSaveIsReportedAndKeepsTheOldFile)
{
    SettingsWindow w;
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        ScriptedPrompts prompts;
        const QString path = folder.file(QStringLiteral("plätze.txt"));
        FailingSave failing(failure, path);
        prompts.chooseFile(path).answer(MsgOk);
        w.page->BitBtnXP2->click();
        EXPECT_EQ(prompts.last().icon, MsgIcon::Error) << saveFailureName(failure);
        EXPECT_EQ(prompts.last().text, QStringLiteral("Die Datei \"%1\" kann nicht erstellt werden.").arg(path))
            << saveFailureName(failure);
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
        EXPECT_EQ(prompts.pending(), 0u);
    }
}

TEST(SettingsPageWindow, PlaceholderInputsComeFromThePage)
{
    TestFolder folder;
    SettingsWindow w;
    w.page->BezEd->setText(QStringLiteral("Nr."));
    w.page->SitzplatzCheck->setChecked(false);
    w.page->SitzplatzMemo->setPlainText(QStringLiteral("Eins\nZwei\n"));
    PlaceholderInputs in = currentPlaceholderInputs(*w.window);
    EXPECT_EQ(in.ticketLabel, QStringLiteral("Nr."));
    EXPECT_FALSE(in.useSeatList);
    EXPECT_EQ(in.seatList, QStringList({"Eins", "Zwei"}));
    EXPECT_FALSE(in.eventCurrent);   // no event database
    EXPECT_EQ(GetRepStr(QStringLiteral("[Kartennummer]"), in, 17, in.seatList), QStringLiteral("Nr. 17"));
}

TEST(SettingsPageWindow, KeptSettingsComeBackOnTheNextStart)
{
    TestFolder folder;
    const QStringList kept = {QStringLiteral("Reihe Ä, Platz 1"), QString(), QStringLiteral("\"Loge\", links; 2")};
    {
        SettingsWindow w;
        w.window->findChild<QCheckBox *>(QStringLiteral("SchneidBtn"))->setChecked(false);
        w.page->BezEd->setText(QStringLiteral("Karte Nr."));
        w.page->KarteRechtsCheck->setChecked(false);
        w.page->SitzplatzCheck->setChecked(false);
        w.page->UseSitzCheck->setChecked(false);
        w.page->ReihenBuchCheck->setChecked(false);
        w.page->ReihenEd->setValue(7);
        w.page->FirstRowEd->setValue(-3);
        w.page->PlatzProReiheEd->setValue(999);
        setMemoLines(w.page->SitzplatzMemo, kept);
    }
    {
        QSettings settings;
        EXPECT_EQ(settings.value(QStringLiteral("BezEd.Text")).toString(), QStringLiteral("Karte Nr."));
        EXPECT_EQ(settings.value(QStringLiteral("PlatzProReiheEd.Value")).toInt(), 999);
        EXPECT_FALSE(settings.value(QStringLiteral("SchneidBtn.Checked")).toBool());
    }
    {
        SettingsWindow w;
        EXPECT_FALSE(w.window->findChild<QCheckBox *>(QStringLiteral("SchneidBtn"))->isChecked());
        EXPECT_EQ(w.page->BezEd->text(), QStringLiteral("Karte Nr."));
        for (QCheckBox *box : {w.page->KarteRechtsCheck, w.page->SitzplatzCheck, w.page->UseSitzCheck, w.page->ReihenBuchCheck})
            EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
        EXPECT_EQ(w.page->ReihenEd->value(), 7);
        EXPECT_EQ(w.page->FirstRowEd->value(), -3);
        EXPECT_EQ(w.page->PlatzProReiheEd->value(), 999);
        EXPECT_EQ(w.lines(), kept);   // replaces the list generated at creation
        w.page->SitzplatzMemo->clear();
    }
    SettingsWindow third;
    EXPECT_EQ(third.lines(), QStringList());   // an emptied list stays empty
}

TEST(SettingsPageWindow, SeatListPassesThroughTheMemoUnchanged)
{
    TestFolder folder;
    SettingsWindow w;
    ScriptedPrompts prompts;
    // No-break spaces (0xA0) and blank last lines are part of the list.
    const QByteArray file("Reihe\xA0" "A, Platz 1\r\n\r\nLoge\xA0" "3\r\n\r\n");
    folder.write(QStringLiteral("liste.txt"), file);
    prompts.chooseFile(folder.file(QStringLiteral("liste.txt")));
    w.page->BitBtnXP1->click();
    const QStringList expected = {QStringLiteral("Reihe\u00A0A, Platz 1"), QString(), QStringLiteral("Loge\u00A03"),
                                  QString()};
    EXPECT_EQ(w.lines(), expected);

    prompts.chooseFile(folder.file(QStringLiteral("kopie.txt")));
    w.page->BitBtnXP2->click();
    EXPECT_EQ(folder.read(QStringLiteral("kopie.txt")), file);

    setMemoLines(w.page->SitzplatzMemo, {QString()});
    EXPECT_EQ(w.lines(), QStringList({QString()}));   // one blank line is not an empty list
}
