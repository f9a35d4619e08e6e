#include "events/eventsession.h"

#include "core/datafilewrite.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "core/unreadfilebackup.h"

namespace {
// The first value of a chooser text is cut to 255 characters; the rest stay whole.
QString joinItem(const QString &first, std::initializer_list<QString> rest)
{
    QString text = first.left(255);
    for (const QString &s : rest)
        text += QLatin1Char(' ') + s;
    return text;
}
}

QString adrListItemText(const EventRecord &r)
{
    return joinItem(r.field(FieldOrt), {r.field(FieldAuffuehrung)});
}

QString adrCombo1ItemText(const EventRecord &r)
{
    return joinItem(r.field(FieldBezeichnung),
                    {r.field(FieldDatumUhrzeit), r.field(FieldAuffuehrung), r.field(FieldOrt)});
}

QString adrCombo2ItemText(const EventRecord &r)
{
    return joinItem(r.field(FieldOrt), {r.field(FieldAuffuehrung)});
}

QString StripQuotes(const QString &text)
{
    QString s = text;
    if (s.startsWith(QLatin1Char('"')))
        s.remove(0, 1);
    if (s.endsWith(QLatin1Char('"')))
        s.chop(1);
    return s;
}

void EventSession::formCreate()
{
    CurrentEventIndex = -1;
    LoadAllNames();
    setAllChoosers(db.validIndex(db.DefaultEventIndex) ? db.DefaultEventIndex : -1);
}

void EventSession::LoadAllNames()
{
    bool complete = true;
    std::optional<EventDatabase> read = readEventDatabaseFile(eventDatabasePath(), &complete);
    if (!read)
        return;
    keepOldFileFirst_ = !complete;
    FreeAllNames();
    db = std::move(*read);
    ListAllNames();
}

bool EventSession::SaveAllNames()
{
    SaveToDB(CurrentEventIndex);
    return replaceDataFile(eventDatabasePath(), encodeEventDatabase(db), keepOldFileFirst_);
}

void EventSession::FreeAllNames()
{
    db.events.clear();
    db.events.shrink_to_fit();
}

void EventSession::ListAllNames()
{
    AdrListItems.clear();
    AdrCombo1Items.clear();
    AdrCombo2Items.clear();
    for (const EventRecord &r : db.events) {
        AdrListItems << adrListItemText(r);
        AdrCombo1Items << adrCombo1ItemText(r);
        AdrCombo2Items << adrCombo2ItemText(r);
    }
    setAllChoosers(-1);
}

void EventSession::LoadFromDB(int index)
{
    if (!db.validIndex(index))
        return;
    const EventRecord &r = db.events[size_t(index)];
    for (int i = 1; i <= EventFieldCount; ++i)
        Grid[size_t(i - 1)] = r.field(i);
    LogoFile = FilenameEdit1Change(r.LogoFileName());
}

void EventSession::SaveToDB(int index)
{
    if (!db.validIndex(index))
        return;
    EventRecord &r = db.events[size_t(index)];
    for (int i = 1; i <= EventFieldCount; ++i)
        r.field(i) = Grid[size_t(i - 1)];
    r.LogoFileName() = LogoFile;
}

void EventSession::ChangeAktName()
{
    const int s = AdrCombo1Index;
    if (s == CurrentEventIndex)
        return;
    SaveToDB(CurrentEventIndex);
    CurrentEventIndex = s;
    LoadFromDB(s);   // with no selection the grid keeps what it shows, owned by no event
    StdAdrChecked = AdrListIndex == db.DefaultEventIndex;
}

void EventSession::setAllChoosers(int index)
{
    // A chooser cannot select an index outside its items.
    const int valid = db.validIndex(index) ? index : -1;
    AdrListIndex = AdrCombo1Index = AdrCombo2Index = valid;
}

void EventSession::chooserPicked(Chooser, int index)
{
    setAllChoosers(index);
    ChangeAktName();
}

void EventSession::StdAdrCheckClick(bool checked)
{
    StdAdrChecked = checked;
    if (checked)
        db.DefaultEventIndex = AdrListIndex;
}

void EventSession::addEvent(const QString &bezeichnung, const QString &ort, bool copyRest)
{
    db.events.emplace_back();
    const int added = EventCount() - 1;
    if (copyRest)
        SaveToDB(added);
    EventRecord &r = db.events.back();
    r.field(FieldBezeichnung) = bezeichnung;
    r.field(FieldOrt) = ort;
    ListAllNames();
    chooserPicked(Chooser::AdrCombo1, added);
}

bool EventSession::DelAdrBtnClick()
{
    if (!db.validIndex(CurrentEventIndex))
        return false;
    const QString item = AdrListIndex >= 0 && AdrListIndex < AdrListItems.size() ? AdrListItems.at(AdrListIndex)
                                                                                  : QString();
    const QString question = QStringLiteral("Wollen Sie die Adresse \"%1\" wirklich löschen?").arg(item);
    if (showMessage(QStringLiteral("Adresse löschen"), question, MsgIcon::Question, MsgYes | MsgNo) != MsgYes)
        return false;
    const int deleted = CurrentEventIndex;
    db.events.erase(db.events.begin() + deleted);
    // The default index is not shifted: the event that moves into its place becomes the default.
    if (db.DefaultEventIndex == deleted)
        db.DefaultEventIndex = 0;
    CurrentEventIndex = -1;   // the grid's content is dropped
    if (db.events.empty())
        FreeAllNames();
    ListAllNames();
    chooserPicked(Chooser::AdrCombo1, 0);
    return true;
}

void EventSession::logoNameTyped(const QString &partial)
{
    LogoFile = partial;
    LogoReloadPending = true;
}

QString EventSession::FilenameEdit1Change(const QString &typed)
{
    LogoFile = SubProgPath(StripQuotes(typed));
    LogoReloadPending = true;
    return LogoFile;
}
