// File-dialog filters as the toolkit's dialogs receive them.
#include "core/prompts.h"

#include <gtest/gtest.h>

TEST(DialogFilter, ShowsEachNameOnceWithThePatternsItApplies)
{
    struct Case {
        const char *program;
        const char *dialog;
    };
    const Case cases[] = {
        {"Textdateien (*.txt)|*.txt", "Textdateien (*.txt)"},
        {"Eintrittskarten|*.etr", "Eintrittskarten (*.etr)"},
        {"Windows-Bitmap (*.bmp;*.dib;*.rle)|*.bmp;*.dib;*.rle|JPEG (*.jpg)|*.jpg",
         "Windows-Bitmap (*.bmp *.dib *.rle);;JPEG (*.jpg)"},
        // The patterns applied are shown, not a differing text in the name.
        {"Bilder (*.*)|*.bmp;*.gif", "Bilder (*.bmp *.gif)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(toDialogFilter(QString::fromUtf8(c.program)).toStdString(), c.dialog) << c.program;
}
