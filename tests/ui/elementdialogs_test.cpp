#include "core/document.h"
#include "core/programfolder.h"
#include "editor/elementcreation.h"
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
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class ElementDialogsTest : public ::testing::Test {
protected:
    ElementDialogsTest()
        : editor(doc, {&window, new QTabWidget(&window), new QMenu(&window), new QMenu(&window)}, font,
                 [this] { ++paints; })
    {
    }

    Tobs &select(int slot, int32_t kind)
    {
        Tobs &e = doc.pool[slot];
        e.Kind = kind;
        doc.CurrentElement = slot;
        return e;
    }

    // Near the left edge: check boxes and radio buttons take clicks on their indicator and text only.
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }

    TestFolder folder;
    Document doc;
    QWidget window;
    CreationFont font;
    int paints = 0;
    ElementEditor editor;
};

ScriptedDialogs::Step answerColour(QColor colour, bool ok)
{
    return [=](QDialog &d) {
        dynamic_cast<QColorDialog &>(d).setCurrentColor(colour);
        return int(ok ? QDialog::Accepted : QDialog::Rejected);
    };
}

// Opens the entry in the image open dialog's list, as a double click does.
void openEntry(TBMPOpenForm &form, const QString &name)
{
    const auto found = form.JamShellList1->findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    emit form.JamShellList1->itemActivated(found.first());
}
}

TEST_F(ElementDialogsTest, TextDialogShowsLinesAndStoresThemJoinedByCarriageReturns)
{
    Tobs &text = select(2, KindText);
    text.Text = "Wort\r[Ort]\r";
    ScriptedDialogs dialogs;
    QStringList fields;
    dialogs.then([&](QDialog &d) {
        auto &form = dynamic_cast<TTxtForm &>(d);
        form.show();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Text eingeben..."));
        EXPECT_EQ(form.Memo1->document()->blockCount(), 2);
        EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("Wort\n[Ort]"));
        for (int i = 0; i < form.ComboBox1->count(); ++i)
            fields << form.ComboBox1->itemText(i);
        EXPECT_EQ(form.ComboBox1->currentIndex(), 0);
        EXPECT_FALSE(form.AddBtn2->isVisible());
        return int(QDialog::Accepted);
    });
    editor.EditTextNow();
    EXPECT_EQ(text.Text, QByteArray("Wort\r[Ort]")) << "the final CR is dropped";
    ASSERT_EQ(fields.size(), 13);
    EXPECT_EQ(fields[2], QStringLiteral("Ort"));
    EXPECT_EQ(fields[12], QStringLiteral("Kartennummer"));
    EXPECT_EQ(paints, 1);

    dialogs.then([&](QDialog &d) {
        auto &form = dynamic_cast<TTxtForm &>(d);
        form.Memo1->setPlainText(QStringLiteral("geändert"));
        return int(QDialog::Rejected);
    });
    editor.EditTextNow();
    EXPECT_EQ(text.Text, QByteArray("Wort\r[Ort]"));
}

TEST_F(ElementDialogsTest, InsertingAFieldGoesToTheCursorAndInFrontOfASelection)
{
    TTxtForm &form = *editor.TxtForm;
    form.setElementText("Wortteil");
    form.show();
    QTextCursor cursor = form.Memo1->textCursor();
    cursor.setPosition(4);
    form.Memo1->setTextCursor(cursor);
    form.ComboBox1->setCurrentText(QStringLiteral("Datum und Uhrzeit"));
    click(form.AdddBtn);
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("Wort[Datum und Uhrzeit]teil"));
    EXPECT_EQ(form.Memo1->textCursor().position(), 23);
    EXPECT_TRUE(waitUntil([&] { return form.Memo1->hasFocus(); }, 2000));

    form.setElementText("ab\rcd");
    cursor = form.Memo1->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(5, QTextCursor::KeepAnchor);   // "cd" selected
    form.Memo1->setTextCursor(cursor);
    form.ComboBox1->setCurrentText(QStringLiteral("Kartennummer"));
    click(form.AdddBtn);
    EXPECT_EQ(form.elementText(), QByteArray("ab\r[Kartennummer]cd"));
    EXPECT_EQ(form.Memo1->textCursor().position(), 17);
    form.hide();
}

