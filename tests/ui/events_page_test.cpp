// The page "Veranstaltungen" driven through the real main window: start-up,
// switching, creating and deleting events, the hidden inner pages and AdrDB.dat.
#include "core/bytes.h"
#include "core/programfolder.h"
#include "imaging/GrafikRW.h"
#include "events/eventdatabase.h"
#include "render/placeholders.h"
#include "tests/support/testsupport.h"
#include "ui/EventsPage.h"
#include "ui/NewAdrFUnit.h"
#include "ui/Sdimain.h"
#include "ui/modal.h"

#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {
EventRecord event(const QString &bez, const QString &ort, const QString &auff = {})
{
    EventRecord r;
    r.field(FieldBezeichnung) = bez;
    r.field(FieldOrt) = ort;
    r.field(FieldAuffuehrung) = auff;
    r.field(FieldSitzplatz) = bez + QStringLiteral(" Platz");
    r.LogoFileName() = bez + QStringLiteral(".bmp");
    return r;
}

// One run of the program: a main window over a private program folder. Dialogs
// are answered by newEvent (TNewAdrForm) or cancelled.
class EventsWindow {
public:
    explicit EventsWindow(const TestFolder &)
    {
        previousHook_ = setModalHook([this](QDialog &dialog) {
            auto *form = qobject_cast<TNewAdrForm *>(&dialog);
            if (!form || !newEvent)
                return int(QDialog::Rejected);
            return newEvent(*form);
        });
        window = std::make_unique<TSDIAppForm>();
        window->show();
        page = window->eventsPage();
    }
    ~EventsWindow()
    {
        end();
        setModalHook(previousHook_);
    }
    // Destroying the main window stores the database.
    void end() { window.reset(); }

    QTableWidget *grid() const { return page->StringGrid1; }
    QString cell(int row) const { return grid()->item(row, 1)->text(); }
    QStringList comboItems(QComboBox *combo) const
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
    // Types into a cell like a user and leaves the editor open.
    void typeIntoCell(int row, const QString &asciiText)
    {
        grid()->setCurrentCell(row, 1);
        grid()->editItem(grid()->item(row, 1));
        QLineEdit *editor = nullptr;
        for (QLineEdit *e : grid()->viewport()->findChildren<QLineEdit *>()) {
            if (e->isVisible())
                editor = e;
        }
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, asciiText);
    }

    std::function<int(TNewAdrForm &)> newEvent;
    std::unique_ptr<TSDIAppForm> window;
    EventsPage *page = nullptr;

private:
    ModalHook previousHook_;
};

void writeDatabase(const std::vector<EventRecord> &events, int32_t defaultIndex)
{
    EventDatabase db;
    db.events = events;
    db.DefaultEventIndex = defaultIndex;
    db.FieldLabels[4] = QStringLiteral("Preis:");
    db.FieldLabels[12] = QStringLiteral("dreizehn");
    ASSERT_TRUE(writeEventDatabaseFile(eventDatabasePath(), db));
}

EventDatabase storedDatabase()
{
    return readEventDatabaseFile(eventDatabasePath()).value_or(EventDatabase{});
}
}

TEST(EventsPageWindow, StartWithoutFileAndEndWrites73Bytes)
{
    TestFolder folder;
    {
        EventsWindow w(folder);
        EXPECT_EQ(w.page->AdrCombo1->count(), 0);
        EXPECT_EQ(w.page->AdrList->count(), 0);
        EXPECT_EQ(w.grid()->rowCount(), 13);
        EXPECT_EQ(w.grid()->item(0, 0)->text(), QStringLiteral("Feld"));
        EXPECT_EQ(w.grid()->item(0, 1)->text(), QStringLiteral("Inhalt"));
        EXPECT_EQ(w.grid()->item(2, 0)->text(), QStringLiteral("Aufführung"));
        EXPECT_EQ(w.grid()->item(12, 0)->text(), QStringLiteral("Zusatz 5"));
        EXPECT_EQ(w.grid()->rowHeight(5), 24);
        EXPECT_FALSE(w.grid()->item(3, 0)->flags() & Qt::ItemIsEditable);
        EXPECT_TRUE(w.grid()->item(3, 1)->flags() & Qt::ItemIsEditable);
        EXPECT_FALSE(w.page->session().substitutionActive());
    }
    EXPECT_EQ(folder.read(QStringLiteral("AdrDB.dat")), QByteArray(73, '\0'));
}

