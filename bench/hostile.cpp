// Time and peak memory of the command-line tool on small hostile inputs: a GIF
// whose screen is huge around a 1 × 1 frame, an RLE bitmap that promises a huge
// picture and ends at once, designs whose image records all name one very large
// picture (or such a hostile one), a card of 7.9 × 7.9 m exported, and a text of
// 2000 × "[Ort]" whose event has a 100 000-character place. Each case runs
// in a child process of its own, so its peak memory is its own; the exit code
// shows that it ended normally (0 or 1, never a signal). An argument runs only
// the cases whose name holds it.
#include "bench/benchstart.h"
#include "core/cp1252.h"
#include "core/designfile.h"
#include "core/document.h"
#include "core/eventfields.h"
#include "events/eventdatabase.h"
#include "tests/imaging/imagingfixtures.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
}

// A real 16000 × 16000 picture (256 MB decoded) in 2 MB of runs.
QByteArray largeRle8Bitmap()
{
    constexpr int side = 16000;
    QByteArray row;
    for (int left = side, shade = 0; left > 0; left -= 255, shade += 3)
        row += char(std::min(left, 255)) + QByteArray(1, char(shade));
    row += QByteArray::fromHex("0000");
    QByteArray data;
    data.reserve(row.size() * side + 2);
    for (int y = 0; y < side; ++y)
        data += row;
    return bmpFile(side, side, 8, 1, data + QByteArray::fromHex("0001"));
}

QByteArray designWithPictures(int records, const QByteArray &pictureName)
{
    Document doc;
    for (int slot = 1; slot <= records; ++slot) {
        Tobs &image = doc.pool[slot];
        image.Kind = KindImage;
        image.Left = doc.PasteboardWidth / 3 + slot * 100;
        image.Top = doc.PasteboardHeight / 3 + slot * 100;
        image.Width = 20000;
        image.Height = 20000;
        image.Rotation = slot % 2;
        image.Text = pictureName;
    }
    return writeDesign(doc);
}

QByteArray hugeCardDesign()
{
    Document doc;
    doc.ticketType.CardWidth = 7900;
    doc.ticketType.CardHeight = 7900;
    doc.sizePasteboardFromTicketType();
    return writeDesign(doc);
}

QByteArray manyPlaceholdersDesign()
{
    Document doc;
    Tobs &text = doc.pool[1];
    text.Kind = KindText;
    text.Left = doc.PasteboardWidth / 3;
    text.Top = doc.PasteboardHeight / 3;
    text.Width = 100000;
    text.Height = 20000;
    text.FontName = "Liberation Sans";
    text.FontSize = 10;
    text.Text = toCp1252(QStringLiteral("[Ort]").repeated(2000));
    return writeDesign(doc);
}

QByteArray eventWithLongPlace()
{
    EventDatabase db;
    EventRecord event;
    event.field(FieldOrt) = QString(100000, QLatin1Char('x'));
    db.events = {event};
    return encodeEventDatabase(db);
}

struct Outcome {
    double seconds = 0;
    double megabytes = 0;
    int exitCode = -1; // -1: ended by a signal
};

Outcome runTool(const QStringList &arguments)
{
    std::vector<QByteArray> held{QByteArray(PD_BATCH_TOOL)};
    for (const QString &a : arguments)
        held.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : held)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Outcome o;
    o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    o.megabytes = usage.ru_maxrss / 1024.0;
    o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return o;
}

// Cases whose name holds this text run; all when it is empty.
QString selectedCases;

void report(const char *name, const QStringList &arguments)
{
    if (!QString::fromLatin1(name).contains(selectedCases))
        return;
    std::vector<Outcome> runs;
    for (int i = 0; i < 3; ++i)
        runs.push_back(runTool(arguments));
    std::sort(runs.begin(), runs.end(), [](const Outcome &a, const Outcome &b) { return a.seconds < b.seconds; });
    const Outcome &median = runs[1];
    std::printf("%s: %.3f s\n", name, median.seconds);
    std::printf("%s-memory: %.1f MB\n", name, median.megabytes);
    std::printf("%s-exit: %d code\n", name, median.exitCode);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBenchmark();
    QGuiApplication app(argc, argv);
    if (argc > 1)
        selectedCases = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    const auto path = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };

    writeFile(path("screen.gif"), onePixelGif(30000, 30000, 0, 0));
    writeFile(path("endonly.bmp"), bmpFile(30000, 17000, 8, 1, QByteArray::fromHex("0001")));
    writeFile(path("large.bmp"), largeRle8Bitmap());
    writeFile(path("hostile8.etr"), designWithPictures(8, "endonly.bmp"));
    writeFile(path("large8.etr"), designWithPictures(8, "large.bmp"));
    writeFile(path("large200.etr"), designWithPictures(200, "large.bmp"));
    writeFile(path("hugecard.etr"), hugeCardDesign());
    writeFile(path("placeholders.etr"), manyPlaceholdersDesign());
    writeFile(path("AdrDB.dat"), eventWithLongPlace());

    const QString folder = dir.path();
    report("gif-huge-screen-to-tga", {"--program-folder", folder, "convert", path("screen.gif"), path("o1.tga"),
                                       "--format", "12"});
    report("rle-end-only-to-tga", {"--program-folder", folder, "convert", path("endonly.bmp"), path("o2.tga"),
                                    "--format", "12"});
    report("design-8-hostile-export", {"--program-folder", folder, "export", path("hostile8.etr"), path("o3.png")});
    report("design-8-large-export", {"--program-folder", folder, "export", path("large8.etr"), path("o4.png")});
    report("design-200-large-export", {"--program-folder", folder, "export", path("large200.etr"), path("o5.png")});
    report("huge-card-export", {"--program-folder", folder, "export", path("hugecard.etr"), path("o6.png")});
    report("placeholders-2000x100k-export", {"--program-folder", folder, "export", path("placeholders.etr"),
                                             path("o7.png"), "--event", "0"});
    return 0;
}
