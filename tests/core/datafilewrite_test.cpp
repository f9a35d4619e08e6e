#include "core/datafilewrite.h"
#include "imaging/atomicfile.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(DataFileWrite, AFailedWriteIsReportedWithFileAndReasonAndKeepsTheOldFile)
{
    TestFolder folder;
    folder.write("karten.dat", "old");
    const QString path = folder.file("karten.dat");
    for (const WriteFault fault : {WriteFault::DiskFull, WriteFault::FolderNotWritable}) {
        ScriptedPrompts prompts;
        prompts.answer(MsgOk);
        {
            ScopedWriteFault failing(fault);
            EXPECT_FALSE(writeDataFile(path, "new contents"));
        }
        ASSERT_EQ(prompts.seen().size(), 1u);
        EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler: Datei konnte nicht gespeichert werden"));
        EXPECT_EQ(prompts.last().icon, MsgIcon::Information);
        EXPECT_TRUE(prompts.last().text.startsWith(
            QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\nGrund: ").arg(QDir::toNativeSeparators(path))));
        EXPECT_EQ(folder.read("karten.dat"), QByteArray("old"));
    }
    ScriptedPrompts silent;   // a write that works asks nothing
    EXPECT_TRUE(writeDataFile(path, "new contents"));
    EXPECT_EQ(folder.read("karten.dat"), QByteArray("new contents"));
    EXPECT_TRUE(dataFileWriteFailedText(path, QString()).contains(QStringLiteral("Grund: unbekannt")));
}