TEST(EventsPageWindow, FileReadAndWrittenBackIsByteIdentical)
{
    TestFolder folder;
    writeDatabase({event("Konzert", "Halle", "Abend"), event("Theater", "")}, 1);
    const QByteArray original = folder.read(QStringLiteral("AdrDB.dat"));
    {
        EventsWindow w(folder);
        EXPECT_EQ(w.page->AdrCombo1->currentIndex(), 1);
        EXPECT_EQ(w.cell(FieldBezeichnung), QStringLiteral("Theater"));
        EXPECT_EQ(w.page->FilenameEdit1->text(), QStringLiteral("Theater.bmp"));
        EXPECT_TRUE(w.page->StdAdrCheck->isChecked());
        // An empty place is listed with a leading space.
        EXPECT_EQ(w.page->AdrList->item(1)->text(), QStringLiteral(" "));
        EXPECT_EQ(w.page->AdrCombo2->itemText(1), QStringLiteral(" "));
        EXPECT_EQ(w.comboItems(w.page->AdrCombo1), QStringList({"Konzert  Abend Halle", "Theater   "}));
        EXPECT_EQ(w.page->StringGrid2->item(5, 1)->text(), QStringLiteral("Preis:"));
    }
    EXPECT_EQ(folder.read(QStringLiteral("AdrDB.dat")), original);
}

TEST(EventsPageWindow, DamagedFilesStartWithWhatCouldBeRead)
{
    TestFolder folder;
    writeDatabase({event("Eins", "A"), event("Zwei", "B")}, 0);
    const QByteArray good = folder.read(QStringLiteral("AdrDB.dat"));
    QByteArray hugeLength = good;
    hugeLength.replace(4, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));   // first string of event 1
    QByteArray negativeCount = good;
    negativeCount.replace(0, 4, QByteArray("\xFE\xFF\xFF\xFF", 4));
    struct Case {
        const char *name;
        QByteArray bytes;
        int events;
    };
    const Case cases[] = {
        {"cut in the second event", good.left(good.size() / 2 + 40), 2},
        {"huge first length", hugeLength, 0},
        {"negative count", negativeCount, 0},
        {"single byte", QByteArray("\x05"), 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        folder.write(QStringLiteral("AdrDB.dat"), c.bytes);
        EventsWindow w(folder);
        EXPECT_EQ(w.page->AdrCombo1->count(), c.events);
        if (c.events > 0) {
            EXPECT_EQ(w.page->AdrCombo1->itemText(0), QStringLiteral("Eins   A"));
        }
    }
}

TEST(EventsPageWindow, SwitchingKeepsEditsAndEndingStoresThem)
{
    TestFolder folder;
    writeDatabase({event("Konzert", "Halle"), event("Theater", "Saal")}, 0);
    {
        EventsWindow w(folder);
        w.typeIntoCell(FieldOrt, QStringLiteral("Neue Halle"));
        w.page->AdrCombo1->setCurrentIndex(1);   // the open editor is committed first
        EXPECT_EQ(w.cell(FieldOrt), QStringLiteral("Saal"));
        EXPECT_EQ(w.page->AdrList->currentRow(), 1);
        EXPECT_EQ(w.page->AdrCombo2->currentIndex(), 1);
        EXPECT_FALSE(w.page->StdAdrCheck->isChecked());
        w.page->AdrCombo1->setCurrentIndex(0);
        EXPECT_EQ(w.cell(FieldOrt), QStringLiteral("Neue Halle"));
        EXPECT_EQ(w.page->AdrList->item(0)->text(), QStringLiteral("Halle "));   // lists follow at the next rebuild

        w.typeIntoCell(FieldBezeichnung, QStringLiteral("Konzert II"));
        w.grid()->setCurrentCell(2, 1);   // closes the editor like leaving the cell
        const PlaceholderInputs in = currentPlaceholderInputs(*w.window);
        EXPECT_TRUE(in.eventCurrent);
        EXPECT_EQ(in.values[FieldBezeichnung - 1], QStringLiteral("Konzert II"));
        EXPECT_EQ(in.labels[4], QStringLiteral("Preis:"));
        w.typeIntoCell(FieldSitzplatz, QStringLiteral("Loge"));   // still open when the window goes
    }
    const EventDatabase db = storedDatabase();
    ASSERT_EQ(db.EventCount(), 2);
    EXPECT_EQ(db.events[0].field(FieldOrt), QStringLiteral("Neue Halle"));
    EXPECT_EQ(db.events[0].field(FieldBezeichnung), QStringLiteral("Konzert II"));
    EXPECT_EQ(db.events[0].field(FieldSitzplatz), QStringLiteral("Loge"));
    EXPECT_EQ(db.events[1].field(FieldOrt), QStringLiteral("Saal"));
}

