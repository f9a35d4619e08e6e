#pragma once
// The editor's interaction state: the active tool, the drag in progress and the
// font that new elements take.
#include <QByteArray>
#include <cstdint>

// The seven tools of the tool bar, top to bottom.
enum class EditorTool { Pointer, Magnifier, Hand, Figure, Text, Image, Barcode };

inline bool isCreationTool(EditorTool t)
{
    return t == EditorTool::Figure || t == EditorTool::Text || t == EditorTool::Image || t == EditorTool::Barcode;
}

enum DragStateValue : int32_t {
    DragIdle = 0,
    DragElement = 1,   // moving or resizing the current element
    DragHand = 2,      // scrolling with the hand
};

// The mouse cursors of the paint surface, numbered as the hit zones use them.
enum EditorCursor : int32_t {
    CursorNone = 0,
    CursorDiagDown1 = 1, CursorDiagUp2 = 2, CursorDiagUp3 = 3, CursorDiagDown4 = 4,
    CursorVert5 = 5, CursorVert6 = 6, CursorHorz7 = 7, CursorHorz8 = 8,
    CursorGrab = 9,
    CursorArrow = 10,
    CursorMagnifier = 11,
    CursorCreate = 12,
};

// An element box in DocUnits.
struct DocBox {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const DocBox &) const = default;
};

// The font copied into every new element: the font dialog's current font.
struct CreationFont {
    QByteArray name = "Times New Roman";   // Windows-1252
    int32_t color = 0;
    int32_t height = -16;
    uint8_t pitch = 0;
    uint8_t style = 0;                    // 1 bold, 2 italic, 4 underline, 8 strikeout
    int32_t size = 12;                    // points
    bool operator==(const CreationFont &) const = default;
};

struct EditorState {
    EditorTool tool = EditorTool::Pointer;
    int32_t DragState = DragIdle;
    int32_t DragMode = 0;
    int32_t GrabDx = 0, GrabDy = 0;       // GrabOffset
    int32_t HandX = 0, HandY = 0;         // HandAnchor
    bool SwallowNextPress = false;
    bool Rescaling = false;
    int32_t cursor = CursorNone;          // the cursor shown
    // The current element's box while it is dragged; stored into the element
    // at the release, so a whole drag is one change of the card.
    DocBox dragBox;
    CreationFont font;
};
