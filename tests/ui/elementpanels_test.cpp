#include "core/document.h"
#include "tests/support/testsupport.h"
#include "tests/ui/scripteddialogs.h"
#include "editor/elementcommands.h"
#include "ui/ElementEditor.h"
#include "ui/ElementPanels.h"
#include "ui/standarddialogs.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
class ElementEditorTest : public ::testing::Test {
protected:
    ElementEditorTest()
        : pageControl(new QTabWidget), menu(new QMenu(&window)), backgroundMenu(new QMenu(&window)),
          editor(doc, {&window, pageControl, menu, backgroundMenu}, font, [this] {
              ++paints;
              editor.CheckAllPanelOptions();
          })
    {
        panels = editor.panels();
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(pageControl);
        window.resize(200, 700);
        editor.beforeCardChange = [this](const QString &what) { changes.push_back(what); };
        window.show();
    }

    Tobs &select(int slot, int32_t kind)
    {
        Tobs &e = doc.pool[slot];
        e.Kind = kind;
        e.Width = 20800;
        e.Height = 10400;
        doc.CurrentElement = slot;
        editor.CheckAllPanelOptions();
        return e;
    }

    std::vector<QString> visibleTabs() const
    {
        std::vector<QString> tabs;
        for (int i = 0; i < pageControl->count(); ++i)
            if (pageControl->isTabVisible(i))
                tabs.push_back(pageControl->tabText(i));
        return tabs;
    }

    TestFolder folder;
    Document doc;
    QWidget window;
    QTabWidget *pageControl;
    QMenu *menu, *backgroundMenu;
    CreationFont font;
    int paints = 0;
    std::vector<QString> changes;
    ElementEditor editor;
    ElementPanels *panels = nullptr;
};

using Tabs = std::vector<QString>;

// Radio buttons and check boxes take clicks on their indicator and text only.
void clickIndicator(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}
}

TEST_F(ElementEditorTest, PanelPagesFollowTheSelection)
{
    editor.CheckAllPanelOptions();
    EXPECT_EQ(visibleTabs(), Tabs{});
    select(1, KindText).TextAlign = 2;
    editor.CheckAllPanelOptions();
    EXPECT_EQ(visibleTabs(), (Tabs{"Text", "Allgemein"}));
    EXPECT_EQ(pageControl->currentWidget(), panels->TextSheet);
    EXPECT_TRUE(panels->RightAlign->isChecked());

    select(2, KindBarcode);
    EXPECT_EQ(visibleTabs(), Tabs{"Allgemein"}) << "right after a text";
    EXPECT_EQ(pageControl->currentWidget(), panels->AllgemeinSheet);

    Tobs &image = select(3, KindImage);
    EXPECT_EQ(visibleTabs(), (Tabs{"Bild", "Allgemein"}));
    image.KeepAspect = 0;
    editor.CheckAllPanelOptions();
    EXPECT_FALSE(panels->SVerhCheck->isChecked());
    clickIndicator(panels->SVerhCheck);
    EXPECT_EQ(image.KeepAspect, 1);
}

TEST_F(ElementEditorTest, LinesDisableBorderColourAndFillAndShowingWritesNothing)
{
    Tobs &figure = select(4, KindFigure);
    figure.Shape = 7;
    figure.LineWidth = 0;
    editor.CheckAllPanelOptions();
    EXPECT_EQ(visibleTabs(), (Tabs{"Figur", "Allgemein"}));
    EXPECT_TRUE(panels->ShapeRadios[7]->isChecked());
    EXPECT_FALSE(panels->UColorBtn->isEnabled());
    EXPECT_FALSE(panels->BorderCheck->isEnabled());
    EXPECT_EQ(panels->LinieEd->value(), 1);
    EXPECT_EQ(figure.LineWidth, 0) << "synchronising must not change the element";
    EXPECT_EQ(paints, 0);

    clickIndicator(panels->ShapeRadios[2]);
    EXPECT_EQ(figure.Shape, 2);
    EXPECT_TRUE(panels->UColorBtn->isEnabled()) << "the paint after the change enables them again";
    clickIndicator(panels->FilledBorderCheck);
    EXPECT_EQ(figure.FillMode, 2);
    panels->LinieEd->setValue(7);
    EXPECT_EQ(figure.LineWidth, 7);
    QTest::mouseClick(panels->Front1Btn, Qt::LeftButton);
    EXPECT_EQ(doc.CurrentElement, ElementPool::SlotCount);
    EXPECT_EQ(doc.pool[ElementPool::SlotCount].LineWidth, 7);
    EXPECT_GE(paints, 4);
}