TEST(EventsPageWindow, NewEventWithAndWithoutTakingTheRest)
{
    TestFolder folder;
    writeDatabase({event("Konzert", "Halle", "Abend")}, 0);
    EventsWindow w(folder);
    w.typeIntoCell(5, QStringLiteral("12,00"));
    bool cleared = false;
    w.newEvent = [&](TNewAdrForm &form) {
        cleared = form.Edit1->text().isEmpty() && form.Edit2->text().isEmpty() && !form.CheckBox1->isChecked();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Neue Veranstaltung anlegen"));
        form.Edit1->setText(QStringLiteral("Zugabe"));
        form.CheckBox1->setChecked(true);   // Ort stays empty and still overwrites
        return int(QDialog::Accepted);
    };
    w.page->NewAdrBtn->click();
    EXPECT_TRUE(cleared);
    ASSERT_EQ(w.page->AdrCombo1->count(), 2);
    EXPECT_EQ(w.page->AdrCombo1->currentIndex(), 1);
    EXPECT_EQ(w.page->AdrList->currentRow(), 1);
    EXPECT_EQ(w.cell(FieldBezeichnung), QStringLiteral("Zugabe"));
    EXPECT_EQ(w.cell(FieldOrt), QString());
    EXPECT_EQ(w.cell(FieldAuffuehrung), QStringLiteral("Abend"));
    EXPECT_EQ(w.cell(5), QStringLiteral("12,00"));
    EXPECT_EQ(w.page->FilenameEdit1->text(), QStringLiteral("Konzert.bmp"));
    EXPECT_EQ(w.page->session().db.events[0].field(5), QStringLiteral("12,00"));   // written back when left

    w.newEvent = [&](TNewAdrForm &form) {
        form.Edit1->setText(QStringLiteral("Leer"));
        form.Edit2->setText(QStringLiteral("Saal"));
        return int(QDialog::Accepted);
    };
    w.page->NewAdrBtn->click();
    EXPECT_EQ(w.cell(FieldOrt), QStringLiteral("Saal"));
    for (int row : {2, 4, 5, 7, 12})
        EXPECT_EQ(w.cell(row), QString()) << row;
    EXPECT_EQ(w.page->FilenameEdit1->text(), QString());

    w.newEvent = [&](TNewAdrForm &form) {
        form.Edit1->setText(QStringLiteral("Abgebrochen"));
        return int(QDialog::Rejected);
    };
    w.page->NewAdrBtn->click();
    EXPECT_EQ(w.page->AdrCombo1->count(), 3);
}

