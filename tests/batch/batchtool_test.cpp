#include "core/designfile.h"
#include "core/document.h"
#include "events/eventdatabase.h"
#include "printing/tickettypelist.h"
#include "tests/support/testsupport.h"
#include "toolrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
QByteArray sampleDesign()
{
    Document doc;
    doc.ticketType.setTypeName(QStringLiteral("Abendkasse €"));
    doc.BackgroundFile = "C:\\Bilder\\fehlt.bmp";
    doc.BackgroundMode = -1;
    Tobs &text = doc.pool[3];
    text.Kind = KindText;
    text.Text = "Gr\xFC\xDF" "e \x81[Ort]";
    text.FontName = "Times New Roman";
    text.Left = -5;
    Tobs &bar = doc.pool[7];
    bar.Kind = KindBarcode;
    bar.Width = 40000;
    return writeDesign(doc);
}
}

TEST(BatchTool, ResaveIsByteIdenticalAndFailuresUseTheExitCodes)
{
    TestFolder folder;
    folder.write("in.etr", sampleDesign());
    ToolRun r = runTool({"--program-folder", folder.path(), "resave", folder.file("in.etr"), folder.file("out.etr")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(folder.read("out.etr"), sampleDesign());

    folder.write("bad.etr", "not a design");
    r = runTool({"resave", folder.file("bad.etr"), folder.file("x.etr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("keine Eintrittskarte")));
    EXPECT_FALSE(folder.exists("x.etr"));

    const QByteArray cut = sampleDesign().left(200);
    folder.write("cut.etr", cut);
    r = runTool({"resave", folder.file("cut.etr"), folder.file("x.etr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(folder.exists("x.etr"));

    EXPECT_EQ(runTool({"resave", folder.file("in.etr")}).exitCode, 2);
    EXPECT_EQ(runTool({"no-such-command"}).exitCode, 2);
}

TEST(BatchTool, DumpPrintsTheDesignAsJson)
{
    TestFolder folder;
    folder.write("in.etr", sampleDesign());
    const ToolRun r = runTool({"--program-folder", folder.path(), "dump", folder.file("in.etr")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\"ZoomFactor\": 1.0"));
    EXPECT_TRUE(r.out.contains("\"DocUnitsPerPixel\": 208.0"));
    EXPECT_TRUE(r.out.contains("\"CardWidth\": 90.0"));
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o["TicketType"].toObject()["TypeName"].toString(), QStringLiteral("Abendkasse €"));
    EXPECT_EQ(o["TicketType"].toObject()["Columns"].toInt(), 2);
    EXPECT_EQ(o["BackgroundFile"].toString(), QStringLiteral("C:\\Bilder\\fehlt.bmp"));
    EXPECT_TRUE(o["Background"].isNull());
    const QJsonArray elements = o["Elements"].toArray();
    ASSERT_EQ(elements.size(), 2);
    const QJsonObject text = elements[0].toObject();
    EXPECT_EQ(text["Slot"].toInt(), 3);
    EXPECT_EQ(text["Left"].toInt(), -5);
    EXPECT_EQ(text["Text"].toString(), QStringLiteral("Grüße ") + QChar(0x81) + QStringLiteral("[Ort]"));
    EXPECT_EQ(text["FontName"].toString(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(text["EffectDX"].toInt(), 5);
    EXPECT_TRUE(text["Image"].isNull());
    EXPECT_EQ(elements[1].toObject()["Kind"].toInt(), 4);
    EXPECT_EQ(elements[1].toObject().keys().size(), 28);
}

TEST(BatchTool, DumpReportsMissingPicturesButSucceeds)
{
    TestFolder folder;
    Document doc;
    doc.pool[1].Kind = KindImage;
    doc.pool[1].Text = "fehlt.bmp";
    folder.write("pic.etr", writeDesign(doc));
    const ToolRun r = runTool({"--program-folder", folder.path(), "dump", folder.file("pic.etr")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("Konnte Bild (fehlt.bmp) nicht Laden.")));
    const QJsonObject image =
        QJsonDocument::fromJson(r.out).object()["Elements"].toArray()[0].toObject()["Image"].toObject();
    EXPECT_EQ(image["width"].toInt(), 320);   // the blank picture held after a failed load
    EXPECT_EQ(image["height"].toInt(), 200);
}

TEST(BatchTool, TypesListsTheTicketTypes)
{
    TestFolder folder;
    ToolRun r = runTool({"--program-folder", folder.path(), "types"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.trimmed(), QByteArray("{\"types\": []}"));

    TicketTypeList list;
    EttTyp t = EttTyp::startupType();
    t.PitchX = 92.5;
    t.setTypeName(QStringLiteral("Großformat"));
    list.types.push_back(t);
    list.save();
    r = runTool({"--program-folder", folder.path(), "types"});
    EXPECT_EQ(r.out.trimmed(),
              QByteArray("{\"types\": [{\"MarginLeft\": 0.0, \"MarginTop\": 0.0, \"PitchX\": 92.5, \"PitchY\": 55.0, "
                         "\"CardWidth\": 90.0, \"CardHeight\": 55.0, \"Columns\": 2, \"Rows\": 5, "
                         "\"TypeName\": \"Gro\xC3\x9F" "format\"}]}"));
}

TEST(BatchTool, EventsPrintsTheEventDatabase)
{
    TestFolder folder;
    ToolRun r = runTool({"--program-folder", folder.path(), "events"});
    ASSERT_EQ(r.exitCode, 0);
    QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_TRUE(o["events"].toArray().isEmpty());
    EXPECT_EQ(o["labels"].toArray().size(), 13);
    EXPECT_EQ(o["DefaultEventIndex"].toInt(), 0);

    EventDatabase db;
    EventRecord first, second;
    first.field(3) = QStringLiteral("Stadthalle Köln");
    second.field(1) = QStringLiteral("Zweite");
    db.events = {first, second};
    db.FieldLabels[2] = QStringLiteral("Ort:");
    db.DefaultEventIndex = 1;
    ASSERT_TRUE(writeEventDatabaseFile(eventDatabasePath(), db));
    r = runTool({"--program-folder", folder.path(), "events"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("{\"events\": "));
    o = QJsonDocument::fromJson(r.out).object();
    const QJsonArray events = o["events"].toArray();
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].toArray().size(), 13);
    EXPECT_EQ(events[0].toArray()[2].toString(), QStringLiteral("Stadthalle Köln"));
    EXPECT_EQ(events[1].toArray()[0].toString(), QStringLiteral("Zweite"));
    EXPECT_EQ(o["labels"].toArray()[2].toString(), QStringLiteral("Ort:"));
    EXPECT_EQ(o["DefaultEventIndex"].toInt(), 1);
}
