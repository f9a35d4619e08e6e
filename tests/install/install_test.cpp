// `cmake --install` into a temporary prefix: the programs, the desktop entry,
// the icon, the design file type and the AppStream metadata.
#include "core/programfolder.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString AppId = QStringLiteral("de.velmora.Pelladromika");
const QString DesignType = QStringLiteral("application/x-pelladromika-design");

struct ToolRun {
    int exitCode = -1;
    QString output;
};

ToolRun run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    ToolRun r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.output = QString::fromUtf8(p.readAll());
    return r;
}

// The keys of the desktop entry's main group.
QMap<QString, QString> desktopEntry(const QString &path)
{
    QMap<QString, QString> values;
    bool inMainGroup = false;
    for (const QByteArray &line : readFileBytes(path).split('\n')) {
        if (line.startsWith('['))
            inMainGroup = line == "[Desktop Entry]";
        const qsizetype equals = line.indexOf('=');
        if (inMainGroup && equals > 0)
            values.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    return values;
}
}

class InstallTest : public ::testing::Test {
protected:
    QTemporaryDir prefix;
    QString share(const QString &path) const { return prefix.filePath(QStringLiteral("share/") + path); }
    QString desktopFile() const { return share(QStringLiteral("applications/") + AppId + QStringLiteral(".desktop")); }
    QString metainfoFile() const { return share(QStringLiteral("metainfo/") + AppId + QStringLiteral(".metainfo.xml")); }

    void SetUp() override
    {
        const ToolRun r = run(QStringLiteral(PD_CMAKE_COMMAND),
                          {QStringLiteral("--install"), qEnvironmentVariable("PD_BINARY_DIR"),
                           QStringLiteral("--prefix"), prefix.path()});
        ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
    }

    // Runs a validator, or skips when it is not installed.
    void validate(const QString &tool, const QStringList &args)
    {
        const QString path = QStandardPaths::findExecutable(tool);
        if (path.isEmpty())
            GTEST_SKIP() << tool.toStdString() << " is not installed";
        const ToolRun r = run(path, args);
        EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
    }
};

TEST_F(InstallTest, ProgramsIconTypeAndMenuEntryLandUnderThePrefix)
{
    for (const char *program : {"bin/pelladromika", "bin/pelladromika-batch"}) {
        const QFileInfo info(prefix.filePath(QString::fromLatin1(program)));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    EXPECT_TRUE(QFileInfo::exists(share(QStringLiteral("icons/hicolor/scalable/apps/") + AppId + QStringLiteral(".svg"))));
    EXPECT_TRUE(QFileInfo::exists(share(QStringLiteral("mime/packages/") + AppId + QStringLiteral(".xml"))));
    EXPECT_TRUE(QFileInfo::exists(metainfoFile()));

    const QMap<QString, QString> entry = desktopEntry(desktopFile());
    EXPECT_EQ(entry.value(QStringLiteral("Exec")), QStringLiteral("pelladromika %f"));
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), AppId);
    EXPECT_EQ(entry.value(QStringLiteral("Categories")), QStringLiteral("Office;Graphics;"));
    EXPECT_EQ(entry.value(QStringLiteral("MimeType")), DesignType + QLatin1Char(';'));
    EXPECT_TRUE(entry.value(QStringLiteral("Comment")).contains(QStringLiteral("Eintrittskarten")));
}

TEST_F(InstallTest, DesktopEntryValidates)
{
    validate(QStringLiteral("desktop-file-validate"), {desktopFile()});
}

TEST_F(InstallTest, AppStreamMetadataValidates)
{
    validate(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoFile()});
}

TEST_F(InstallTest, DesignFilesAreRecognisedByNameAndByTheirFirstBytes)
{
    // The desktop finds the types of the prefix (and the system's) and no one else's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(prefix.filePath(QStringLiteral("share"))) + ":/usr/share");
    // Build the type cache as the package's trigger does; it also checks the type's XML.
    const QString updater = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!updater.isEmpty()) {
        const ToolRun r = run(updater, {share(QStringLiteral("mime"))});
        ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
        EXPECT_TRUE(r.output.trimmed().isEmpty()) << r.output.toStdString();
    }

    TestFolder folder;
    folder.write("karte.etr", QByteArray(100, '\0'));
    folder.write("ohne-endung", QByteArray(ProgramTitle, sizeof ProgramTitle) + QByteArray(200, '\1'));
    folder.write("fremd", QByteArray("VELMORA Quorvantis-Pelladromika 0.9") + QByteArray(200, '\1'));
    QMimeDatabase types;
    EXPECT_EQ(types.mimeTypeForFile(folder.file("karte.etr")).name(), DesignType);
    EXPECT_EQ(types.mimeTypeForFile(folder.file("ohne-endung")).name(), DesignType);
    EXPECT_NE(types.mimeTypeForFile(folder.file("fremd")).name(), DesignType);
}
