#pragma once
// The main window's event state: the database, the current event and what the
// page "Veranstaltungen" shows. The page's widgets mirror this state and hand
// every user action to the matching method here.
#include "events/eventdatabase.h"

#include <QString>
#include <QStringList>
#include <array>

class EventSession {
public:
    enum class Chooser { AdrList, AdrCombo1, AdrCombo2 };

    EventDatabase db;   // events, field labels (StringGrid2) and DefaultEventIndex

    // The edit grid StringGrid1, column 1 rows 1..12 as shown (index 0 is field 1),
    // and the logo file name edit FilenameEdit1. Between switches the current
    // event's values live only here.
    std::array<QString, EventFieldCount> Grid;
    QString LogoFile;

    int CurrentEventIndex = -1;

    // Item texts and selections of the three choosers (-1: no selection).
    QStringList AdrListItems, AdrCombo1Items, AdrCombo2Items;
    int AdrListIndex = -1, AdrCombo1Index = -1, AdrCombo2Index = -1;
    bool StdAdrChecked = false;

    // The logo preview must read the file again before it next paints.
    bool LogoReloadPending = false;

    int EventCount() const { return db.EventCount(); }
    // Placeholders are replaced only while an event is current.
    bool substitutionActive() const { return CurrentEventIndex >= 0 && EventCount() > 0; }
    // Value of field 1..12 as the grid shows it; label 1..13.
    QString gridValue(int fieldIndex) const { return Grid[size_t(fieldIndex - 1)]; }
    QString fieldLabel(int labelIndex) const { return db.FieldLabels[size_t(labelIndex - 1)]; }

    // Window creation: no event current, the database read, the choosers set to
    // the default event without running their handlers.
    void formCreate();
    // Reads AdrDB.dat; a file that cannot be opened changes nothing.
    void LoadAllNames();
    // Writes the grid back into the current event, then the whole database. A
    // file that was not read completely is first kept as a backup; a failed
    // write is reported to the user and leaves the previous file.
    bool SaveAllNames();
    void FreeAllNames();
    void ListAllNames();
    void LoadFromDB(int index);
    void SaveToDB(int index);
    void ChangeAktName();

    // The user picked an event in one of the choosers: the other two follow.
    void chooserPicked(Chooser chooser, int index);
    void StdAdrCheckClick(bool checked);
    // "&Neue Veranstaltung" after the dialog was confirmed with these values.
    void addEvent(const QString &bezeichnung, const QString &ort, bool copyRest);
    // "Veranstaltung löschen": asks first; true when the event was deleted.
    bool DelAdrBtnClick();
    // A whole logo file name arrived in FilenameEdit1 (chosen, pasted, set, or
    // typing ended): returns the tidied name the edit must show.
    QString FilenameEdit1Change(const QString &typed);
    // One keystroke in FilenameEdit1: kept as it stands until the name is whole.
    void logoNameTyped(const QString &partial);

private:
    void setAllChoosers(int index);
    bool keepOldFileFirst_ = false;
};

// Drops a double quote standing first and one standing last; others stay.
QString StripQuotes(const QString &text);
// The item texts of the three choosers for one event.
QString adrListItemText(const EventRecord &record);
QString adrCombo1ItemText(const EventRecord &record);
QString adrCombo2ItemText(const EventRecord &record);