TEST(EventsPageWindow, DeletingTheLastEventKeepsTheGridButStoresNothing)
{
    TestFolder folder;
    writeDatabase({event("Solo", "Ort")}, 0);
    {
        EventsWindow w(folder);
        ScriptedPrompts prompts;
        prompts.answer(MsgNo).answer(MsgYes);
        w.page->DelAdrBtn->click();
        EXPECT_EQ(w.page->AdrCombo1->count(), 1);
        w.page->DelAdrBtn->click();
        ASSERT_EQ(prompts.seen().size(), 2u);
        EXPECT_EQ(prompts.last().caption, QStringLiteral("Adresse löschen"));
        EXPECT_EQ(prompts.last().text, QStringLiteral("Wollen Sie die Adresse \"Ort \" wirklich löschen?"));
        EXPECT_EQ(w.page->AdrCombo1->count(), 0);
        EXPECT_EQ(w.page->AdrList->count(), 0);
        EXPECT_EQ(w.page->AdrCombo2->count(), 0);
        EXPECT_EQ(w.cell(FieldBezeichnung), QStringLiteral("Solo"));
        EXPECT_FALSE(currentPlaceholderInputs(*w.window).eventCurrent);
        w.page->DelAdrBtn->click();   // nothing current: no question
        EXPECT_EQ(prompts.seen().size(), 2u);
    }
    const QByteArray stored = folder.read(QStringLiteral("AdrDB.dat"));
    ASSERT_EQ(stored.size(), 73 + 14);   // the labels "Preis:" and "dreizehn" stay
    EXPECT_EQ(storedDatabase().EventCount(), 0);
}

TEST(EventsPageWindow, DeletingBeforeTheDefaultSelectsTheEventThatMovedUp)
{
    TestFolder folder;
    writeDatabase({event("A", "1"), event("B", "2"), event("C", "3"), event("D", "4")}, 2);
    {
        EventsWindow w(folder);
        EXPECT_EQ(w.cell(FieldBezeichnung), QStringLiteral("C"));
        w.page->AdrCombo1->setCurrentIndex(0);
        ScriptedPrompts prompts;
        prompts.answer(MsgYes);
        w.page->DelAdrBtn->click();
        EXPECT_EQ(w.cell(FieldBezeichnung), QStringLiteral("B"));
        EXPECT_EQ(w.page->AdrCombo1->currentIndex(), 0);
    }
    EXPECT_EQ(storedDatabase().DefaultEventIndex, 2);
    EventsWindow next(folder);
    EXPECT_EQ(next.cell(FieldBezeichnung), QStringLiteral("D"));
}

TEST(EventsPageWindow, HiddenPagesAreReachedThroughButtons)
{
    TestFolder folder;
    writeDatabase({event("Konzert", "Halle"), event("Theater", "Saal")}, 0);
    {
        EventsWindow w(folder);
        QTabWidget *tabs = w.page->PageControl2;
        EXPECT_EQ(tabs->currentWidget(), w.page->BearbeitenPage);
        for (QWidget *hidden : {w.page->AuswahlPage, w.page->LogoPage, w.page->BeschriftungPage})
            EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(hidden)));

        w.page->ShowLabelsBtn->click();
        EXPECT_EQ(tabs->currentWidget(), w.page->BeschriftungPage);
        EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(w.page->BeschriftungPage)));
        w.page->StringGrid2->item(1, 1)->setText(QStringLiteral("Titel:"));

        w.page->ShowLogoBtn->click();
        EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(w.page->BeschriftungPage)));
        w.page->FilenameEdit1->setText(QStringLiteral("\"") + folder.path() + QStringLiteral("/neu.bmp\""));
        EXPECT_EQ(w.page->FilenameEdit1->text(), QStringLiteral("neu.bmp"));
        {
            ScriptedPrompts prompts;
            prompts.chooseFile(folder.path() + QStringLiteral("/sub/bild.bmp"));
            w.page->findChild<QToolButton *>(QStringLiteral("FilenameEdit1Browse"))->click();
            EXPECT_EQ(prompts.last().filter, GetDIBOpenFilter());
            EXPECT_EQ(prompts.last().directory, ProgramFolder());
            EXPECT_EQ(w.page->FilenameEdit1->text(), folder.path() + QStringLiteral("/sub/bild.bmp"));
            w.page->FilenameEdit1->setText(QStringLiteral("neu.bmp"));
        }
        w.page->AdrCombo2->setCurrentIndex(1);   // the logo page chooser switches too
        EXPECT_EQ(w.page->AdrCombo1->currentIndex(), 1);
        EXPECT_EQ(w.page->FilenameEdit1->text(), QStringLiteral("Theater.bmp"));

        w.page->ShowListBtn->click();
        w.page->AdrList->setCurrentRow(0);
        w.page->StdAdrCheck->setChecked(false);
        w.page->AdrList->setCurrentRow(1);
        EXPECT_FALSE(w.page->StdAdrCheck->isChecked());
        w.page->StdAdrCheck->setChecked(true);
        tabs->setCurrentWidget(w.page->BearbeitenPage);
        EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(w.page->AuswahlPage)));
    }
    const EventDatabase db = storedDatabase();
    EXPECT_EQ(db.FieldLabels[0], QStringLiteral("Titel:"));
    EXPECT_EQ(db.events[0].LogoFileName(), QStringLiteral("neu.bmp"));
    EXPECT_EQ(db.DefaultEventIndex, 1);
}

