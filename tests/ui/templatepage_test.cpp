// The page "Vorlagen Assistent" in the real main window: how a user reaches
// it, its controls, generating, choosing a thumbnail and adopting it.
#include "core/programfolder.h"
#include "events/eventdatabase.h"
#include "tests/support/testsupport.h"
#include "tests/templates/templatefixtures.h"
#include "ui/EditorPage.h"
#include "ui/EventsPage.h"
#include "ui/Sdimain.h"
#include "ui/TemplatePage.h"
#include "ui/modal.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QImage>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class TemplateWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventDatabase db;
        EventRecord r;
        r.field(1) = QStringLiteral("Sommerfest");
        r.field(3) = QStringLiteral("Stadthalle");
        db.events.push_back(r);
        ASSERT_TRUE(writeEventDatabaseFile(eventDatabasePath(), db));
        previousHook_ = setModalHook([](QDialog &) { return int(QDialog::Rejected); });
        window = std::make_unique<TSDIAppForm>();
        window->StartupNewDone = true;   // no start-up card dialog
        window->show();
        page = window->templatePage();
    }
    void TearDown() override
    {
        window.reset();
        setModalHook(previousHook_);
    }
    // Opens the page, ticks the first n element boxes and generates.
    void generate(int n)
    {
        window->showTemplateWizard();
        for (int i = 0; i < 9; ++i)
            page->EleCheck[i]->setChecked(i < n);
        page->TextRadio->setChecked(true);
        QTest::mouseClick(page->RenderBtn, Qt::LeftButton);
    }
    QPoint thumbnailCentre(int i) const
    {
        const CellBox t = page->galleryGeometry().thumbnail(i);
        return QPoint((t.x0 + t.x1) / 2, (t.y0 + t.y1) / 2);
    }

    TestFolder folder;
    ScriptedPrompts prompts;
    std::unique_ptr<TSDIAppForm> window;
    TemplatePage *page = nullptr;

private:
    ModalHook previousHook_;
};

// The left half of the first tab as the tab row shows it now.
QImage firstTabLeftHalf(TSDIAppForm &w)
{
    QTabBar *tabs = w.pages()->tabBar();
    QRect r = tabs->tabRect(0);
    r.setWidth(r.width() / 2);
    return tabs->grab().toImage().copy(r);
}
}

TEST_F(TemplateWindowTest, ReachedByDoubleClickMenuAndButtonWithNoStrayLabel)
{
    QTabWidget *pages = window->pages();
    EventsPage *events = window->eventsPage();
    QTest::mouseClick(events->ShowListBtn, Qt::LeftButton);
    QListWidget *list = events->AdrList;
    ASSERT_EQ(list->count(), 1);
    ASSERT_TRUE(waitUntil([&] { return list->isVisible() && list->visualItemRect(list->item(0)).isValid(); }));
    const QRect item = list->visualItemRect(list->item(0));
    // An item view takes a double click only after the press that starts it.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
    ASSERT_EQ(pages->currentWidget(), page);
    EXPECT_FALSE(pages->isTabVisible(pages->indexOf(page)));
    // Nothing of the hidden tab shows in the tab row: the first tab looks as it
    // does while another page (printing, not next to it) is shown.
    const QImage withWizard = firstTabLeftHalf(*window);
    pages->setCurrentIndex(3);
    EXPECT_EQ(firstTabLeftHalf(*window), withWizard);

    pages->setCurrentIndex(0);
    window->findChild<QAction *>(QStringLiteral("VorlagenAssistent1"))->trigger();
    EXPECT_EQ(pages->currentWidget(), page);

    pages->setCurrentIndex(0);
    events->PageControl2->setCurrentWidget(events->BearbeitenPage);
    QTest::mouseClick(events->ShowTemplatesBtn, Qt::LeftButton);
    EXPECT_EQ(pages->currentWidget(), page);
}

TEST_F(TemplateWindowTest, ControlsStartAsTheLayoutSays)
{
    const char *captions[9] = {"Bezeichnung", "Aufführung", "Ort", "Datum und Uhrzeit", "Preis", "Preis ermäßigt",
                               "Kartennummer", "Sitzplatz", "Sitzplatz 2"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(page->EleCheck[i]->text(), QString::fromUtf8(captions[i]));
        EXPECT_TRUE(page->EleCheck[i]->isChecked());
        EXPECT_EQ(qobject_cast<QGroupBox *>(page->EleCheck[i]->parentWidget())->title(),
                  QStringLiteral("Elemente der Eintrittskarte"));
    }
    EXPECT_FALSE(page->TextRadio->isChecked());
    EXPECT_TRUE(page->LogoRadio->isChecked());
    EXPECT_FALSE(page->GrafikRadio->isChecked());
    EXPECT_EQ(page->GrafikRadio->text(), QStringLiteral("Grafik einbauen"));
    EXPECT_EQ(page->GrafikFileEd->text(), QStringLiteral("logo.jpg"));
    EXPECT_EQ(page->BkGndFileED->text(), QStringLiteral("sky.jpg"));
    EXPECT_FALSE(page->BkGndCheck->isChecked());
    EXPECT_EQ(page->RenderBtn->text(), QStringLiteral("Vorlagen &berechnen"));
    EXPECT_EQ(page->UseTemplateBtn->text(), QStringLiteral("Vorlage über&nehmen"));
    EXPECT_EQ(page->Label3->text(), QStringLiteral("Dies ist eine zufällige Auswahl von 0 Karten aus 0 möglichen Karten"));
    EXPECT_EQ(page->ScrollBox4->verticalScrollBar()->singleStep(), 160);
    // Every edit is named by its label for screen readers.
    QStringList buddies;
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (l->buddy())
            buddies << l->text();
    }
    EXPECT_EQ(buddies, QStringList({"Bilddatei Grafik:", "Bilddatei Hintergrund:"}));
    EXPECT_FALSE(page->ScrollBox4->accessibleName().isEmpty());
    EXPECT_FALSE(page->PaintBox4->accessibleName().isEmpty());
}

