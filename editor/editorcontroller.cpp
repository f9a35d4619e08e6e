#include "editor/editorcontroller.h"

#include "core/document.h"
#include "editor/dragit.h"
#include "editor/edithistory.h"
#include "editor/editorkeys.h"
#include "editor/hitzones.h"
#include "editor/selectionmarks.h"
#include "editor/zoomstep.h"

EditorController::EditorController(Document &doc, EditorSurfaceView &view) : doc_(doc), view_(view) {}

void EditorController::notifyChange(const char *what)
{
    if (beforeCardChange)
        beforeCardChange(QString::fromUtf8(what));
}

void EditorController::showCursor(int32_t cursor)
{
    if (cursor == state.cursor)
        return;
    state.cursor = cursor;
    view_.showCursor(cursor);
}

void EditorController::setdragmod(int32_t x, int32_t y)
{
    state.DragMode = 0;
    state.GrabDx = state.GrabDy = 0;
    switch (state.tool) {
    case EditorTool::Pointer: {
        const int32_t slot = doc_.CurrentElement;
        if (slot >= 1 && slot <= ElementPool::SlotCount) {
            const Tobs &e = doc_.pool[slot];
            const ZoneHit hit = hitZone(e.PxLeft(), e.PxTop(), e.PxWidth(), e.PxHeight(), x, y);
            if (hit.mode > 0) {
                state.DragMode = hit.mode;
                state.GrabDx = hit.dx;
                state.GrabDy = hit.dy;
                showCursor(hit.cursor);
                return;
            }
        }
        showCursor(CursorArrow);
        return;
    }
    case EditorTool::Magnifier:
        showCursor(CursorMagnifier);
        return;
    case EditorTool::Hand:
        showCursor(CursorGrab);
        return;
    default:
        showCursor(CursorCreate);
        return;
    }
}

void EditorController::selectAt(int32_t x, int32_t y)
{
    const int slot = hitTestSlot(doc_.pool, x, y);
    if (slot != doc_.CurrentElement || slot == 0) {
        doc_.CurrentElement = slot;
        view_.paintEditor();
    }
}

void EditorController::mouseDown(EditorButton button, int32_t x, int32_t y)
{
    view_.focusKeys();
    if (button == EditorButton::Left) {
        switch (state.tool) {
        case EditorTool::Hand:
            state.HandX = x;
            state.HandY = y;
            state.DragState = DragHand;
            return;
        case EditorTool::Magnifier:
            ZoomAt(x, y, true);
            return;
        case EditorTool::Pointer:
            if (state.SwallowNextPress) {
                state.SwallowNextPress = false;
                return;
            }
            setdragmod(x, y);
            if (state.DragMode > 0) {
                state.dragBox = boxOf(doc_.pool[doc_.CurrentElement]);
                state.DragState = DragElement;
                view_.paintEditor();
            } else {
                selectAt(x, y);
            }
            return;
        default:
            return;   // creation tools act on the release
        }
    }
    if (button == EditorButton::Right) {
        if (state.tool == EditorTool::Magnifier) {
            ZoomAt(x, y, false);
            return;
        }
        const int32_t keptMode = state.DragMode;
        setdragmod(x, y);
        if (state.DragMode > 0) {
            view_.showElementMenu(x, y);
        } else {
            selectAt(x, y);
            if (doc_.CurrentElement > 0)
                view_.showElementMenu(x, y);
            else
                view_.showBackgroundMenu(x, y);
        }
        state.DragMode = keptMode;
    }
}

void EditorController::mouseMove(int32_t x, int32_t y)
{
    switch (state.DragState) {
    case DragHand:
        Drag2Hand(x, y);
        return;
    case DragElement: {
        // Erase the outline drawn before, follow the mouse, draw it again.
        PixelBox b = toScreen(state.dragBox, doc_.scale);
        view_.invertOutline(b.L, b.T, b.W, b.H);
        dragit(state.dragBox, state.DragMode, x, y, state.GrabDx, state.GrabDy, doc_.scale,
               doc_.surfaceWidth(), doc_.surfaceHeight());
        b = toScreen(state.dragBox, doc_.scale);
        view_.invertOutline(b.L, b.T, b.W, b.H);
        return;
    }
    default:
        setdragmod(x, y);
        return;
    }
}

