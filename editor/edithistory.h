#pragma once
// Undo and redo of the changes to the card. A step remembers the slots and the
// background fields a command changed, as they were before and after it.
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

class Document;
struct EditStepRecord;
struct CardSnapshot;
struct SlotRecords;

class EditHistory {
public:
    static constexpr int Limit = 100;

    explicit EditHistory(Document &doc);
    ~EditHistory();
    EditHistory(const EditHistory &) = delete;
    EditHistory &operator=(const EditHistory &) = delete;

    // Opens a step named after the command ("Verschieben", "Farbe"): the card is
    // remembered as it is now. Steps opened while one is open belong to it.
    void beginStep(const QString &name);
    // Closes the step; the outermost one is recorded when the card changed, and
    // then clears what could be redone. A non-empty name replaces the one given
    // at the beginning. True when a step was recorded.
    bool endStep(const QString &name = {});
    bool stepOpen() const { return depth_ > 0; }

    bool canUndo() const;
    bool canRedo() const;
    // The name of the step that undo or redo would take back or repeat.
    QString undoName() const;
    QString redoName() const;
    int undoCount() const;
    int redoCount() const;

    // Put the changed slots and background fields back as they were before (after)
    // the step; the element that was current then becomes current again.
    bool undo();
    bool redo();
    void clear();

    // Called whenever what undo and redo offer may have changed.
    std::function<void()> changed;

private:
    // A new card, an opened file or an adopted template replace the card: what
    // was recorded about the old one is forgotten.
    void forgetReplacedCard() const;
    void notifyChanged() const;
    // Compares the card with the snapshot and keeps what changed as a step.
    bool recordStep();

    Document &doc_;
    int depth_ = 0;
    QString openName_;
    std::unique_ptr<CardSnapshot> before_;
    std::unique_ptr<SlotRecords> now_;
    uint64_t clearCountAtBegin_ = 0;
    mutable uint64_t clearCountSeen_ = 0;
    mutable std::deque<std::unique_ptr<EditStepRecord>> undo_;
    mutable std::deque<std::unique_ptr<EditStepRecord>> redo_;
};

// Opens a step for the lifetime of the object; a null history records nothing.
class EditStep {
public:
    EditStep(EditHistory *history, const QString &name) : history_(history)
    {
        if (history_)
            history_->beginStep(name);
    }
    ~EditStep()
    {
        if (history_)
            history_->endStep(name_);
    }
    EditStep(const EditStep &) = delete;
    EditStep &operator=(const EditStep &) = delete;
    // Names the step once the command knows what it did.
    void rename(const QString &name) { name_ = name; }

private:
    EditHistory *history_;
    QString name_;
};

// The names of the steps, as the edit menu shows them ("Rückgängig: Verschieben").
namespace StepName {
inline const QString Move = QStringLiteral("Verschieben");
inline const QString Resize = QStringLiteral("Größe ändern");
inline const QString Create = QStringLiteral("Erstellen");
inline const QString Delete = QStringLiteral("Löschen");
inline const QString Color = QStringLiteral("Farbe");
inline const QString BorderColor = QStringLiteral("Umrandungsfarbe");
inline const QString Font = QStringLiteral("Schriftart");
inline const QString Shape = QStringLiteral("Form");
inline const QString Fill = QStringLiteral("Füllung");
inline const QString LineWidth = QStringLiteral("Linienstärke");
inline const QString Align = QStringLiteral("Ausrichtung");
inline const QString Rotate = QStringLiteral("Drehen");
inline const QString ToFront = QStringLiteral("Nach vorne");
inline const QString ToBack = QStringLiteral("Nach hinten");
inline const QString KeepAspect = QStringLiteral("Seitenverhältnis");
inline const QString EnterText = QStringLiteral("Text eingeben");
inline const QString TextEffects = QStringLiteral("Texteffekte");
inline const QString Transparency = QStringLiteral("Transparenz");
inline const QString Background = QStringLiteral("Hintergrund");
inline const QString Paste = QStringLiteral("Einfügen");
inline const QString Cut = QStringLiteral("Ausschneiden");
inline const QString Duplicate = QStringLiteral("Duplizieren");
}
