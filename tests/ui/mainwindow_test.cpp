#include "printing/tickettypelist.h"
#include "tests/support/testsupport.h"
#include "ui/NewETypFUnit.h"
#include "ui/Sdimain.h"
#include "ui/modal.h"
#include "ui/neuunit.h"
#include "tests/ui/scripteddialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QDoubleSpinBox>
#include <QTabWidget>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QScrollArea>
#include <QScrollBar>
#include "core/designfile.h"
#include "ui/EditorPage.h"
#include <gtest/gtest.h>

namespace {
// Shows TneuForm, adds a type through "&Neu" with the given width, and picks it.
ScriptedDialogs::Step pickNewType(ScriptedDialogs &dialogs, double width, QString *proposedName = nullptr)
{
    return [&dialogs, width, proposedName](QDialog &d) {
        auto &form = static_cast<TneuForm &>(d);
        form.show();
        dialogs.then([width, proposedName](QDialog &e) {
            auto &editor = static_cast<TNewETypForm &>(e);
            if (proposedName)
                *proposedName = editor.NameED->text();
            editor.BrED->setValue(width);
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(form.NewBtn, Qt::LeftButton);
        QTest::mouseClick(form.OkBitBtn1, Qt::LeftButton);
        return d.result();
    };
}

QAction *menuAction(TSDIAppForm &w, const char *name)
{
    return w.findChild<QAction *>(QLatin1String(name));
}
}

class MainWindowTest : public ::testing::Test {
protected:
    TestFolder folder;
    ScriptedPrompts prompts;
    ScriptedDialogs dialogs;
};

TEST_F(MainWindowTest, StartsWithPagesCaptionAndSummary)
{
    TSDIAppForm w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - NONAME01"));
    QTabWidget *pages = w.pages();
    ASSERT_EQ(pages->count(), 5);
    const QStringList captions = {"Veranstaltungen", "Vorlagen Assistent", "Editor", "Drucken", "Einstellungen/Sitzplätze"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pages->tabText(i), captions[i]);
    EXPECT_FALSE(pages->isTabVisible(1));
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_TRUE(w.infoPanel()->text().startsWith(QStringLiteral("2 x 5 Eintrittskarten á 90")));
    QStringList menus;
    for (QAction *a : w.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"&Datei", "&Bearbeiten", "&Einstellungen", "&Hilfe"}));
    EXPECT_EQ(menuAction(w, "Etikettenformat1")->statusTip(),
              QStringLiteral("Verändert die Einstellungen der Größe und der Abstände"));
}

TEST_F(MainWindowTest, FirstNewCardAsksNothingLaterOnesAskBoth)
{
    TSDIAppForm w;
    QString proposed;
    dialogs.then(pickNewType(dialogs, 100, &proposed));
    w.show();
    w.FormActivate();
    w.FormActivate();   // only the first activation arms the timer
    ASSERT_TRUE(waitUntil([&] { return w.StartupNewDone; }));
    EXPECT_EQ(dialogs.shown, std::vector<QString>({"Neue Eintrittskarte erstellen", "Eintrittskartentyp bearbeiten"}));
    EXPECT_EQ(proposed, QStringLiteral("Kein Name0"));
    EXPECT_TRUE(prompts.seen().empty());
    EXPECT_EQ(w.document().ticketType.CardWidth, 100);
    EXPECT_EQ(w.document().PasteboardWidth, 236220);   // Trunc(100 * 3 * 20000 / 25.39995)
    EXPECT_TRUE(w.infoPanel()->text().contains(QStringLiteral("100")));

    // The menu command: save question, type dialog, template question.
    w.document().pool[1].Kind = KindText;
    prompts.answer(MsgNo).answer(MsgCancel);
    dialogs.then([](QDialog &d) {
        auto &form = static_cast<TneuForm &>(d);
        form.show();
        EXPECT_EQ(form.ComboBox1->count(), 1);
        QTest::mouseClick(form.OkBitBtn1, Qt::LeftButton);
        return d.result();
    });
    menuAction(w, "Neu1")->trigger();
    ASSERT_EQ(prompts.seen().size(), 2u);
    EXPECT_EQ(prompts.seen()[0].caption, QStringLiteral("Neue Eintrittskarte"));
    EXPECT_EQ(prompts.seen()[0].text, QStringLiteral("Wollen Sie vorher speichern?"));
    EXPECT_EQ(prompts.seen()[1].caption, QStringLiteral("Vorlage"));
    EXPECT_EQ(prompts.seen()[1].text, QStringLiteral("Wollen Sie die Vorlage für neue Karten laden?"));
    // Cancel on the template question keeps the new, cleared card.
    EXPECT_EQ(w.document().pool[1].Kind, KindFree);
}

