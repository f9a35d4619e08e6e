// The page "Drucken" in the real main window: run fields, preview, zoom,
// printing into a PDF without a printer, progress and the calibration dialog.
#include "events/eventdatabase.h"
#include "printing/calibration.h"
#include "printing/printjob.h"
#include "tests/support/testsupport.h"
#include "ui/KalibrateUnit1.h"
#include "ui/PrintPage.h"
#include "ui/Sdimain.h"
#include "ui/SettingsPage.h"
#include "ui/modal.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PrintWindow {
public:
    explicit PrintWindow(ModalHook hook = [](QDialog &) { return int(QDialog::Rejected); })
    {
        // One event, so that placeholders are filled.
        EventDatabase db;
        db.events.resize(1);
        writeEventDatabaseFile(eventDatabasePath(), db);
        previousHook_ = setModalHook(std::move(hook));
        window = std::make_unique<TSDIAppForm>();
        window->StartupNewDone = true;   // no new-card step in these tests
        window->show();
        page = window->printPage();
        window->pages()->setCurrentWidget(page);
    }
    ~PrintWindow()
    {
        window.reset();
        setModalHook(previousHook_);
    }
    // The preview as painted; the first paint may only size the surface.
    QImage preview()
    {
        page->VPaint->grab();
        return page->VPaint->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    Tobs &addElement(int kind, double leftMm, double topMm, double widthMm, double heightMm)
    {
        Document &doc = window->document();
        int slot = 1;
        while (doc.pool[slot].Kind != KindFree)
            ++slot;
        Tobs &e = doc.pool[slot];
        e.Kind = kind;
        e.Left = int32_t(mmToDocUnits(doc.ticketType.CardWidth + leftMm));
        e.Top = int32_t(mmToDocUnits(doc.ticketType.CardHeight + topMm));
        e.Width = int32_t(mmToDocUnits(widthMm));
        e.Height = int32_t(mmToDocUnits(heightMm));
        return e;
    }

    std::unique_ptr<TSDIAppForm> window;
    PrintPage *page = nullptr;

private:
    ModalHook previousHook_;
};

QAction *menuAction(TSDIAppForm &w, const char *name)
{
    return w.findChild<QAction *>(QLatin1String(name));
}

} // namespace

TEST(PrintPageWindow, RunFieldsClampAndThePreviewFollowsTheZoom)
{
    TestFolder folder;
    PrintWindow w;
    PrintPage &p = *w.page;
    EXPECT_EQ(p.UsedED->toolTip(), QStringLiteral("Schon bedruckte Positionen festlegen"));
    EXPECT_EQ(p.KopiesED->maximum(), 10000000);
    // The start-up type has 2 × 5 tickets.
    p.UsedED->setValue(15);
    EXPECT_EQ(p.UsedED->value(), 9);
    p.KopiesED->setValue(30);
    p.PageEd->setValue(4);
    EXPECT_EQ(p.PageEd->value(), 4);
    p.KopiesED->setValue(12);
    EXPECT_EQ(p.PageEd->value(), 3);
    p.KopiesED->setValue(1);
    EXPECT_EQ(p.PageEd->value(), 1);

    // No printer here: A4 at 600 dpi, shown at 72, 108 and back.
    EXPECT_EQ(w.preview().size(), QSize(619, 877));
    QTest::mouseClick(p.ZoominBtn, Qt::LeftButton);
    EXPECT_EQ(p.PreviewDpi, 108);
    EXPECT_EQ(w.preview().size(), QSize(4958 / 5, 7017 / 5));
    QTest::mouseClick(p.ZoomOutBtn, Qt::LeftButton);
    QTest::mouseClick(p.ZoomOutBtn, Qt::LeftButton);
    EXPECT_EQ(p.PreviewDpi, 48);
    EXPECT_EQ(w.preview().size(), QSize(4958 / 12, 7017 / 12));
}

