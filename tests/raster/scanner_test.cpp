#include "imaging/TwainIO2.h"
#include "imaging/imagingnotifier.h"
#include "render/raster.h"
#include "tests/raster/rasterfixtures.h"
#include "tests/support/sanetestbackend.h"
#include "tests/support/testsupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <set>
#include <gtest/gtest.h>

namespace {

// SANE's test backend with two devices and a colour test pattern.
class SaneTestBackend {
public:
    explicit SaneTestBackend(bool withTestBackend = true)
    {
        configureSaneTestBackend(withTestBackend, "number_of_devices 2\n"
                                                  "test-picture \"Color pattern\"\n"
                                                  "resolution 50.0\n");
    }
    ~SaneTestBackend() { clearScannerOptions(); }
};

// Collects what the library tells the user.
class MessageLog {
public:
    MessageLog()
    {
        previous_ = setScannerMessageSink([this](const QString &text) { messages.append(text); });
    }
    ~MessageLog() { setScannerMessageSink(previous_); }
    QStringList messages;

private:
    ScannerMessageSink previous_;
};

// Scans one page and fetches the picture the finished-scan notification names.
bool scanOnePage(OwnedDib &out, std::vector<int> *progress = nullptr)
{
    QSignalSpy progressSpy(&ImagingNotifier::instance(), &ImagingNotifier::progress);
    QSignalSpy finishedSpy(&ImagingNotifier::instance(), &ImagingNotifier::scanFinished);
    TWAIN_ScanImage(nullptr);
    // Finished scans arrive like a window message: after the call returned.
    if (!finishedSpy.isEmpty())
        ADD_FAILURE() << "scan finished was not queued";
    if (finishedSpy.isEmpty() && !finishedSpy.wait(5000))
        return false;
    if (progress)
        for (const auto &args : progressSpy)
            progress->push_back(args.at(0).toInt());
    const quintptr handle = finishedSpy.at(0).at(0).value<quintptr>();
    EXPECT_EQ(GetScanedDib(out.dib, handle), 1);
    // A handle gives its picture once.
    DibImage again;
    EXPECT_EQ(GetScanedDib(again, handle), 0);
    EXPECT_EQ(again.Bits, nullptr);
    return out.dib.Bits != nullptr;
}

std::vector<int32_t> pixelsOf(const DibImage &dib)
{
    std::vector<int32_t> values;
    for (int y = 0; y < DibHeight(dib); ++y)
        for (int x = 0; x < DibWidth(dib); ++x)
            values.push_back(getpixel(dib, x, y));
    return values;
}

} // namespace

TEST(Scanner, ListsTheTestDevicesAndRemembersTheChoice)
{
    TestFolder folder;
    SaneTestBackend backend;
    const QList<ScannerDevice> devices = listScanners();
    ASSERT_EQ(devices.size(), 2);
    EXPECT_EQ(devices[0].name, "test:0");

    QList<ScannerDevice> offered;
    const ScannerChooser previous = setScannerChooser([&](const QList<ScannerDevice> &list, const QString &current) {
        offered = list;
        EXPECT_TRUE(current.isEmpty());
        return std::optional<QString>("test:1");
    });
    TWAIN_SelectScanner(nullptr);
    EXPECT_EQ(offered.size(), 2);
    EXPECT_EQ(selectedScanner(), "test:1");

    // Cancelling the list keeps the choice.
    setScannerChooser([](const QList<ScannerDevice> &, const QString &current) {
        EXPECT_EQ(current, "test:1");
        return std::optional<QString>();
    });
    TWAIN_SelectScanner(nullptr);
    EXPECT_EQ(selectedScanner(), "test:1");
    setScannerChooser(previous);
}