TEST_F(TemplateWindowTest, GenerateSelectScrollAndAdoptIntoTheEditor)
{
    generate(3);
    EXPECT_EQ(page->Label3->text(), QStringLiteral("Dies ist eine zufällige Auswahl von 100 Karten aus 504 möglichen Karten"));
    const GalleryGeometry g = page->galleryGeometry();
    ASSERT_TRUE(waitUntil([&] { return page->PaintBox4->size() == QSize(g.surfaceWidth, g.surfaceHeight); }));
    ASSERT_GT(g.rows, 5);

    // A click on a thumbnail selects it; one between thumbnails changes nothing
    // and paints nothing.
    PaintCounter counter(page->PaintBox4);
    QTest::mouseClick(page->PaintBox4, Qt::LeftButton, {}, thumbnailCentre(1));
    EXPECT_EQ(page->wizard().SelectedTemplate, 1);
    ASSERT_TRUE(waitUntil([&] { return counter.paints > 0; }));
    QTest::qWait(20);
    const int paints = counter.paints;
    const CellBox t1 = g.thumbnail(1);
    QTest::mouseClick(page->PaintBox4, Qt::RightButton, {}, QPoint(t1.x1 + 5, t1.y0 + 20));
    QTest::mouseClick(page->PaintBox4, Qt::LeftButton, {}, thumbnailCentre(1));
    QTest::qWait(20);
    EXPECT_EQ(page->wizard().SelectedTemplate, 1);
    EXPECT_EQ(counter.paints, paints);

    // Each wheel step scrolls by 20 pixels.
    QScrollBar *bar = page->ScrollBox4->verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    const QPoint at = page->ScrollBox4->viewport()->rect().center();
    QWheelEvent down(at, page->ScrollBox4->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page->ScrollBox4->viewport(), &down);
    EXPECT_EQ(bar->value(), 40);
    QWheelEvent up(at, page->ScrollBox4->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page->ScrollBox4->viewport(), &up);
    EXPECT_EQ(bar->value(), 20);

    // Adoption of an empty card asks nothing and shows the editor.
    const TemplateLayout chosen = page->wizard().Layouts[1];
    QTest::mouseClick(page->UseTemplateBtn, Qt::LeftButton);
    EXPECT_TRUE(prompts.seen().empty());
    EXPECT_EQ(window->pages()->currentWidget(), window->editorPage());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - NONAME01"));
    Document &doc = window->document();
    QStringList texts;
    for (int slot = 1; slot <= 3; ++slot) {
        EXPECT_EQ(doc.pool[slot].Kind, KindText);
        texts << QString::fromLatin1(doc.pool[slot].Text);
    }
    EXPECT_EQ(doc.pool[4].Kind, KindFree);
    // Slots follow the cells column by column.
    QStringList expected;
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) {
            const int n = chosen[size_t(c)][size_t(r)];
            if (n > 0)
                expected << page->wizard().element(n)->Text;
        }
    }
    EXPECT_EQ(texts, expected);
}

TEST_F(TemplateWindowTest, DoubleClickOnAThumbnailAdoptsIt)
{
    generate(1);
    const GalleryGeometry g = page->galleryGeometry();
    ASSERT_TRUE(waitUntil([&] { return page->PaintBox4->size() == QSize(g.surfaceWidth, g.surfaceHeight); }));
    window->document().pool[7].Kind = KindFigure;
    prompts.answer(MsgNo);
    QTest::mouseDClick(page->PaintBox4, Qt::LeftButton, {}, thumbnailCentre(4));
    EXPECT_EQ(page->wizard().SelectedTemplate, 4);
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Vorlage in den Editor übernehmen"));
    EXPECT_EQ(window->pages()->currentWidget(), window->editorPage());
    EXPECT_EQ(window->document().pool[1].Kind, KindText);
    EXPECT_EQ(window->document().pool[7].Kind, KindFree);
    // Layout 4 of one element holds it in exactly one cell, whose column aligns the text.
    const int cell = cellOf(page->wizard().Layouts[4], 1);
    EXPECT_EQ(window->document().pool[1].TextAlign, cell / 3);
}

TEST_F(TemplateWindowTest, FileNamesAreTidiedOnceWhole)
{
    window->showTemplateWizard();
    QLineEdit *edit = page->GrafikFileEd;
    edit->setFocus();
    edit->clear();
    // Typed into the program folder: nothing is cut while typing.
    const QString typed = ProgramFolder() + QStringLiteral("bild.bmp");
    QTest::keyClicks(edit, typed);
    EXPECT_EQ(edit->text(), typed);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), QStringLiteral("bild.bmp"));

    // A name chosen in the dialog, quoted and in a sub-folder, keeps its folder.
    const QString sub = ProgramFolder() + QStringLiteral("sub/x.bmp");
    prompts.chooseFile(QLatin1Char('"') + sub + QLatin1Char('"'));
    QTest::mouseClick(page->findChild<QAbstractButton *>(QStringLiteral("BkGndFileEDBrowse")), Qt::LeftButton);
    EXPECT_EQ(page->BkGndFileED->text(), sub);
    EXPECT_EQ(prompts.last().kind, Prompt::Kind::OpenFile);
    EXPECT_EQ(prompts.last().directory, ProgramFolder());
}
