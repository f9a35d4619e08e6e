#include "ui/JpegQFUnit.h"

#include "ui/modal.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Answers the modal form like a user: sets the slider, then presses a button.
class ModalAnswer {
public:
    ModalAnswer(int sliderValue, bool ok)
    {
        previous_ = setModalHook([=](QDialog &dialog) {
            auto &form = dynamic_cast<TJPEGQForm &>(dialog);
            form.QualED1->setValue(sliderValue);
            QTest::mouseClick(form.findChild<QPushButton *>(ok ? "OKBtn" : "CancelBtn"), Qt::LeftButton);
            return dialog.result();
        });
    }
    ~ModalAnswer() { setModalHook(previous_); }

private:
    ModalHook previous_;
};

} // namespace

TEST(JpegQualityForm, ShowsTheControlsWithTheDefaultQuality)
{
    TestFolder folder;
    TJPEGQForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("JPEG-Speicherqualität setzen"));
    EXPECT_EQ(form.QualED1->minimum(), 1);
    EXPECT_EQ(form.QualED1->maximum(), 99);
    EXPECT_EQ(form.QualED2->minimum(), 1);
    EXPECT_EQ(form.QualED2->maximum(), 99);
    EXPECT_EQ(form.QualED1->value(), 75);
    EXPECT_EQ(form.QualED2->value(), 75);
    QStringList texts;
    for (const QLabel *label : form.findChildren<QLabel *>())
        texts << label->text();
    for (const char *expected : {"Je stärker das Bild komprimiert wird, je geringer die Qualität und der Speicherverbrauch.",
                                 "Voreinstellung: 75", "Niedrige Qualität", "Hohe Qualität", "Als Zahl:"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(form.findChild<QPushButton *>("CancelBtn")->text(), QStringLiteral("A&bbrechen"));
}

TEST(JpegQualityForm, SliderAndNumberMoveTogether)
{
    TestFolder folder;
    TJPEGQForm form;
    form.show();
    form.QualED1->setFocus();
    QTest::keyClick(form.QualED1, Qt::Key_End);
    EXPECT_EQ(form.QualED2->value(), 99);
    QTest::keyClick(form.QualED1, Qt::Key_Left);
    EXPECT_EQ(form.QualED2->value(), 98);

    form.QualED2->selectAll();
    QTest::keyClicks(form.QualED2, "12");
    EXPECT_EQ(form.QualED1->value(), 12);
    QTest::keyClick(form.QualED2, Qt::Key_Up);
    EXPECT_EQ(form.QualED1->value(), 13);
}

TEST(JpegQualityForm, TheAcceptedQualityIsKeptAcrossFormsAndACancelledOneIsNot)
{
    TestFolder folder;
    {
        TJPEGQForm form;
        ModalAnswer answer(30, true);
        EXPECT_EQ(jpegQualityAsker(form)(), std::optional<int>(30));
    }
    EXPECT_EQ(QSettings().value("QualED1.Value").toInt(), 30);
    EXPECT_EQ(QSettings().value("QualED2.Value").toInt(), 30);

    TJPEGQForm second;
    EXPECT_EQ(second.QualED1->value(), 30);
    EXPECT_EQ(second.QualED2->value(), 30);
    {
        ModalAnswer answer(90, false);
        EXPECT_EQ(jpegQualityAsker(second)(), std::nullopt);
    }
    EXPECT_EQ(second.QualED1->value(), 30) << "the form shows the quality in use again";
    EXPECT_EQ(second.QualED2->value(), 30);
    EXPECT_EQ(QSettings().value("QualED1.Value").toInt(), 30);
}

TEST(JpegQualityForm, DamagedStoredValuesStayInRangeAndInStep)
{
    TestFolder folder;
    QSettings().setValue("QualED1.Value", 500);
    QSettings().setValue("QualED2.Value", "viel");
    TJPEGQForm form;
    EXPECT_EQ(form.QualED1->value(), 99);
    EXPECT_EQ(form.QualED2->value(), 99);
}

TEST(JpegQualityForm, AScanSavedAsJpegUsesTheAcceptedSliderValue)
{
    TestFolder folder;
    TJPEGQForm form;
    DibImage scan;
    newdib(scan, 4, 4, 24);
    ScriptedPrompts prompts;
    prompts.chooseFile(folder.file("scan"), 6);
    ModalAnswer answer(20, true);
    saveScannedImage(scan, jpegQualityAsker(form));
    EXPECT_EQ(JPEGQual(), 20);
    EXPECT_TRUE(folder.read("scan.JPG").startsWith("\xFF\xD8"));
}
