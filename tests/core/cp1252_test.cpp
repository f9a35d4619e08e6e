#include "core/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Cp1252, MapsTheHighRangeAndUmlauts)
{
    EXPECT_EQ(fromCp1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(fromCp1252("Gr\xFC\xDF" "e"), QStringLiteral("Grüße"));
    EXPECT_EQ(toCp1252(QStringLiteral("Grüße €")), QByteArray("Gr\xFC\xDF" "e \x80"));
    EXPECT_EQ(toCp1252(QString(QChar(0x4E2D))), QByteArray("?"));
}