TEST_F(MainWindowTest, CancellingTheTypeDialogKeepsTheCardButNotTheAddedType)
{
    TSDIAppForm w;
    w.StartupNewDone = true;
    w.document().pool[5].Kind = KindFigure;
    prompts.answer(MsgNo);
    dialogs.then([&](QDialog &d) {
        auto &form = static_cast<TneuForm &>(d);
        form.show();
        dialogs.then([](QDialog &) { return int(QDialog::Accepted); });
        QTest::mouseClick(form.NewBtn, Qt::LeftButton);
        QTest::mouseClick(form.CancelBitBtn2, Qt::LeftButton);
        return d.result();
    });
    w.Neu1Click();
    EXPECT_EQ(w.document().pool[5].Kind, KindFigure);
    EXPECT_EQ(w.document().ticketType.typeName(), QStringLiteral("Kein Eintrittskartentyp"));
    TicketTypeList saved;
    saved.load();
    ASSERT_EQ(saved.types.size(), 1u);
    EXPECT_EQ(saved.types[0].typeName(), QStringLiteral("Kein Name0"));
}

TEST_F(MainWindowTest, TypeDialogListManagement)
{
    TicketTypeList list;
    for (const char *n : {"A", "B", "C", "D"}) {
        EttTyp t = EttTyp::startupType();
        t.setTypeName(QString::fromLatin1(n));
        list.types.push_back(t);
    }
    list.save();
    TSDIAppForm w;
    TneuForm &form = *w.neuForm();
    form.show();
    ASSERT_EQ(form.ComboBox1->count(), 4);

    // OK without a selection is refused and the dialog stays open.
    form.ComboBox1->setCurrentIndex(-1);
    prompts.answer(MsgOk);
    QTest::mouseClick(form.OkBitBtn1, Qt::LeftButton);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Sie haben keinen Kartentyp ausgewählt."));
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler"));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Error);
    EXPECT_TRUE(form.isVisible());

    form.ComboBox1->setCurrentIndex(1);
    prompts.answer(MsgOk);
    QTest::mouseClick(form.DelBtn, Qt::LeftButton);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Hiermit löschen Sie den Kartentyp unwiederrufbar."));
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Hinweis"));
    EXPECT_EQ(prompts.last().buttons, MsgOk | MsgCancel);
    ASSERT_EQ(form.ComboBox1->count(), 3);
    EXPECT_EQ(form.ComboBox1->itemText(1), QStringLiteral("C"));
    EXPECT_EQ(form.ComboBox1->currentIndex(), 0);

    // Editing shows the gap and stores the pitch.
    form.ComboBox1->setCurrentIndex(2);
    dialogs.then([](QDialog &d) {
        auto &editor = static_cast<TNewETypForm &>(d);
        EXPECT_EQ(editor.NameED->text(), QStringLiteral("D"));
        editor.AHED->setValue(5);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(form.EditBtn, Qt::LeftButton);
    EXPECT_EQ(form.ComboBox1->currentIndex(), 2);
    QTest::mouseClick(form.OkBitBtn1, Qt::LeftButton);
    EXPECT_EQ(w.document().ticketType.PitchX, 95);
    EXPECT_EQ(w.document().ticketType.typeName(), QStringLiteral("D"));
    TicketTypeList saved;
    saved.load();
    ASSERT_EQ(saved.types.size(), 3u);
    EXPECT_EQ(saved.types[2].PitchX, 95);
}

TEST_F(MainWindowTest, CardFormatChangesTheCardButNotTheTypeList)
{
    TSDIAppForm w;
    dialogs.then([](QDialog &d) {
        auto &editor = static_cast<TNewETypForm &>(d);
        EXPECT_EQ(editor.BrED->value(), 90);
        editor.BrED->setValue(120);
        editor.AnzVED->setValue(3);
        return int(QDialog::Accepted);
    });
    menuAction(w, "Etikettenformat1")->trigger();
    EXPECT_EQ(w.document().ticketType.CardWidth, 120);
    EXPECT_TRUE(w.infoPanel()->text().startsWith(QStringLiteral("2 x 3 Eintrittskarten")));
    EXPECT_EQ(w.document().PasteboardWidth, 283465);
    EXPECT_FALSE(folder.exists("karten.dat"));
}

TEST_F(MainWindowTest, ExitAsksOnceAndCloseButtonAsks)
{
    TSDIAppForm::ExitConfirmed = false;
    {
        TSDIAppForm w;
        w.StartupNewDone = true;
        w.show();
        prompts.answer(MsgCancel);
        EXPECT_FALSE(w.close());
        EXPECT_EQ(prompts.last().caption, QStringLiteral("Programm beenden"));
        EXPECT_TRUE(w.isVisible());

        prompts.answer(MsgNo);
        menuAction(w, "ExitItem")->trigger();
        EXPECT_EQ(prompts.seen().size(), 2u);
        EXPECT_FALSE(w.isVisible());
    }
    TSDIAppForm::ExitConfirmed = false;
}

TEST_F(MainWindowTest, SaveAndOpenThroughTheMenu)
{
    TSDIAppForm w;
    w.document().pool[2].Kind = KindText;
    w.document().pool[2].Text = "Hallo";
    prompts.chooseFile(folder.file("k.etr"));
    menuAction(w, "SaveItem")->trigger();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - k.etr"));

    TSDIAppForm other;
    prompts.chooseFile(folder.file("k.etr"));
    menuAction(other, "OpenItem")->trigger();
    EXPECT_EQ(other.document().pool[2].Text, QByteArray("Hallo"));
    EXPECT_EQ(other.windowTitle(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - k.etr"));
}

TEST_F(MainWindowTest, WindowPlacementSurvivesARestart)
{
    QRect placed;
    {
        TSDIAppForm w;
        w.show();
        w.setGeometry(40, 50, 777, 555);
        placed = w.geometry();
        TSDIAppForm::ExitConfirmed = true;
        w.close();
    }
    TSDIAppForm::ExitConfirmed = false;
    TSDIAppForm again;
    again.showAtKeptPlacement();
    EXPECT_EQ(again.geometry(), placed);
}

TEST_F(MainWindowTest, EMailExportSavesTheCardOfTheFirstTicket)
{
    TSDIAppForm w;
    prompts.chooseFile(folder.file("karte"), 1);   // the BMP entry, name typed without extension
    QTest::mouseClick(w.findChild<QToolButton *>(QStringLiteral("EMailBtn")), Qt::LeftButton);
    ASSERT_TRUE(folder.exists("karte.bmp"));
    const QImage exported(folder.file("karte.bmp"));
    EXPECT_EQ(exported.size(), QSize(340, 207));
    EXPECT_EQ(exported.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_FALSE(w.document().scale.UsePrintScale);
}

TEST_F(MainWindowTest, OpeningCentresThePasteboardOnceTheEditorIsShown)
{
    Document saved;
    saved.pool[1].Kind = KindFigure;
    folder.write("c.etr", writeDesign(saved));
    TSDIAppForm w;
    w.resize(900, 700);
    w.show();
    w.OpenItNow(folder.file("c.etr"));
    w.pages()->setCurrentWidget(w.editorPage());
    QTest::qWait(50);
    QScrollArea *area = w.editorPage()->ScrollBox1;
    const QSize visible = area->viewport()->size();
    EXPECT_EQ(area->horizontalScrollBar()->value(), (w.editorPage()->PaintBox1->width() - visible.width()) / 2);
    EXPECT_EQ(area->verticalScrollBar()->value(), (w.editorPage()->PaintBox1->height() - visible.height()) / 2);
    EXPECT_GT(area->horizontalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, ASaveAnsweredWithYesNamesTheCardEvenWhenTheCommandStops)
{
    TSDIAppForm w;
    w.StartupNewDone = true;
    w.document().pool[1].Kind = KindFigure;

    // New card: Yes saves, then the type dialog is cancelled.
    prompts.answer(MsgYes).chooseFile(folder.file("a.etr"));
    dialogs.then([](QDialog &) { return int(QDialog::Rejected); });
    w.Neu1Click();
    ASSERT_TRUE(folder.exists("a.etr"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - a.etr"));

    // Open: Yes saves under a new name, then the chosen file cannot be opened.
    w.document().CurrentFileName.clear();
    w.setWindowTitle(QString());
    prompts.answer(MsgYes).chooseFile(folder.file("b.etr")).answer(MsgOk);
    w.OpenItNow(folder.file("missing.etr"));
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler: Datei konnte nicht geöffnet werden"));
    ASSERT_TRUE(folder.exists("b.etr"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - b.etr"));
}

TEST_F(MainWindowTest, EditorTopBarButtonsSitAtTheirPlaces)
{
    TSDIAppForm w;
    w.resize(1000, 720);
    w.show();
    w.pages()->setCurrentWidget(w.editorPage());
    QTest::qWait(20);
    EditorPage *page = w.editorPage();
    EXPECT_EQ(page->NewFileBtn->geometry(), QRect(8, 3, 80, 50));
    EXPECT_EQ(page->OpenFileBtn->x(), 88);
    EXPECT_EQ(page->SaveFileBtn->x(), 168);
    EXPECT_EQ(page->BackgroundBtn->x(), 264);
}

TEST_F(MainWindowTest, TicketTypeDialogsAreCentredOnTheScreen)
{
    TSDIAppForm w;
    w.move(0, 0);
    w.show();
    for (QDialog *dialog : {static_cast<QDialog *>(w.neuForm()), static_cast<QDialog *>(w.newETypForm())}) {
        dialog->show();
        const QPoint screenCentre = dialog->screen()->availableGeometry().center();
        EXPECT_LE((dialog->geometry().center() - screenCentre).manhattanLength(), 10) << dialog->windowTitle().toStdString();
        dialog->reject();
    }
}

TEST_F(MainWindowTest, TicketTypeDialogStaysCentredWhenALongNameWidensIt)
{
    TicketTypeList list;
    EttTyp wide = EttTyp::startupType();
    wide.setTypeName(QString(50, QLatin1Char('W')));
    list.types = {wide};
    ASSERT_TRUE(list.save());
    TSDIAppForm w;
    w.move(0, 0);
    w.show();
    TneuForm *dialog = w.neuForm();
    dialog->show();
    QApplication::processEvents();
    const QPoint screenCentre = dialog->screen()->availableGeometry().center();
    EXPECT_LE((dialog->geometry().center() - screenCentre).manhattanLength(), 4);
    dialog->reject();
}