TEST_F(ElementDialogsTest, EffectsApplyOnlyOnOk)
{
    Tobs &text = select(3, KindText);
    text.LineColor = 0x111111;
    text.FillMode = 0x222222;
    ScriptedDialogs dialogs;
    dialogs.then([&](QDialog &d) {
        auto &form = dynamic_cast<TEffektForm &>(d);
        form.show();
        EXPECT_EQ(form.SchattED1->value(), 5);
        dialogs.then(answerColour(QColor(0xFF, 0, 0), true));
        dialogs.then(answerColour(QColor(0, 0xFF, 0), true));
        click(form.UmrColorBtn);
        click(form.SchattColorBtn);
        click(form.UmrCheck);
        return int(QDialog::Rejected);
    });
    editor.Texteffekte1Click();
    EXPECT_EQ(text.LineColor, 0x111111);
    EXPECT_EQ(text.FillMode, 0x222222);
    EXPECT_EQ(text.Outline, 0);

    dialogs.then([&](QDialog &d) {
        auto &form = dynamic_cast<TEffektForm &>(d);
        form.show();
        EXPECT_FALSE(form.UmrCheck->isChecked()) << "preset from the element again";
        dialogs.then(answerColour(QColor(0, 0, 0xFF), false));
        click(form.SchattColorBtn);   // cancelled: the dialog's shadow colour stays
        click(form.SchattCheck);
        form.SchattED1->setValue(-30);
        form.SchattEd2->setValue(-1000000);
        return int(QDialog::Accepted);
    });
    editor.action("Texteffekte1")->trigger();
    EXPECT_EQ(text.Shadow, 1);
    EXPECT_EQ(text.FillMode, 0x222222);
    EXPECT_EQ(text.EffectDX, -30);
    EXPECT_EQ(text.EffectDY, -1000000);
    EXPECT_EQ(dialogs.pending(), 0u);
}

TEST_F(ElementDialogsTest, TransparencyDialogEditsTheImageFields)
{
    Tobs &image = select(4, KindImage);
    image.setTransColor(0x0000FF);
    ScriptedDialogs dialogs;
    dialogs.then([&](QDialog &d) {
        auto &form = dynamic_cast<TTransForm &>(d);
        form.show();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Transparenz"));
        dialogs.then([&](QDialog &c) {
            EXPECT_EQ(dynamic_cast<QColorDialog &>(c).currentColor(), QColor(0xFF, 0, 0));
            return answerColour(QColor(0, 0x80, 0), true)(c);
        });
        click(form.ColorBtn);
        click(form.TransCheck);
        click(form.AutoCheck);
        return int(QDialog::Accepted);
    });
    editor.Transparenz1Click();
    EXPECT_EQ(image.Transparent, 1);
    EXPECT_EQ(image.AutoTransparent, 1);
    EXPECT_EQ(image.TransColor(), 0x008000);
}

TEST_F(ElementDialogsTest, ImageOpenStoresBareNamesOnlyForTheProgramFolder)
{
    ASSERT_TRUE(writePatternBmp(folder.file("bild.bmp"), 40, 20));
    ASSERT_TRUE(QDir(folder.path()).mkdir("unter"));
    ASSERT_TRUE(writePatternBmp(folder.file("unter/tief.bmp"), 4, 4));
    folder.write("notiz.txt", "kein Bild");
    TBMPOpenForm &form = *editor.BMPOpenForm;
    ScriptedDialogs dialogs;
    dialogs.then([&](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Bild öffnen"));
        form.resize(641, 421);
        form.show();
        QStringList entries;
        for (int i = 0; i < form.JamShellList1->count(); ++i)
            entries << form.JamShellList1->item(i)->text();
        EXPECT_EQ(entries, (QStringList{"unter", "bild.bmp"})) << "folders, then the pictures of the type";
        EXPECT_EQ(form.FilterComboBox1->currentText(), GetDIBOpenFilter().section('|', 0, 0));
        EXPECT_TRUE(form.selectEntry("bild.bmp"));
        EXPECT_EQ(form.FileNameEdit->text(), QStringLiteral("bild.bmp"));
        EXPECT_EQ(form.PreviewBitmap.size(), QSize(40, 20));
        // The preview is fitted to the area's width at its top-left.
        const QImage shot = form.PreviewArea->grab().toImage();
        const int h = form.PreviewArea->width() * 20 / 40;
        EXPECT_NE(shot.pixel(1, h - 2), shot.pixel(1, h + 2));
        click(form.findChild<QPushButton *>("OpenBtn"));
        return d.result();
    });
    EXPECT_EQ(editor.chooseImageFile(), std::optional<QString>("bild.bmp"));

    dialogs.then([&](QDialog &d) {
        form.show();
        openEntry(form, "unter");
        EXPECT_TRUE(form.FileNameEdit->text().isEmpty());
        openEntry(form, "tief.bmp");
        return d.result();
    });
    EXPECT_EQ(editor.chooseImageFile(), std::optional<QString>(folder.file("unter/tief.bmp")));

    dialogs.then([&](QDialog &d) {
        form.show();
        EXPECT_EQ(QDir(form.folder()), QDir(folder.path())) << "each use starts in the program folder";
        form.PreviewCheck->setChecked(false);
        form.selectEntry("bild.bmp");
        EXPECT_TRUE(form.PreviewBitmap.isNull()) << "no preview without Vorschau";
        form.PreviewCheck->setChecked(true);
        click(form.UpBtn);
        EXPECT_EQ(QDir(form.folder()), QDir(folder.path() + "/.."));
        click(form.findChild<QPushButton *>("CancelBtn"));
        return d.result();
    });
    EXPECT_EQ(editor.chooseImageFile(), std::nullopt);
}

