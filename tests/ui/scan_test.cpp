#include "tests/support/sanetestbackend.h"
#include "tests/support/testsupport.h"
#include "ui/Sdimain.h"

#include <QAction>
#include <QImage>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

// "Bild einscannen..." end to end on SANE's test backend: the scan reports its
// progress, then the finished picture is saved where the user says.
TEST(MainWindowScan, ScannedPictureIsSavedWithTheScanExtension)
{
    configureSaneTestBackend(true, "test-picture \"Color pattern\"\nresolution 25.0\n");

    TestFolder folder;
    ScriptedPrompts prompts;
    TSDIAppForm w;
    prompts.chooseFile(folder.file("scan"), 1);   // the BMP entry, typed without extension
    w.findChild<QAction *>(QStringLiteral("ScanItem"))->trigger();
    EXPECT_EQ(w.progressBar()->value(), 100);
    ASSERT_TRUE(waitUntil([&] { return folder.exists("scan.BMP"); }));
    EXPECT_EQ(prompts.last().kind, Prompt::Kind::SaveFile);
    EXPECT_EQ(prompts.last().directory, folder.path() + "/");
    const QImage scanned(folder.file("scan.BMP"), "BMP");
    EXPECT_FALSE(scanned.isNull());
    EXPECT_GT(scanned.width(), 10);
}
