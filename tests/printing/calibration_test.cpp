// options.dat: the four doubles, their ranges and damaged files.
#include "core/programfolder.h"
#include "printing/calibration.h"
#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {
QByteArray doubles(std::initializer_list<double> values)
{
    QByteArray out;
    for (double v : values) {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        bits = qToLittleEndian(bits);
        out.append(reinterpret_cast<const char *>(&bits), 8);
    }
    return out;
}
} // namespace

TEST(CalibrationFile, RoundTripIsFourLittleEndianDoubles)
{
    TestFolder folder;
    const Calibration c{3.5, 2.25, 101.5, 98.75};
    ASSERT_TRUE(writeCalibration(c));
    EXPECT_EQ(folder.read(QStringLiteral("options.dat")), doubles({3.5, 2.25, 101.5, 98.75}));
    EXPECT_EQ(readCalibration(), c);
    EXPECT_DOUBLE_EQ(c.mmPerInchX(), 101.5 * 25.39995 / 100);
    EXPECT_DOUBLE_EQ(c.mmPerInchY(), 98.75 * 25.39995 / 100);
}

TEST(CalibrationFile, MissingDamagedAndOutOfRangeFiles)
{
    TestFolder folder;
    EXPECT_EQ(readCalibration(), Calibration{});   // no file: 0, 0, 100, 100
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        QByteArray bytes;
        Calibration expected;
    } cases[] = {
        {doubles({1, 2, 103}), Calibration{}},                          // truncated: ignored
        {QByteArray(), Calibration{}},
        {doubles({-1, 9, 90, 200}), Calibration{0, 6, 95, 105}},       // clamped to the ranges
        {doubles({nan, 1, nan, 99}), Calibration{0, 1, 100, 99}},      // not a number: initial value
        {doubles({1, 2, 96, 97}) + "tail", Calibration{1, 2, 96, 97}},  // extra bytes are not read
    };
    for (const auto &c : cases) {
        folder.write(QStringLiteral("options.dat"), c.bytes);
        EXPECT_EQ(readCalibration(), c.expected) << c.bytes.size();
    }
}

TEST(CalibrationFile, UnwritableFolderIsReportedAndKeepsTheOldFile)
{
    TestFolder folder;
    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    folder.write(QStringLiteral("options.dat"), doubles({1, 1, 100, 100}));
    setProgramFolder(folder.path() + QStringLiteral("/missing/"));
    EXPECT_FALSE(writeCalibration(Calibration{2, 2, 99, 99}));
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("options.dat")));
    setProgramFolder(folder.path());
    EXPECT_EQ(readCalibration(), (Calibration{1, 1, 100, 100}));
}

TEST(CalibrationFile, FailedWritesAreReportedAndKeepTheOldFile)
{
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        ScriptedPrompts prompts;
        prompts.answer(MsgOk);
        setProgramFolder(folder.path());
        FailingSave failing(failure, folder.file(QStringLiteral("options.dat")));
        EXPECT_FALSE(writeCalibration(Calibration{2, 2, 99, 99})) << saveFailureName(failure);
        ASSERT_EQ(prompts.seen().size(), 1u) << saveFailureName(failure);
        EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("options.dat"))) << saveFailureName(failure);
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
    }
}
