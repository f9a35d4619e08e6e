#include "core/programfolder.h"

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
