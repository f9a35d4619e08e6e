// Saving into a folder that forbids creating files while the file itself is writable.
#include "core/designcommands.h"
#include "core/designfile.h"
#include "core/document.h"
#include "imaging/GrafikRW.h"
#include "imaging/atomicfile.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

// A folder "gesperrt" whose files are writable but that takes no new files. As
// root, who may do anything, the test acts as an ordinary user while it saves.
class LockedFolder {
public:
    explicit LockedFolder(const TestFolder &folder, const QStringList &files)
        : path_(folder.file(QStringLiteral("gesperrt")))
    {
        QDir().mkpath(path_);
        for (const QString &name : files) {
            writeFileBytes(file(name), "old");
            if (geteuid() == 0)
                EXPECT_EQ(::chown(QFile::encodeName(file(name)).constData(), Nobody, Nobody), 0);
        }
        ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
        ::chmod(QFile::encodeName(path_).constData(), 0555);
        if (geteuid() == 0)
            asRoot_ = ::seteuid(Nobody) == 0;
    }
    ~LockedFolder()
    {
        if (asRoot_)
            EXPECT_EQ(::seteuid(0), 0);
        ::chmod(QFile::encodeName(path_).constData(), 0755);
    }
    QString file(const QString &name) const { return path_ + QLatin1Char('/') + name; }
    QStringList entries() const { return QDir(path_).entryList(QDir::Files); }

private:
    QString path_;
    bool asRoot_ = false;
};

} // namespace

TEST(LockedFolder, DataFilesDesignsAndExportsAreWrittenInPlace)
{
    TestFolder folder;
    ScriptedPrompts prompts;
    Document doc;
    DibImage picture;
    newdib(picture, 4, 3, 24);
    QByteArray design;
    {
        LockedFolder locked(folder, {"AdrDB.dat", "karte.etr", "bild.bmp"});
        EXPECT_TRUE(writeFileAtomically(locked.file("AdrDB.dat"), "new"));
        EXPECT_TRUE(DesignCommands::Saveit(doc, locked.file("karte.etr")));
        EXPECT_EQ(SaveDib(picture, locked.file("bild.bmp"), 3, nullptr), 1);
        EXPECT_EQ(locked.entries(), QStringList({"AdrDB.dat", "bild.bmp", "karte.etr"}));
        EXPECT_EQ(readFileBytes(locked.file("AdrDB.dat")), QByteArray("new"));
        design = readFileBytes(locked.file("karte.etr"));
        EXPECT_TRUE(readFileBytes(locked.file("bild.bmp")).startsWith("BM"));
    }
    deldib(picture);
    EXPECT_EQ(design, writeDesign(doc));
    EXPECT_TRUE(prompts.seen().empty());
}
