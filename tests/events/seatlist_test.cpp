// Seat list generator, seat choice and seat list files.
#include "printing/seatlist.h"
#include "render/placeholders.h"
#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

TEST(SeatListGenerator, DefaultsGiveHundredLinesFromAToJ)
{
    const QStringList lines = generateSeatList(SeatListGenerator{});
    ASSERT_EQ(lines.size(), 100);
    EXPECT_EQ(lines.first(), QStringLiteral("Reihe A, Platz 1"));
    EXPECT_EQ(lines.at(9), QStringLiteral("Reihe A, Platz 10"));
    EXPECT_EQ(lines.at(10), QStringLiteral("Reihe B, Platz 1"));
    EXPECT_EQ(lines.last(), QStringLiteral("Reihe J, Platz 10"));
}

TEST(SeatListGenerator, RowLabels)
{
    struct Case {
        int64_t row;
        bool letters;
        const char *label;
    };
    const Case cases[] = {
        {1, true, "A"},   {26, true, "Z"},  {27, true, "A"},  {52, true, "Z"}, {0, true, "@"},
        {-1, true, "?"},  {-24, true, "("}, {-25, true, "A"}, {3, false, "3"}, {0, false, "0"}, {-7, false, "-7"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(seatRowLabel(c.row, c.letters), QLatin1String(c.label)) << c.row;
}

TEST(SeatListGenerator, SettingsCases)
{
    SeatListGenerator wrap{25, 4, 1, true};
    EXPECT_EQ(generateSeatList(wrap), QStringList({"Reihe Y, Platz 1", "Reihe Z, Platz 1", "Reihe A, Platz 1",
                                                  "Reihe B, Platz 1"}));
    SeatListGenerator numbers{3, 2, 2, false};
    EXPECT_EQ(generateSeatList(numbers),
              QStringList({"Reihe 3, Platz 1", "Reihe 3, Platz 2", "Reihe 4, Platz 1", "Reihe 4, Platz 2"}));
    SeatListGenerator rowZero{0, 1, 1, true};
    EXPECT_EQ(generateSeatList(rowZero), QStringList({"Reihe @, Platz 1"}));
    // The last rows of the int range do not overflow.
    SeatListGenerator top{INT32_MAX, 2, 1, false};
    EXPECT_EQ(generateSeatList(top), QStringList({"Reihe 2147483647, Platz 1", "Reihe 2147483648, Platz 1"}));
}

TEST(SeatForTicket, TakesTheTicketsLineOnlyWhenUsedAndPresent)
{
    const QStringList two = {"R1", "R2"};
    EXPECT_EQ(seatForTicket(two, true, 2, "Event"), QStringLiteral("R2"));
    EXPECT_EQ(seatForTicket(two, true, 1, "Event"), QStringLiteral("R1"));
    EXPECT_EQ(seatForTicket(two, true, 3, "Event"), QStringLiteral("Event"));
    EXPECT_EQ(seatForTicket(two, true, 0, "Event"), QStringLiteral("Event"));
    EXPECT_EQ(seatForTicket(two, false, 1, "Event"), QStringLiteral("Event"));
    const QStringList hundred = generateSeatList(SeatListGenerator{});
    EXPECT_EQ(seatForTicket(hundred, true, 101, "Parkett"), QStringLiteral("Parkett"));
}

TEST(SeatListText, LineBreaksAndEncoding)
{
    EXPECT_EQ(decodeSeatListText("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(decodeSeatListText("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(decodeSeatListText("\n\r"), QStringList({"", ""}));   // LF, then a lone CR
    EXPECT_EQ(decodeSeatListText("Gr\xFC\x6E \x80"), QStringList({QStringLiteral("Grün €")}));
    EXPECT_EQ(decodeSeatListText(""), QStringList());
    EXPECT_EQ(encodeSeatListText({QStringLiteral("Loge ä"), QString()}), QByteArray("Loge \xE4\r\n\r\n"));
}

TEST(SeatListFile, RoundTripAndFailures)
{
    TestFolder folder;
    const QStringList lines = {QStringLiteral("Reihe Ä, Platz 1"), QString(), QStringLiteral("Balkon, 3")};
    const QString path = folder.file(QStringLiteral("plätze.txt"));
    ASSERT_TRUE(saveSeatListFile(path, lines));
    EXPECT_EQ(folder.read(QStringLiteral("plätze.txt")), QByteArray("Reihe \xC4, Platz 1\r\n\r\nBalkon, 3\r\n"));
    QStringList read = {"old"};
    ASSERT_TRUE(loadSeatListFile(path, read));
    EXPECT_EQ(read, lines);

    QStringList kept = {"old"};
    EXPECT_FALSE(loadSeatListFile(folder.file(QStringLiteral("none.txt")), kept));
    EXPECT_EQ(kept, QStringList({"old"}));
    EXPECT_FALSE(saveSeatListFile(folder.file(QStringLiteral("no/such/dir.txt")), lines));
}

TEST(SeatListFile, FailedSavesKeepTheOldFile)
{
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        FailingSave failing(failure, folder.file(QStringLiteral("plätze.txt")));
        EXPECT_FALSE(saveSeatListFile(folder.file(QStringLiteral("plätze.txt")), {QStringLiteral("A")}))
            << saveFailureName(failure);
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
    }
}