TEST(EventsPageWindow, GridColumnsFollowThePageWidth)
{
    TestFolder folder;
    EventsWindow w(folder);
    w.window->resize(900, 600);
    QApplication::processEvents();
    const int client = w.grid()->viewport()->width();
    EXPECT_EQ(w.grid()->columnWidth(0), 200);
    EXPECT_EQ(w.grid()->columnWidth(1), client - 200);
    w.window->resize(1100, 600);
    QApplication::processEvents();
    EXPECT_EQ(w.grid()->columnWidth(1), w.grid()->viewport()->width() - 200);
    EXPECT_GT(w.grid()->viewport()->width(), client);
}

TEST(EventsPageWindow, LogoPreviewDrawsTheScaledPicture)
{
    TestFolder folder;
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(folder.file(QStringLiteral("logo.bmp"))));
    writeDatabase({event("Mit Logo", "Saal")}, 0);
    EventsWindow w(folder);
    w.page->session().db.events[0].LogoFileName() = QStringLiteral("logo.bmp");
    w.page->FilenameEdit1->setText(QStringLiteral("logo.bmp"));
    w.page->ShowLogoBtn->click();
    w.page->PaintBox3->resize(200, 150);
    const QImage shot = w.page->PaintBox3->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(200, 150));
    // Full width, half as high, centred vertically on the workspace colour.
    EXPECT_EQ(shot.pixelColor(100, 75), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(0, 25), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(199, 124), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(100, 10), QColor(0xAB, 0xAB, 0xAB));
    EXPECT_EQ(shot.pixelColor(100, 140), QColor(0xAB, 0xAB, 0xAB));

    w.page->FilenameEdit1->setText(QStringLiteral("fehlt.bmp"));   // unreadable: empty preview
    EXPECT_EQ(w.page->PaintBox3->grab().toImage().pixelColor(100, 75), QColor(0xAB, 0xAB, 0xAB));
}

TEST(EventsPageWindow, LogoNameIsTidiedWhenWholeNotWhileTyping)
{
    TestFolder folder;
    writeDatabase({event("Konzert", "Halle")}, 0);
    EventsWindow w(folder);
    w.page->ShowLogoBtn->click();
    QLineEdit *edit = w.page->FilenameEdit1;
    const QString inside = ProgramFolder() + QStringLiteral("sub/x.png");
    const QString direct = QStringLiteral("\"") + ProgramFolder() + QStringLiteral("logo.bmp\"");

    // Typed character by character: every keystroke stays, the end of editing tidies.
    for (const QString &typed : {inside, direct}) {
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, typed);
        EXPECT_EQ(edit->text(), typed);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(edit->text(), typed == inside ? inside : QStringLiteral("logo.bmp"));
        EXPECT_EQ(w.page->session().LogoFile, edit->text());
    }

    // A paste is a whole name: tidied at once.
    QApplication::clipboard()->setText(direct);
    edit->clear();
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("logo.bmp"));
    EXPECT_EQ(w.page->session().LogoFile, QStringLiteral("logo.bmp"));
}
