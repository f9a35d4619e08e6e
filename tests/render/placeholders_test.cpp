// Placeholder substitution in card texts.
#include "render/placeholders.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <random>

namespace {

enum Field { Bezeichnung, Auffuehrung, Ort, Datum, Preis, PreisErm, Sitzplatz, Zusatz };

PlaceholderInputs event()
{
    PlaceholderInputs in;
    in.eventCurrent = true;
    in.values[Bezeichnung] = QStringLiteral("Sommerfest");
    in.values[Ort] = QStringLiteral("Stadthalle");
    in.values[Preis] = QStringLiteral("12,00");
    in.values[Sitzplatz] = QStringLiteral("freie Platzwahl");
    for (size_t i = 0; i < 12; ++i)
        in.labels[i] = EventFieldNames()[qsizetype(i)] + QLatin1Char(':');
    in.ticketLabel = QStringLiteral("Nr.");
    return in;
}

struct Case {
    const char *name;
    QString text;
    std::function<void(PlaceholderInputs &)> tweak;
    int32_t ticket;
    QStringList seats;
    QString expected;
};

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

TEST(Placeholders, SubstitutionCases)
{
    const auto none = [](PlaceholderInputs &) {};
    const auto emptyPlace = [](PlaceholderInputs &in) { in.values[Ort].clear(); };
    const auto emptyPrice = [](PlaceholderInputs &in) { in.values[Preis].clear(); };
    const auto seatList = [](PlaceholderInputs &in) { in.useSeatList = true; };
    const QStringList twoSeats{s("Reihe 1 Platz 1"), s("Reihe 1 Platz 2")};
    const std::vector<Case> cases = {
        {"value at end, empty: only placeholder goes", s("Ort: [Ort]"), emptyPlace, 1, {}, s("Ort: ")},
        {"empty value takes its space", s("[Ort] [Preis]"), emptyPlace, 1, {}, s("12,00")},
        {"case matters", s("[ort]"), none, 1, {}, s("[ort]")},
        {"label and value", s("<Preis> [Preis]"), none, 1, {}, s("Preis: 12,00")},
        {"label withheld keeps its space", s("<Preis> [Preis]"), emptyPrice, 1, {}, s(" ")},
        {"ticket number with label", s("[Kartennummer]"), none, 17, {}, s("Nr. 17")},
        {"ticket number without label", s("[Kartennummer]"),
         [](PlaceholderInputs &in) { in.ticketLabel.clear(); }, 17, {}, s("17")},
        {"negative ticket number", s("#[Kartennummer]"), none, -3, {}, s("#Nr. -3")},
        {"seat beyond list uses event value", s("[Sitzplatz]"), seatList, 3, twoSeats, s("freie Platzwahl")},
        {"seat from list", s("[Sitzplatz]"), seatList, 2, twoSeats, s("Reihe 1 Platz 2")},
        {"seat list unused", s("[Sitzplatz]"), none, 2, twoSeats, s("freie Platzwahl")},
        {"seat list with ticket 0", s("[Sitzplatz]"), seatList, 0, twoSeats, s("freie Platzwahl")},
        {"seat label follows event value, not list", s("<Sitzplatz>|"),
         [](PlaceholderInputs &in) {
             in.useSeatList = true;
             in.values[Sitzplatz].clear();
         },
         1, twoSeats, s("|")},
        {"no brackets unchanged", s("Eintritt frei"), none, 1, {}, s("Eintritt frei")},
        {"every occurrence", s("[Ort]/[Ort]/[Ort]"), none, 1, {}, s("Stadthalle/Stadthalle/Stadthalle")},
        {"umlaut names", s("[Aufführung]|[Preis ermäßigt]|<Preis ermäßigt>"),
         [](PlaceholderInputs &in) {
             in.values[Auffuehrung] = s("Première");
             in.values[PreisErm] = s("8,00");
         },
         1, {}, s("Première|8,00|Preis ermäßigt:")},
        {"empty label drops the following space", s("<Ort> x"),
         [](PlaceholderInputs &in) { in.labels[Ort].clear(); }, 1, {}, s("x")},
        {"lines kept", s("[Ort]\r\n[Datum und Uhrzeit] Uhr"),
         [](PlaceholderInputs &in) { in.values[Datum] = s("1.5.2025 20:00"); }, 1, {},
         s("Stadthalle\r\n1.5.2025 20:00 Uhr")},
        // A value is searched again for later fields and the ticket number, not earlier ones.
        {"value holding a later placeholder", s("[Bezeichnung]"),
         [](PlaceholderInputs &in) { in.values[Bezeichnung] = s("Fest in [Ort] #[Kartennummer]"); }, 4, {},
         s("Fest in Stadthalle #Nr. 4")},
        {"value holding an earlier placeholder", s("[Ort]"),
         [](PlaceholderInputs &in) { in.values[Ort] = s("[Bezeichnung]"); }, 1, {}, s("[Bezeichnung]")},
        // Removing a placeholder can join a new one; the search from the start finds it.
        {"placeholder formed by a removal", s("[O[Ort]rt]"), emptyPlace, 1, {}, s("")},
    };
    for (const Case &c : cases) {
        PlaceholderInputs in = event();
        c.tweak(in);
        EXPECT_EQ(GetRepStr(c.text, in, c.ticket, c.seats), c.expected) << c.name;
    }
}

TEST(Placeholders, ValueContainingItsOwnPlaceholderEndsAfterOneReplacement)
{
    PlaceholderInputs in = event();
    in.values[Ort] = s("[Ort]!");
    EXPECT_EQ(GetRepStr(s("a [Ort] b [Ort]"), in, 1, {}), s("a [Ort]! b [Ort]!"));
    in.labels[Preis] = s("<Preis><Preis>");
    EXPECT_EQ(GetRepStr(s("<Preis>"), in, 1, {}), s("<Preis><Preis>"));
    in.ticketLabel = s("[Kartennummer]");
    EXPECT_EQ(GetRepStr(s("[Kartennummer]"), in, 5, {}), s("[Kartennummer] 5"));
}

namespace {

// The substitution as first written: after each replacement the text is searched
// again from just before the replaced spot. Quadratic, but plainly right; the
// linear pass must give the same text for every input.
void replaceEachByRepeatedSearch(QString &text, const QString &placeholder, const QString &value, bool emptyValue)
{
    const qsizetype len = placeholder.size();
    qsizetype from = 0, keptFrom = -1, keptTo = -1;
    qsizetype budget = text.size() + 64;
    while (budget > 0) {
        const qsizetype at = text.indexOf(placeholder, from);
        if (at < 0)
            return;
        if (at >= keptFrom && at + len <= keptTo) {
            from = at + 1;
            continue;
        }
        qsizetype removed = len;
        if (emptyValue && at + len < text.size() && text.at(at + len) == QLatin1Char(' '))
            ++removed;
        text.replace(at, removed, value);
        --budget;
        keptFrom = at;
        keptTo = at + value.size();
        from = qMax<qsizetype>(0, at - len + 1);
    }
}

QString substituteByRepeatedSearch(QString text, const PlaceholderInputs &in, int32_t ticket, const QStringList &seats)
{
    for (int f = 1; f <= EventFieldCount; ++f) {
        const QString name = eventFieldName(f);
        const QString &value = in.values[size_t(f - 1)], &label = in.labels[size_t(f - 1)];
        replaceEachByRepeatedSearch(text, '<' + name + '>', value.isEmpty() ? QString() : label, label.isEmpty());
        const QString shown = f == FieldSitzplatz ? seatForTicket(seats, in.useSeatList, ticket, value) : value;
        replaceEachByRepeatedSearch(text, '[' + name + ']', shown, shown.isEmpty());
    }
    const QString number = (in.ticketLabel.isEmpty() ? QString() : in.ticketLabel + ' ') + QString::number(ticket);
    replaceEachByRepeatedSearch(text, QStringLiteral("[Kartennummer]"), number, false);
    return text;
}

} // namespace

TEST(Placeholders, LinearPassMatchesTheRepeatedSearchOnRandomTexts)
{
    // Pieces that make, break and join placeholders across values and removals.
    const QStringList pieces = {"[Ort]", "<Ort>", "[", "]", "<", ">", "O", "rt", "Ort]", "[Or", " ", "x",
                                "[Preis]", "[Kartennummer]", "[Bezeichnung]", "Kartennummer]", "[Sitzplatz]", ""};
    std::mt19937 random(14);
    const auto make = [&](int maxPieces) {
        QString s;
        const int n = int(random() % unsigned(maxPieces + 1));
        for (int i = 0; i < n; ++i)
            s += pieces[qsizetype(random() % unsigned(pieces.size()))];
        return s;
    };
    for (int round = 0; round < 4000; ++round) {
        PlaceholderInputs in = event();
        in.values[Ort] = make(3);
        in.labels[Ort] = make(2);
        in.values[Preis] = make(2);
        in.values[Bezeichnung] = make(2);
        in.ticketLabel = make(1);
        in.useSeatList = random() % 2;
        const QStringList seats{make(2), make(2)};
        const QString text = make(12);
        const int32_t ticket = int32_t(random() % 4);
        ASSERT_EQ(GetRepStr(text, in, ticket, seats), substituteByRepeatedSearch(text, in, ticket, seats))
            << "text " << text.toStdString() << " place " << in.values[Ort].toStdString() << " label "
            << in.labels[Ort].toStdString();
    }
}

TEST(Placeholders, ManyPlaceholdersWithLongValuesTakeLinearTime)
{
    // 20 000 placeholders each replaced by 1 000 characters: the repeated search
    // moves the growing text once per placeholder (minutes); one pass takes milliseconds.
    PlaceholderInputs in = event();
    in.values[Ort] = QString(1000, QLatin1Char('o'));
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("[Ort]<Preis>|");
    QElapsedTimer clock;
    clock.start();
    const QString out = GetRepStr(text, in, 1, {});
    EXPECT_LT(clock.elapsed(), 10000);
    ASSERT_EQ(out.size(), 20000 * (1000 + 6 + 1));
    EXPECT_EQ(out.first(1008), in.values[Ort] + QStringLiteral("Preis:|") + QLatin1Char('o'));
}

TEST(Placeholders, ALimitCutsTheTextWithoutBuildingWhatLiesBeyond)
{
    PlaceholderInputs in = event();
    const QString text = QStringLiteral("<Ort> [Ort], [Kartennummer]");
    const QString full = GetRepStr(text, in, 7, {});
    ASSERT_EQ(full, QStringLiteral("Ort: Stadthalle, Nr. 7"));
    // A text that stays within the limit throughout comes out whole; a lower
    // limit cuts the text before and after each step.
    // The longest step's text is "Ort: Stadthalle, [Kartennummer]", 31 characters.
    EXPECT_EQ(GetRepStr(text, in, 7, {}, 31), full);
    EXPECT_EQ(GetRepStr(text, in, 7, {}, 30), QStringLiteral("Ort: Stadthalle, [Kartennummer"));
    EXPECT_EQ(GetRepStr(text, in, 7, {}, 5), QStringLiteral("Ort:"));   // "<Ort>" only
    EXPECT_EQ(GetRepStr(QStringLiteral("[Ort][Ort]"), in, 7, {}, 12), QStringLiteral("StadthalleSt"));
    EXPECT_EQ(GetRepStr(text, in, 7, {}, 0), QString());

    // 2000 places of 100 000 characters would be 200 million characters.
    in.values[Ort] = QString(100000, QLatin1Char('x'));
    const QString cut = GetRepStr(QStringLiteral("[Ort]").repeated(2000), in, 1, {}, 65536);
    EXPECT_EQ(cut, QString(65536, QLatin1Char('x')));
    EXPECT_LT(cut.capacity(), 2 * 65536 + 100000);
}
