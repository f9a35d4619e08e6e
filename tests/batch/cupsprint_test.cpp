// A real printer queue: a private print server with a PDF queue receives a
// run from pelladromika-batch print --printer; the PDF it writes is checked.
// Skips where the print server cannot be started here.
#include "tests/support/testsupport.h"
#include "toolrun.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString QueueName = QStringLiteral("PelladromikaTest");

// A print server of its own, listening on a socket in a private folder.
class PrivatePrintServer {
public:
    QString start()
    {
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
        const QString lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"), {QStringLiteral("/usr/sbin")});
        if (cupsd.isEmpty() || lpadmin.isEmpty() || !QFile::exists(Ppd)
            || !QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
            return QStringLiteral("cups or printer-driver-cups-pdf is not installed");
        if (!dir_.isValid())
            return QStringLiteral("no temporary folder");
        // The server's helpers run under another user and must reach the folder.
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                               | QFileDevice::ReadOther | QFileDevice::ExeOther
                                               | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
        for (const char *sub : {"spool", "cache", "state", "log"})
            QDir(dir_.path()).mkdir(QLatin1String(sub));
        socket_ = dir_.filePath(QStringLiteral("cups.sock"));
        writeFileBytes(dir_.filePath(QStringLiteral("cupsd.conf")),
                       "Listen " + socket_.toUtf8() + "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                       "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n");
        const QByteArray root = dir_.path().toUtf8();
        writeFileBytes(dir_.filePath(QStringLiteral("cups-files.conf")),
                       "ServerRoot " + root + "\nRequestRoot " + root + "/spool\nCacheDir " + root + "/cache\n"
                       "StateDir " + root + "/state\nTempDir " + root + "/spool\nErrorLog " + root + "/log/error_log\n"
                       "AccessLog " + root + "/log/access_log\nPageLog " + root + "/log/page_log\n"
                       "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nSandboxing Relaxed\n");
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), dir_.filePath(QStringLiteral("cupsd.conf")),
                              QStringLiteral("-s"), dir_.filePath(QStringLiteral("cups-files.conf"))});
        if (!server_.waitForStarted(5000))
            return QStringLiteral("cupsd does not start");
        if (!waitUntil([&] { return QFile::exists(socket_) || server_.state() != QProcess::Running; }, 10000)
            || !QFile::exists(socket_))
            return QStringLiteral("cupsd does not listen: ") + QString::fromUtf8(server_.readAll());
        QProcess admin;
        admin.setProcessEnvironment(environment());
        admin.start(lpadmin, {QStringLiteral("-p"), QueueName, QStringLiteral("-E"), QStringLiteral("-v"),
                              QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), Ppd});
        if (!admin.waitForFinished(15000) || admin.exitCode() != 0)
            return QStringLiteral("lpadmin cannot create the queue: ") + QString::fromUtf8(admin.readAllStandardError());
        return {};
    }
    ~PrivatePrintServer()
    {
        if (server_.state() == QProcess::Running) {
            server_.terminate();
            if (!server_.waitForFinished(5000))
                server_.kill();
            server_.waitForFinished(2000);
        }
    }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socket_);
        return env;
    }

private:
    QTemporaryDir dir_;
    QString socket_;
    QProcess server_;
};

// The newest PDF the queue wrote after the given time, in its usual output folders.
QString newestPdfSince(const QDateTime &since)
{
    QString found;
    QDateTime newest = since;
    const QStringList folders = {QDir::homePath() + QStringLiteral("/PDF"), QStringLiteral("/root/PDF"),
                                 QStringLiteral("/var/spool/cups-pdf")};
    for (const QString &folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            if (info.lastModified() > newest && info.size() > 0) {
                newest = info.lastModified();
                found = info.filePath();
            }
        }
    }
    return found;
}

} // namespace

TEST(RealPrinter, RunPrintedToAQueueArrivesWithItsPagesAndNumbers)
{
    PrivatePrintServer server;
    if (const QString why = server.start(); !why.isEmpty())
        GTEST_SKIP() << "print server not available: " << why.toStdString();

    TestFolder folder;
    folder.write(QStringLiteral("card.etr"), barcodeDesign());

    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    const ToolRun r = runTool({QStringLiteral("--program-folder"), folder.path(), QStringLiteral("print"),
                               folder.file(QStringLiteral("card.etr")), folder.file(QStringLiteral("ignored.pdf")),
                               QStringLiteral("--used"), QStringLiteral("8"), QStringLiteral("--count"),
                               QStringLiteral("4"), QStringLiteral("--printer"), QueueName},
                              server.environment());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), QByteArray(R"({"pages": 2, "tickets": 4})"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("ignored.pdf"))));

    QString pdf;
    waitUntil([&] { return !(pdf = newestPdfSince(started)).isEmpty(); }, 20000);
    ASSERT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF";
    // The queue may still be writing: wait until two pages can be read.
    QList<QImage> pages;
    waitUntil([&] { return (pages = pdfPages(pdf, 100)).size() >= 2; }, 10000);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(decodeBarcodes(pages[0]), (QList<int>{1, 2}));
    EXPECT_EQ(decodeBarcodes(pages[1]), (QList<int>{3, 4}));
    QFile::remove(pdf);
}