TEST(PrintPageWindow, EditedSeatLineShowsInTheNextPreview)
{
    TestFolder folder;
    PrintWindow w;
    Tobs &text = w.addElement(KindText, 2, 2, 80, 20);
    text.Text = "[Sitzplatz]";
    text.FontName = "Liberation Sans";
    text.FontSize = 20;
    SettingsPage *settings = w.window->settingsPage();
    QStringList lines(10, QString());
    settings->SitzplatzMemo->setPlainText(lines.join(QLatin1Char('\n')));
    w.page->KopiesED->setValue(1);
    const QImage before = w.preview();
    int whiteBefore = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            whiteBefore += before.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_EQ(whiteBefore, before.width() * before.height());   // every seat line empty

    lines[0] = QStringLiteral("WWWWWWWW");
    settings->SitzplatzMemo->setPlainText(lines.join(QLatin1Char('\n')));
    const QImage after = w.preview();
    EXPECT_NE(after, before);
}

TEST(PrintPageWindow, PrintingWithoutPrinterWritesAPdfAndShowsProgress)
{
    TestFolder folder;
    PrintWindow w;
    ScriptedPrompts prompts;
    const QString pdf = folder.file(QStringLiteral("karten.pdf"));
    prompts.chooseFile(pdf);
    w.page->KopiesED->setValue(25);
    w.page->UsedED->setValue(3);
    w.page->PageEd->setValue(3);
    w.page->SchneidBtn->setChecked(true);
    menuAction(*w.window, "PrintItem")->trigger();
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().kind, Prompt::Kind::SaveFile);
    EXPECT_EQ(prompts.last().filter, QStringLiteral("PDF-Dateien (*.pdf)|*.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(readFileBytes(pdf).count("/Type /Page\n") + readFileBytes(pdf).count("/Type /Page "), 3);
    EXPECT_EQ(w.window->progressBar()->value(), 0);
    EXPECT_FALSE(w.page->isPrinting());
    EXPECT_TRUE(w.page->PrintBtn->isEnabled());
    EXPECT_FALSE(w.window->document().scale.UsePrintScale);
}

TEST(PrintPageWindow, CancelStopsTheRunBetweenTickets)
{
    TestFolder folder;
    PrintWindow w;
    ScriptedPrompts prompts;
    const QString pdf = folder.file(QStringLiteral("lang.pdf"));
    prompts.chooseFile(pdf);
    w.page->KopiesED->setValue(100000);
    // The cancel button appears with the run and is pressed while it prints.
    int progressSeen = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!w.page->isPrinting())
            return;
        progressSeen = std::max(progressSeen, w.window->progressBar()->value());
        if (w.page->CancelPrintBtn->isVisible())
            QTest::mouseClick(w.page->CancelPrintBtn, Qt::LeftButton);
    });
    poll.start(5);
    QTest::mouseClick(w.page->PrintBtn, Qt::LeftButton);
    poll.stop();
    EXPECT_FALSE(w.page->isPrinting());
    EXPECT_FALSE(w.page->CancelPrintBtn->isVisible());
    EXPECT_LT(progressSeen, 100);
    EXPECT_TRUE(w.page->PrintBtn->isEnabled());
    // No error message for a cancelled run.
    EXPECT_EQ(prompts.seen().size(), 1u);
}

TEST(PrintPageWindow, CalibrationIsReadAtStartAndWrittenWhenTheDialogCloses)
{
    TestFolder folder;
    writeCalibration(Calibration{2.5, 1, 101, 99});
    PrintWindow w([](QDialog &d) {
        auto *form = qobject_cast<TKalForm *>(&d);
        if (!form)
            return int(QDialog::Rejected);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Drucker kalibrieren - Die Feineinstellung "));
        EXPECT_DOUBLE_EQ(form->LinksEd->value(), 2.5);
        EXPECT_DOUBLE_EQ(form->BreitEd->value(), 101);
        form->ObenEd->setValue(9);   // clamped to 6
        form->HochEd->setValue(104.5);
        // "Zurück..." closes the dialog; the values are kept all the same.
        form->show();
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
        return d.result();
    });
    QTest::mouseClick(w.page->CalibrateBtn, Qt::LeftButton);
    EXPECT_EQ(readCalibration(), (Calibration{2.5, 6, 101, 104.5}));
    EXPECT_EQ(folder.read(QStringLiteral("options.dat")).size(), 32);
}
