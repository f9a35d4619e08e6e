#include "editor/edithistory.h"

#include "core/bytes.h"
#include "core/designfile.h"
#include "core/document.h"
#include "editor/sharedpicture.h"

#include <QByteArray>
#include <utility>
#include <vector>

namespace {

// One slot as a design file record (every field but the picture) and its picture.
struct SlotState {
    QByteArray record;
    SharedPicture picture;
};

struct BackgroundState {
    int32_t mode = -1;
    QByteArray file;
    SharedPicture picture;

    bool sameAs(const BackgroundState &other) const
    {
        return mode == other.mode && file == other.file && picture.identity() == other.picture.identity();
    }
};

BackgroundState backgroundOf(const Document &doc)
{
    return {doc.BackgroundMode, doc.BackgroundFile, SharedPicture(doc.BackgroundImage)};
}

void restoreBackground(Document &doc, const BackgroundState &state)
{
    doc.releaseBackground();
    doc.BackgroundMode = state.mode;
    doc.BackgroundFile = state.file;
    doc.BackgroundImage = state.picture.share();
}

void restoreSlot(Tobs &element, const SlotState &state)
{
    element.release();
    ByteReader r(state.record);
    r.i32(); // the slot number the record was taken from
    readElementFields(r, element);
    element.Dib = state.picture.share();
}

} // namespace

// The records of all slots back to back. Kept from step to step: reusing the
// memory matters more than the writing itself.
struct SlotRecords {
    void fill(const Document &doc)
    {
        writer.clear();
        ends.resize(ElementPool::SlotCount + 1);
        for (int slot = 1; slot <= ElementPool::SlotCount; ++slot) {
            writeElementRecord(writer, slot, doc.pool[slot]);
            ends[size_t(slot)] = writer.size();
        }
    }

    QByteArrayView record(int slot) const
    {
        const qsizetype start = ends[size_t(slot) - 1];
        return writer.view().sliced(start, ends[size_t(slot)] - start);
    }

    ByteWriter writer;
    std::vector<qsizetype> ends;   // end of each slot's record; ends[0] = 0
};

// The card at the beginning of a step.
struct CardSnapshot {
    void take(const Document &doc)
    {
        records.fill(doc);
        pictures.assign(ElementPool::SlotCount + 1, SharedPicture());
        for (int slot = 1; slot <= ElementPool::SlotCount; ++slot)
            if (doc.pool[slot].Dib.Bits)
                pictures[size_t(slot)] = SharedPicture(doc.pool[slot].Dib);
        background = backgroundOf(doc);
        current = doc.CurrentElement;
    }
    // Lets go of the pictures between steps.
    void release()
    {
        pictures.clear();
        background = {};
    }

    SlotRecords records;
    std::vector<SharedPicture> pictures;   // by slot
    BackgroundState background;
    int32_t current = 0;
};

struct SlotChange {
    int slot;
    SlotState before, after;
};

struct EditStepRecord {
    QString name;
    std::vector<SlotChange> changes;
    bool backgroundChanged = false;
    BackgroundState backgroundBefore, backgroundAfter;
    int32_t currentBefore = 0, currentAfter = 0;
};

EditHistory::EditHistory(Document &doc)
    : doc_(doc), before_(std::make_unique<CardSnapshot>()), now_(std::make_unique<SlotRecords>()),
      clearCountSeen_(doc.clearCount())
{
}

EditHistory::~EditHistory() = default;

void EditHistory::forgetReplacedCard() const
{
    if (doc_.clearCount() == clearCountSeen_)
        return;
    clearCountSeen_ = doc_.clearCount();
    undo_.clear();
    redo_.clear();
    notifyChanged();
}

void EditHistory::beginStep(const QString &name)
{
    if (depth_++ > 0)
        return;
    forgetReplacedCard();
    openName_ = name;
    clearCountAtBegin_ = doc_.clearCount();
    before_->take(doc_);
    notifyChanged();
}

bool EditHistory::endStep(const QString &name)
{
    if (depth_ == 0)
        return false;
    if (!name.isEmpty())
        openName_ = name;
    if (--depth_ > 0)
        return false;
    const bool recorded = doc_.clearCount() == clearCountAtBegin_ && recordStep();
    // A command that replaced the card leaves nothing to take back step by step.
    forgetReplacedCard();
    before_->release();
    notifyChanged();
    return recorded;
}

bool EditHistory::recordStep()
{
    const CardSnapshot &before = *before_;
    SlotRecords &now = *now_;
    now.fill(doc_);

    auto step = std::make_unique<EditStepRecord>();
    step->name = openName_;
    for (int slot = 1; slot <= ElementPool::SlotCount; ++slot) {
        const Tobs &element = doc_.pool[slot];
        const QByteArrayView recordBefore = before.records.record(slot);
        const SharedPicture &pictureBefore = before.pictures[size_t(slot)];
        if (now.record(slot) == recordBefore && element.Dib.Bits == pictureBefore.identity())
            continue;
        step->changes.push_back({slot, {recordBefore.toByteArray(), pictureBefore},
                               {now.record(slot).toByteArray(), SharedPicture(element.Dib)}});
    }
    BackgroundState backgroundNow = backgroundOf(doc_);
    if (!backgroundNow.sameAs(before.background)) {
        step->backgroundChanged = true;
        step->backgroundBefore = before.background;
        step->backgroundAfter = std::move(backgroundNow);
    }
    if (step->changes.empty() && !step->backgroundChanged)
        return false;

    step->currentBefore = before.current;
    step->currentAfter = doc_.CurrentElement;
    undo_.push_back(std::move(step));
    if (int(undo_.size()) > Limit)
        undo_.pop_front();
    redo_.clear();
    return true;
}

bool EditHistory::canUndo() const
{
    forgetReplacedCard();
    return !stepOpen() && !undo_.empty();
}

bool EditHistory::canRedo() const
{
    forgetReplacedCard();
    return !stepOpen() && !redo_.empty();
}

QString EditHistory::undoName() const
{
    return canUndo() ? undo_.back()->name : QString();
}

QString EditHistory::redoName() const
{
    return canRedo() ? redo_.back()->name : QString();
}

int EditHistory::undoCount() const
{
    forgetReplacedCard();
    return int(undo_.size());
}

int EditHistory::redoCount() const
{
    forgetReplacedCard();
    return int(redo_.size());
}

namespace {
enum class Side { Before, After };

void applyStep(Document &doc, const EditStepRecord &step, Side side)
{
    for (const SlotChange &change : step.changes)
        restoreSlot(doc.pool[change.slot], side == Side::Before ? change.before : change.after);
    if (step.backgroundChanged)
        restoreBackground(doc, side == Side::Before ? step.backgroundBefore : step.backgroundAfter);
    const int32_t current = side == Side::Before ? step.currentBefore : step.currentAfter;
    const bool holdsElement = current >= 1 && current <= ElementPool::SlotCount && doc.pool[current].Kind > 0;
    doc.CurrentElement = holdsElement ? current : 0;
}
}

bool EditHistory::undo()
{
    if (!canUndo())
        return false;
    applyStep(doc_, *undo_.back(), Side::Before);
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    notifyChanged();
    return true;
}

bool EditHistory::redo()
{
    if (!canRedo())
        return false;
    applyStep(doc_, *redo_.back(), Side::After);
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    notifyChanged();
    return true;
}

void EditHistory::clear()
{
    clearCountSeen_ = doc_.clearCount();
    undo_.clear();
    redo_.clear();
    notifyChanged();
}

void EditHistory::notifyChanged() const
{
    if (changed)
        changed();
}