TEST_F(ElementDialogsTest, ATypedMissingNameIsChosenAndFailsAtTheCaller)
{
    ScriptedDialogs dialogs;
    dialogs.then([&](QDialog &d) {
        auto &form = dynamic_cast<TBMPOpenForm &>(d);
        form.show();
        form.FileNameEdit->setText("fehlt.bmp");
        click(form.findChild<QPushButton *>("OpenBtn"));
        return d.result();
    });
    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    const auto chooser = [this] { return editor.chooseImageFile().value_or(QString()); };
    EXPECT_EQ(createElement(doc, EditorTool::Image, 10, 10, font, 96, chooser), 0);
    EXPECT_EQ(doc.pool[1].Kind, KindFree);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Konnte Bild (fehlt.bmp) nicht Laden."));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Error);
}

TEST_F(ElementDialogsTest, BackgroundDialogClosingRules)
{
    ASSERT_TRUE(writePatternBmp(folder.file("hg.bmp"), 30, 10));
    Tbkgndform &form = *editor.bkgndform;
    ScriptedDialogs dialogs;
    const auto pickPicture = [&](const char *name) {
        return [&dialogs, name](QDialog &d) {
            auto &open = dynamic_cast<TBMPOpenForm &>(d);
            open.show();
            open.FileNameEdit->setText(QString::fromLatin1(name));
            QTest::mouseClick(open.findChild<QPushButton *>("OpenBtn"), Qt::LeftButton);
            return d.result();
        };
    };
    dialogs.then([&](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Hintergrundbild auswählen"));
        EXPECT_TRUE(form.BiggerRadio->isChecked());
        form.show();
        dialogs.then(pickPicture("hg.bmp"));
        click(form.OpenBtn);
        EXPECT_EQ(doc.BackgroundFile, QByteArray("hg.bmp"));
        const QImage shot = form.PreviewArea->grab().toImage();
        const QPoint middle = form.PreviewArea->rect().center();
        EXPECT_NE(shot.pixel(middle), shot.pixel(0, 0)) << "the picture is centred in the preview";
        click(form.TileRadio);
        click(form.BackBtn);
        return d.result();
    });
    editor.Hintergrundbild1Click();
    EXPECT_EQ(doc.BackgroundMode, 3) << "tiles";
    EXPECT_EQ(DibWidth(doc.BackgroundImage), 30);
    EXPECT_EQ(paints, 1);

    dialogs.then([&](QDialog &d) {
        form.show();
        EXPECT_TRUE(form.TileRadio->isChecked()) << "shows the document's mode";
        click(form.NoneBtn);
        click(form.StretchRadio);
        form.reject();   // the close box
        return d.result();
    });
    editor.Hintergrundbild1Click();
    EXPECT_EQ(doc.BackgroundMode, -1) << "after Keins";
    EXPECT_TRUE(doc.BackgroundFile.isEmpty());

    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    dialogs.then([&](QDialog &d) {
        form.show();
        EXPECT_TRUE(form.StretchRadio->isChecked()) << "kept while the card has no picture";
        dialogs.then(pickPicture("kaputt.bmp"));
        click(form.OpenBtn);
        click(form.BackBtn);
        return d.result();
    });
    editor.Hintergrundbild1Click();
    EXPECT_EQ(doc.BackgroundMode, -1) << "failed load";
    EXPECT_TRUE(doc.BackgroundImage.isEmpty());
    EXPECT_EQ(prompts.last().text, QStringLiteral("Konnte Bild (kaputt.bmp) nicht Laden."));
}