TEST(Scanner, ScansAColourPageIntoA24BitPictureWithProgressTo100)
{
    TestFolder folder;
    SaneTestBackend backend;
    // 1 inch x 2 inches at 100 dpi; small reads so that progress moves.
    setScannerOption("resolution", 100);
    setScannerOption("br-x", 25.4);
    setScannerOption("br-y", 50.8);
    setScannerOption("read-limit", true);
    setScannerOption("read-limit-size", 3000);
    OwnedDib pic;
    std::vector<int> progress;
    ASSERT_TRUE(scanOnePage(pic, &progress));
    EXPECT_EQ(DibBitCount(pic.dib), 24);
    // The test backend makes 98 x 200 pixels of 1 x 2 inches at 100 dpi.
    EXPECT_EQ(DibWidth(pic.dib), 98);
    EXPECT_EQ(DibHeight(pic.dib), 200);
    // The colour pattern is not one flat colour.
    const auto pixels = pixelsOf(pic.dib);
    EXPECT_GT(std::set<int32_t>(pixels.begin(), pixels.end()).size(), 4u);

    ASSERT_GE(progress.size(), 10u);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
}

TEST(Scanner, GreyAndColourPagesOfEveryDepthAndFrameOrder)
{
    TestFolder folder;
    SaneTestBackend backend;
    setScannerOption("br-x", 30.0);
    setScannerOption("br-y", 20.0);
    auto scanWith = [](const char *mode, int depth, bool threePass, OwnedDib &out) {
        setScannerOption("mode", QString::fromLatin1(mode));
        setScannerOption("depth", depth);
        setScannerOption("three-pass", threePass);
        return scanOnePage(out);
    };
    OwnedDib colour8, colour16, colourThreePass, grey8, grey16;
    ASSERT_TRUE(scanWith("Color", 8, false, colour8));
    ASSERT_TRUE(scanWith("Color", 16, false, colour16));
    ASSERT_TRUE(scanWith("Color", 8, true, colourThreePass));
    ASSERT_TRUE(scanWith("Gray", 8, false, grey8));
    ASSERT_TRUE(scanWith("Gray", 16, false, grey16));
    EXPECT_EQ(DibBitCount(colour16.dib), 24);
    // The test backend draws its pattern differently at 16 bits: compare the layout only.
    EXPECT_EQ(DibWidth(colour16.dib), DibWidth(colour8.dib));
    EXPECT_EQ(DibHeight(colour16.dib), DibHeight(colour8.dib));
    EXPECT_EQ(pixelsOf(colourThreePass.dib), pixelsOf(colour8.dib));
    EXPECT_EQ(DibBitCount(grey8.dib), 8);
    EXPECT_EQ(grey8.dib.Info->colors[200].rgbRed, 200); // grey ramp
    EXPECT_EQ(DibWidth(grey8.dib), DibWidth(colour8.dib));
    EXPECT_EQ(DibBitCount(grey16.dib), 8);
    EXPECT_EQ(DibHeight(grey16.dib), DibHeight(grey8.dib));
}

TEST(Scanner, WithoutAScannerTheUserIsToldSo)
{
    TestFolder folder;
    SaneTestBackend backend(false);
    MessageLog log;
    QSignalSpy finishedSpy(&ImagingNotifier::instance(), &ImagingNotifier::scanFinished);
    int chooserCalls = 0;
    const ScannerChooser previous = setScannerChooser([&](const QList<ScannerDevice> &, const QString &) {
        ++chooserCalls;
        return std::optional<QString>();
    });
    TWAIN_SelectScanner(nullptr);
    TWAIN_ScanImage(nullptr);
    setScannerChooser(previous);
    EXPECT_EQ(chooserCalls, 0);
    ASSERT_EQ(log.messages.size(), 2);
    EXPECT_TRUE(log.messages[0].startsWith("Es wurde kein Scanner gefunden.")) << log.messages[0].toStdString();
    EXPECT_EQ(log.messages[1], log.messages[0]);
    EXPECT_FALSE(finishedSpy.wait(100));
}

TEST(Scanner, ARememberedScannerThatIsGoneFallsBackToTheFirst)
{
    TestFolder folder;
    SaneTestBackend backend;
    setSelectedScanner("gone:0"); // no such backend
    setScannerOption("br-x", 10.0);
    setScannerOption("br-y", 10.0);
    OwnedDib pic;
    EXPECT_TRUE(scanOnePage(pic));
}

TEST(Scanner, UnknownHandlesGiveNoPicture)
{
    DibImage dib;
    EXPECT_EQ(GetScanedDib(dib, 987654), 0);
    EXPECT_EQ(dib.Bits, nullptr);
}