void EditorController::mouseUp(EditorButton button, int32_t x, int32_t y)
{
    if (button != EditorButton::Left)
        return;
    switch (state.DragState) {
    case DragHand:
        Drag2Hand(x, y);
        state.DragState = DragIdle;
        return;
    case DragElement:
        finishDrag(x, y);
        return;
    default:
        if (isCreationTool(state.tool))
            createAt(x, y);
        return;
    }
}

void EditorController::finishDrag(int32_t x, int32_t y)
{
    EditStep step(history, state.DragMode == 9 ? StepName::Move : StepName::Resize);
    dragit(state.dragBox, state.DragMode, x, y, state.GrabDx, state.GrabDy, doc_.scale, doc_.surfaceWidth(),
           doc_.surfaceHeight());
    state.DragState = DragIdle;
    const int32_t slot = doc_.CurrentElement;
    if (slot >= 1 && slot <= ElementPool::SlotCount) {
        Tobs &e = doc_.pool[slot];
        if (boxOf(e) != state.dragBox) {
            notifyChange("drag");
            e.Left = state.dragBox.Left;
            e.Top = state.dragBox.Top;
            e.Width = state.dragBox.Width;
            e.Height = state.dragBox.Height;
        }
    }
    view_.paintEditor();
}

int EditorController::createAt(int32_t x, int32_t y)
{
    EditStep step(history, StepName::Create);
    const int slot = createElement(doc_, state.tool, x, y, state.font, screenDpi, chooseImage,
                                   [this] { notifyChange("create"); });
    if (slot == 0)
        return 0;
    view_.paintEditor();
    state.tool = EditorTool::Pointer;
    view_.showTool(EditorTool::Pointer);
    return slot;
}

bool EditorController::deleteCurrent()
{
    EditStep step(history, StepName::Delete);
    const int32_t slot = doc_.CurrentElement;
    if (slot < 1 || slot > ElementPool::SlotCount)
        return false;
    if (!deleteCurrentElement(doc_, [this] { notifyChange("delete"); }))
        return false;
    view_.paintEditor();
    return true;
}

void EditorController::doubleClick()
{
    const int32_t slot = doc_.CurrentElement;
    if (state.tool != EditorTool::Pointer || slot < 1 || slot > ElementPool::SlotCount
        || doc_.pool[slot].Kind != KindText)
        return;
    state.SwallowNextPress = true;
    view_.editText(slot);
}

void EditorController::keyDown(EditorKey key)
{
    switch (key) {
    case EditorKey::Delete:
        deleteCurrent();
        return;
    case EditorKey::Up:
    case EditorKey::Down:
        if (doc_.CurrentElement < 1)
            return;
        doc_.CurrentElement = nextElementUpward(doc_);
        view_.paintEditor();
        return;
    default:
        return;
    }
}

void EditorController::ZoomAt(int32_t x, int32_t y, bool zoomIn)
{
    const ScrollPositions pos = zoomStep(doc_, x, y, zoomIn, view_.scrollBoxWidth(), view_.scrollBoxHeight());
    state.Rescaling = true;
    view_.resizeSurface();
    view_.setScrollPositions(pos.h, pos.v);
    state.Rescaling = false;
    view_.paintEditor();
}

void EditorController::Drag2Hand(int32_t x, int32_t y)
{
    const ScrollPositions pos = handScroll(doc_, {view_.hPos(), view_.vPos()}, state.HandX, state.HandY, x, y);
    view_.setScrollPositions(pos.h, pos.v);
}
