#include "core/programfolder.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, SubProgPathShortensOnlyDirectChildren)
{
    setProgramFolder(QStringLiteral("/opt/Tickets"));
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/Tickets/"));
    EXPECT_EQ(SubProgPath(QStringLiteral("/opt/Tickets/logo.bmp")), QStringLiteral("logo.bmp"));
    EXPECT_EQ(SubProgPath(QStringLiteral("/OPT/tickets/logo.bmp")), QStringLiteral("logo.bmp"));
    EXPECT_EQ(SubProgPath(QStringLiteral("/opt/Tickets/pics/logo.bmp")), QStringLiteral("/opt/Tickets/pics/logo.bmp"));
    EXPECT_EQ(SubProgPath(QStringLiteral("/home/u/logo.bmp")), QStringLiteral("/home/u/logo.bmp"));
    EXPECT_EQ(resolveProgramPath(QStringLiteral("logo.bmp")), QStringLiteral("/opt/Tickets/logo.bmp"));
    EXPECT_EQ(resolveProgramPath(QStringLiteral("C:\\x\\logo.bmp")), QStringLiteral("C:\\x\\logo.bmp"));
    EXPECT_EQ(fileNamePart(QStringLiteral("C:\\Daten\\bild.bmp")), QStringLiteral("bild.bmp"));
    setProgramFolder(QString());
}

// The data folder rule, with the writability of the program folder answered by the test.
class DataFolderRule : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString programDir() const { return root.filePath(QStringLiteral("bin")); }
    QString userDir() const { return root.filePath(QStringLiteral("home/.local/share/app")); }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(programDir())); }
    QString choose(bool programWritable)
    {
        return chooseProgramFolder(programDir(), userDir(), [&](const QString &folder) {
            EXPECT_EQ(folder, programDir());
            return programWritable;
        });
    }
};

TEST_F(DataFolderRule, WritableProgramFolderKeepsItsFilesBesideTheProgram)
{
    writeFileBytes(programDir() + QStringLiteral("/AdrDB.dat"), "events");
    EXPECT_EQ(choose(true), programDir() + QLatin1Char('/'));
    EXPECT_FALSE(QFileInfo::exists(userDir()));
}

TEST_F(DataFolderRule, UnwritableProgramFolderMovesToTheCreatedUserFolder)
{
    EXPECT_EQ(choose(false), userDir() + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(userDir()).isDir());
    EXPECT_TRUE(QDir(userDir()).isEmpty());
}

TEST_F(DataFolderRule, DataFilesAreCopiedOnceAndTheOriginalsStayUntouched)
{
    const QString original = programDir() + QStringLiteral("/");
    writeFileBytes(original + QStringLiteral("AdrDB.dat"), "events");
    writeFileBytes(original + QStringLiteral("karten.dat"), "types");
    writeFileBytes(original + QStringLiteral("logo.bmp"), "picture");
    // A read-only original must still give a copy the user can rewrite.
    QFile::setPermissions(original + QStringLiteral("karten.dat"), QFile::ReadOwner | QFile::ReadGroup);

    const QString folder = choose(false);
    EXPECT_EQ(readFileBytes(folder + QStringLiteral("AdrDB.dat")), QByteArray("events"));
    EXPECT_EQ(readFileBytes(folder + QStringLiteral("karten.dat")), QByteArray("types"));
    EXPECT_TRUE(QFile::permissions(folder + QStringLiteral("karten.dat")) & QFile::WriteOwner);
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("options.dat")));   // none beside the program
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("logo.bmp")));      // only the data files

    // The user's copies are worked on; a later start never copies over them.
    writeFileBytes(folder + QStringLiteral("AdrDB.dat"), "changed");
    EXPECT_EQ(choose(false), folder);
    EXPECT_EQ(readFileBytes(folder + QStringLiteral("AdrDB.dat")), QByteArray("changed"));
    EXPECT_EQ(readFileBytes(original + QStringLiteral("AdrDB.dat")), QByteArray("events"));
    EXPECT_EQ(readFileBytes(original + QStringLiteral("karten.dat")), QByteArray("types"));
}

TEST_F(DataFolderRule, UserFolderThatCannotBeCreatedKeepsTheProgramFolder)
{
    writeFileBytes(root.filePath(QStringLiteral("home")), "a file where the folder should be");
    EXPECT_EQ(choose(false), programDir() + QLatin1Char('/'));
}

TEST(DataFolderProbe, WritabilityIsTriedByCreatingAFile)
{
    QTemporaryDir dir;
    EXPECT_TRUE(canCreateFilesIn(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());   // the probe leaves nothing behind
    EXPECT_FALSE(canCreateFilesIn(dir.filePath(QStringLiteral("missing"))));
}