TEST_F(ElementEditorTest, ElementMenuItemsFollowTheKindAndTheShapeCheck)
{
    Tobs &figure = select(5, KindFigure);
    figure.Shape = 8;
    editor.prepareElementMenu();
    EXPECT_TRUE(editor.action("Lnieschrghoch1")->isChecked());
    EXPECT_TRUE(editor.action("FarbeM")->isEnabled());
    EXPECT_FALSE(editor.action("SchriftartM")->isEnabled());
    EXPECT_FALSE(editor.action("Nachlinksrotieren1")->isEnabled());
    figure.Shape = 3;
    editor.prepareElementMenu();
    for (const char *name : {"KreisM", "EllipseM", "QuadratM", "RechteckM", "Rund1M", "Rund2M",
                             "Liniehorizontal1", "Linievertikal1", "Lnieschrghoch1", "Linieschrgrunter1"})
        EXPECT_EQ(editor.action(name)->isChecked(), QByteArray(name) == "RechteckM") << name;
    EXPECT_EQ(editor.action("RechteckM")->text(), QStringLiteral("&Rechteck"));
    EXPECT_EQ(editor.action("KreisM")->statusTip(), QStringLiteral("Das Objekt ist ein Kreis"));
    editor.action("EllipseM")->trigger();
    EXPECT_EQ(figure.Shape, 1);

    Tobs &text = select(6, KindText);
    text.TextAlign = 1;
    editor.prepareElementMenu();
    EXPECT_TRUE(editor.action("Zentriert1")->isChecked());
    EXPECT_FALSE(editor.action("Linksbnig1")->isChecked());
    EXPECT_TRUE(editor.action("SchriftartM")->isEnabled());
    EXPECT_FALSE(editor.action("KreisM")->isEnabled());
    EXPECT_FALSE(editor.action("Transparenz1")->isEnabled());
    editor.action("Rechtsbndig1")->trigger();
    EXPECT_EQ(text.TextAlign, 2);
}

TEST_F(ElementEditorTest, ColourDialogIsPresetAndCancelChangesNothing)
{
    Tobs &figure = select(1, KindFigure);
    figure.Color = 0x00336699;
    ScriptedDialogs dialogs;
    QColor preset;
    dialogs.then([&](QDialog &d) {
        auto &c = dynamic_cast<QColorDialog &>(d);
        preset = c.currentColor();
        c.setCurrentColor(QColor(1, 2, 3));
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(panels->ColorBtn, Qt::LeftButton);
    EXPECT_EQ(preset, QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(figure.Color, 0x00336699);

    dialogs.then([&](QDialog &d) {
        dynamic_cast<QColorDialog &>(d).setCurrentColor(QColor(1, 2, 3));
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(panels->UColorBtn, Qt::LeftButton);
    EXPECT_EQ(figure.LineColor, 0x00030201);
    EXPECT_EQ(dialogs.pending(), 0u);
    EXPECT_EQ(changes, std::vector<QString>{"border colour"}) << "a cancelled dialog is no change";
}

TEST_F(ElementEditorTest, FontDialogTakesTheSizeWhereHeightDisagreesAndKeepsItsFont)
{
    Tobs &text = select(1, KindText);
    text.FontName = "DejaVu Sans";
    text.FontSize = 30;
    text.FontHeight = -8;
    text.FontStyle = 2;
    text.Color = 0x0000FF;
    ScriptedDialogs dialogs;
    QFont preset;
    dialogs.then([&](QDialog &d) {
        auto &f = dynamic_cast<QFontDialog &>(d);
        preset = f.currentFont();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(panels->FontBtn, Qt::LeftButton);
    EXPECT_EQ(preset.pointSize(), 30);
    EXPECT_TRUE(preset.italic());
    EXPECT_EQ(text.FontHeight, -8) << "cancelled";
    EXPECT_EQ(font.size, 30) << "the dialog keeps the preset font";
    EXPECT_EQ(font.height, -40);

    dialogs.then([&](QDialog &d) {
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(18);
        chosen.setBold(true);
        chosen.setUnderline(true);
        dynamic_cast<QFontDialog &>(d).setCurrentFont(chosen);
        return int(QDialog::Accepted);
    });
    editor.action("SchriftartM")->trigger();
    EXPECT_EQ(text.FontSize, 18);
    EXPECT_EQ(text.FontHeight, -24);
    EXPECT_EQ(text.FontStyle, 1 | 4);
    EXPECT_EQ(text.Color, 0x0000FF);
    EXPECT_EQ(font, ElementCommands::fontOf(text));
}

TEST_F(ElementEditorTest, DeleteThroughThePanelAsks)
{
    select(9, KindFigure);
    ScriptedPrompts prompts;
    prompts.answer(MsgNo);
    QTest::mouseClick(panels->Del1Btn, Qt::LeftButton);
    EXPECT_EQ(doc.CurrentElement, 9);
    prompts.answer(MsgYes);
    editor.action("Lschen1")->trigger();
    EXPECT_EQ(doc.CurrentElement, 0);
    EXPECT_EQ(doc.pool[9].Kind, KindFree);
    EXPECT_EQ(visibleTabs(), Tabs{});
}
