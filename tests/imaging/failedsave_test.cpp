// Picture saves that fail keep the previous file and report the failure.
#include "imaging/GrafikRW.h"
#include "imaging/dibqimage.h"
#include "tests/imaging/imagingfixtures.h"
#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

TEST(FailedSave, TheWriterReportsWhereItFailed)
{
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        const QString path = folder.file("data.dat");
        FailingSave failing(failure, path);
        const FileWriteResult result = writeFileAtomicallyReporting(path, QByteArray(4096, 'x'));
        const FileWriteStatus expected =
            failure == SaveFailure::DiskFull ? FileWriteStatus::NotWritten : FileWriteStatus::NotCreated;
        EXPECT_EQ(result.status, expected) << saveFailureName(failure);
        EXPECT_FALSE(result.reason.isEmpty()) << saveFailureName(failure);
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
    }
    // Once the fault is gone the writer works again.
    TestFolder folder;
    EXPECT_TRUE(writeFileAtomically(folder.file("data.dat"), "new"));
    EXPECT_EQ(folder.read("data.dat"), QByteArray("new"));
}

TEST(FailedSave, PictureSavesInEveryFormatFailAndKeepThePreviousFile)
{
    OwnedDib picture(makeFewColours(16, 8, 4));
    for (const SaveFailure failure : AllSaveFailures) {
        for (int format = 3; format <= 13; ++format) {
            TestFolder folder;
            const QString path = folder.file("picture.img");
            FailingSave failing(failure, path);
            EXPECT_EQ(SaveDib(picture.dib, path, format), 0) << saveFailureName(failure) << " format " << format;
            EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure) << " format " << format;
        }
        TestFolder folder;
        FailingSave failing(failure, folder.file("picture.png"));
        EXPECT_FALSE(saveDibAsPng(picture.dib, folder.file("picture.png"))) << saveFailureName(failure);
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
    }
}
