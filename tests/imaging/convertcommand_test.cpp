// pelladromika-batch convert IN OUT --format N
#include "imaging/GrafikRW.h"
#include "tests/imaging/imagingfixtures.h"
#include "tests/support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct BatchRun {
    int exitCode = -1;
    QByteArray errorText;
};

QString batchProgram()
{
    // The build folder holds tests/imaging/tests_imaging and batch/pelladromika-batch.
    const QString buildDir = qEnvironmentVariableIsSet("PD_BINARY_DIR")
                                 ? qEnvironmentVariable("PD_BINARY_DIR")
                                 : QCoreApplication::applicationDirPath() + "/../..";
    return QDir(buildDir).absoluteFilePath("batch/pelladromika-batch");
}

BatchRun runBatch(const QStringList &args)
{
    QProcess process;
    process.start(batchProgram(), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

class ConvertCommand : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo::exists(batchProgram())) << batchProgram().toStdString();
        OwnedDib picture(makeFewColours(30, 20, 100));
        ASSERT_EQ(SaveDib(picture.dib, folder.file("in.bmp"), 3), 1);
    }
    TestFolder folder;
};

TEST_F(ConvertCommand, WritesTheChosenFormatWithTheSamePixels)
{
    const BatchRun run = runBatch({"convert", folder.file("in.bmp"), folder.file("out.pcx"), "--format", "10"});
    ASSERT_EQ(run.exitCode, 0) << run.errorText.toStdString();
    EXPECT_TRUE(folder.read("out.pcx").startsWith("\x0A\x05"));
    OwnedDib in, out;
    OpenDib(in.dib, folder.file("in.bmp"));
    OpenDib(out.dib, folder.file("out.pcx"));
    ASSERT_FALSE(out.dib.isEmpty());
    EXPECT_EQ(differingPixels(in.dib, out.dib), 0);
}

TEST_F(ConvertCommand, ReportsFailuresInGermanAndUsageErrors)
{
    BatchRun run = runBatch({"convert", folder.file("missing.png"), folder.file("x.bmp"), "--format", "3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errorText.contains("Konnte Bild (")) << run.errorText.toStdString();
    EXPECT_TRUE(run.errorText.contains(") nicht Laden."));

    run = runBatch({"convert", folder.file("in.bmp"), folder.file("no/such/dir/x.bmp"), "--format", "3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errorText.contains("Fehler: Datei konnte nicht gespeichert werden!"));

    for (const QStringList &bad : {QStringList{"--format", "14"}, QStringList{"--format", "2"},
                                   QStringList{"--format", "x"}, QStringList{"--format"}, QStringList{}}) {
        run = runBatch(QStringList{"convert", folder.file("in.bmp"), folder.file("y.bmp")} + bad);
        EXPECT_EQ(run.exitCode, 2) << bad.join(' ').toStdString();
    }
    EXPECT_FALSE(folder.exists("y.bmp"));
}

} // namespace
