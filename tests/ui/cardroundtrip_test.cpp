// A card built through the editor's dialogs looks the same after saving and
// opening it again.
#include "core/designcommands.h"
#include "core/document.h"
#include "editor/editorpaint.h"
#include "editor/elementcreation.h"
#include "render/canvaspainter.h"
#include "render/raster.h"
#include "tests/support/testpictures.h"
#include "tests/support/testsupport.h"
#include "tests/ui/scripteddialogs.h"
#include "ui/BMPOpenFUnit.h"
#include "ui/EffektFUnit.h"
#include "ui/ElementEditor.h"
#include "ui/TranspFUnit.h"
#include "ui/bkgndunit.h"
#include "ui/txtFunit.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
QImage renderPasteboard(Document &doc)
{
    CardRenderInputs inputs;
    inputs.placeholders.eventCurrent = true;
    inputs.placeholders.values[2] = QStringLiteral("Stadthalle");
    const int32_t W = doc.surfaceWidth(), H = doc.surfaceHeight();
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    PainterCanvas canvas(painter, &image);
    paintEditor(canvas, doc, inputs, EditorView{W, H, 0, 0}, 4711, EditorState{});
    return image;
}

ScriptedDialogs::Step chooseInOpenDialog(const char *name)
{
    return [name](QDialog &d) {
        auto &open = dynamic_cast<TBMPOpenForm &>(d);
        open.show();
        EXPECT_TRUE(open.selectEntry(QString::fromLatin1(name)));
        QTest::mouseClick(open.findChild<QPushButton *>("OpenBtn"), Qt::LeftButton);
        return d.result();
    };
}
}

TEST(CardRoundTrip, ACardBuiltThroughTheDialogsRendersTheSameAfterSaveAndOpen)
{
    TestFolder folder;
    // A picture whose lower-left pixel is white: that colour becomes transparent.
    DibImage logo = makePatternPicture(60, 40);
    for (int x = 0; x < 60; ++x)
        setpixel(logo, x, 39, 0xFFFFFF);
    ASSERT_EQ(SaveDib(logo, folder.file("logo.bmp"), 3), 1);
    deldib(logo);
    ASSERT_TRUE(writePatternBmp(folder.file("kachel.bmp"), 25, 15));

    Document doc;
    doc.sizePasteboardFromTicketType();
    QWidget window;
    CreationFont font;
    ElementEditor editor(doc, {&window, new QTabWidget(&window), new QMenu(&window), new QMenu(&window)}, font, [] {});
    ScriptedDialogs dialogs;

    // Text with two placeholders, typed and inserted, with a green shadow.
    const int32_t cardX = doc.surfaceWidth() / 3, cardY = doc.surfaceHeight() / 3;
    font.size = 14;
    ASSERT_EQ(createElement(doc, EditorTool::Text, cardX + 10, cardY + 10, font, 96, {}), 1);
    Tobs &text = doc.pool[1];
    text.SetPxWidth(290);
    text.SetPxHeight(100);
    dialogs.then([](QDialog &d) {
        auto &form = dynamic_cast<TTxtForm &>(d);
        form.show();
        QTest::keyClicks(form.Memo1, "Ort: ");
        form.ComboBox1->setCurrentText(QStringLiteral("Ort"));
        QTest::mouseClick(form.AdddBtn, Qt::LeftButton);
        QTest::keyClick(form.Memo1, Qt::Key_Return);
        form.ComboBox1->setCurrentText(QStringLiteral("Kartennummer"));
        QTest::mouseClick(form.AdddBtn, Qt::LeftButton);
        form.hide();
        return int(QDialog::Accepted);
    });
    editor.EditTextNow();
    ASSERT_EQ(text.Text, QByteArray("Ort: [Ort]\r[Kartennummer]"));
    dialogs.then([&dialogs](QDialog &d) {
        auto &form = dynamic_cast<TEffektForm &>(d);
        form.SchattCheck->setChecked(true);
        dialogs.then([](QDialog &c) {
            dynamic_cast<QColorDialog &>(c).setCurrentColor(QColor(0, 160, 0));
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(form.SchattColorBtn, Qt::LeftButton);
        form.SchattED1->setValue(8);
        return int(QDialog::Accepted);
    });
    editor.Texteffekte1Click();
    ASSERT_EQ(text.Shadow, 1);

    // A transparent picture, turned once.
    dialogs.then(chooseInOpenDialog("logo.bmp"));
    const auto chooser = [&editor] { return editor.chooseImageFile().value_or(QString()); };
    ASSERT_EQ(createElement(doc, EditorTool::Image, cardX + 150, cardY + 25, font, 96, chooser), 2);
    Tobs &image = doc.pool[2];
    EXPECT_EQ(image.Text, QByteArray("logo.bmp"));
    dialogs.then([](QDialog &d) {
        auto &form = dynamic_cast<TTransForm &>(d);
        form.TransCheck->setChecked(true);
        form.AutoCheck->setChecked(true);
        return int(QDialog::Accepted);
    });
    editor.Transparenz1Click();
    editor.rotateRight();
    ASSERT_EQ(image.Rotation, 1);

    // A tiled background.
    dialogs.then([&dialogs, &editor](QDialog &d) {
        d.show();
        dialogs.then(chooseInOpenDialog("kachel.bmp"));
        QTest::mouseClick(editor.bkgndform->OpenBtn, Qt::LeftButton);
        QTest::mouseClick(editor.bkgndform->TileRadio, Qt::LeftButton);
        QTest::mouseClick(editor.bkgndform->BackBtn, Qt::LeftButton);
        return d.result();
    });
    editor.Hintergrundbild1Click();
    ASSERT_EQ(doc.BackgroundMode, 3);
    EXPECT_EQ(dialogs.pending(), 0u);

    doc.CurrentElement = 0;   // no selection marks
    const QImage before = renderPasteboard(doc);
    const QString path = folder.file("karte.etr");
    ASSERT_TRUE(DesignCommands::Saveit(doc, path));

    Document reopened;
    ASSERT_EQ(DesignCommands::OpenItNow(reopened, path), DesignCommands::OpenOutcome::Opened);
    EXPECT_EQ(reopened.pool[1].Text, text.Text);
    EXPECT_EQ(reopened.BackgroundFile, QByteArray("kachel.bmp"));
    const QImage after = renderPasteboard(reopened);
    ASSERT_EQ(before.size(), after.size());
    EXPECT_TRUE(before == after) << "the reopened card differs";

    // The render really shows what was built: shadow green and the background tiles.
    const QRgb green = qRgb(0, 160, 0);
    bool sawShadow = false;
    for (int y = 0; y < before.height() && !sawShadow; ++y)
        for (int x = 0; x < before.width() && !sawShadow; ++x)
            sawShadow = before.pixel(x, y) == green;
    EXPECT_TRUE(sawShadow);
    const QPoint cardCorner(before.width() / 3 + 1, before.height() / 3 + 1);
    EXPECT_NE(before.pixel(cardCorner), qRgb(255, 255, 255)) << "the background covers the card";
}
