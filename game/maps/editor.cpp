#include "game/maps/editor.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "game/maps/editor_checks.h"
#include "game/maps/editor_history.h"
#include "game/maps/editor_records.h"
#include "game/maps/editor_share.h"
#include "game/maps/map_file.h"
#include "game/maps/tile_read.h"
#include "game/play/records.h"
#include "game/screen/extra_texts.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

// The board shift of B with a direction, in map cells whatever the view: the new board is
// the `first` part of the old one followed by its `second` part (start, length).
struct ShiftParts {
    int first, first_length, second, second_length;
};
constexpr ShiftParts kShifts[4] = {
    {16, 240, 0, 16},   // up: the top row becomes the bottom row
    {255, 1, 0, 255},   // right: the last cell of a row becomes the first of the next
    {240, 16, 0, 240},  // down: the bottom row becomes the top row
    {1, 255, 0, 1},     // left: the first cell of a row becomes the last of the one before
};

// Steps of the piece choice (a grid six wide) and of the map chooser (a grid ten wide) for
// the directions 0 to 3 as seen on the screen, three characters each.
constexpr const char* kChoiceSteps = "006001-06-01";
constexpr const char* kMapSteps = "010001-10-01";

// The choice stays within -8 to 85 (pieces -2 to 91, the negative ones counted from the end of
// the piece table), wrapped by one correction of 86 each way: past 85 comes 0.
constexpr double kChoiceLowest = -8;
constexpr double kChoiceHighest = 85;

// The piece row: 13 pieces 24 pixels apart from x 6, standing on the bottom edge.
constexpr int kRowPieces = 13;
constexpr int kRowSpacing = 24;
constexpr int kRowLeft = 6;

// Undo and redo (U and I), the verdict (V) and storing the solution as the replay (K): keys
// no shipped key setting uses (key codes).
constexpr int kUndoKey = 22;
constexpr int kRedoKey = 23;
constexpr int kVerdictKey = 47;
constexpr int kStoreSolutionKey = 37;
// Test play of the map as saved (T): the settings' test switch turned on from the editor.
constexpr int kTestPlayKey = 20;
// A level as one line of text: C copies it to the clipboard, L loads a copied one.
constexpr int kCopyKey = 46;
constexpr int kPasteKey = 38;

// The board's drawing grid on the logical screen: cells 20 pixels apart across and 12 down
// (a cell's picture stands 4 pixels above the one behind), the cursor box 16 high.
constexpr int kCellWidth = 20;
constexpr int kCellDepth = 12;
// The piece row's band, in pixels from the top of the 320 x 240 screen.
constexpr int kRowTop = 216;

// Yellow as 0x00BBGGRR: the frame round the chosen piece.
constexpr int kChosenFrame = 0x00FFFF;
// The chosen piece drawn on its own: its box ends this far right and down, clear of the row's
// pieces (the tallest stand 32 pixels above the bottom edge); its name's letters 8 apart.
constexpr int kChosenRight = 316;
constexpr int kChosenBottom = 207;
constexpr int kChosenNameAdvance = 8;

// Select+Start that opened the editor from test play and are still held.
bool g_select_start_held = false;

// The keys and buttons of the frame before, so a press acts once.
struct EditorPresses {
    bool undo = false, redo = false, verdict = false, store = false, test = false, copy = false,
         paste = false, left = false, right = false;
    double painted_x = -1, painted_y = -1;  // the last cell a stroke painted
} g_presses;

double GridStep(const char* steps) {
    const double d = AvvolgiVALORE(rotazione + tasdir, 0, 3);
    return TextToNumber(Substring(steps, static_cast<int>(d) * 3, 3));
}

// Piece s of the table, or nothing for a number outside it; a negative number counts from
// the end, as the table's own indexing does.
const TextValue* PieceEntry(double s) {
    const int pieces = ArrayBounds(pezzi_Str, 0);
    const long n = static_cast<long>(s);
    if (n < -pieces || n >= pieces) return nullptr;
    return &pezzi_Str(n);
}

void ShiftBoard() {
    const ShiftParts& shift = kShifts[static_cast<int>(tasdir)];
    sc1 = shift.first;
    sc1l = shift.first_length;
    sc2 = shift.second;
    sc2l = shift.second_length;
    m1_Str = Substring(mappa_Str, static_cast<int>(sc1), static_cast<int>(sc1l));
    m2_Str = Substring(mappa_Str, static_cast<int>(sc2), static_cast<int>(sc2l));
    mappa_Str = m1_Str + m2_Str;
}

// The chosen piece as stored in the map: the view is turned back, so what is put looks on
// screen like the piece in the row.
void PutChosenPiece() {
    const TextValue* entry = PieceEntry(scelta + 6);
    if (entry == nullptr) return;
    newtipo_Str = Substring(*entry, static_cast<int>(AvvolgiVALORE(0 - rotazione, 0, 3)), 1);
    // An empty table entry puts nothing: the cell keeps its piece.
    MappaModificaXY();
}

// A piece's name in the player's language, from its two kind letters (characters 7 and 8 of
// its table entry): the name of both letters where there is one, else of the first.
std::string PieceName(const TextValue& entry) {
    const std::string e = entry.str();
    if (e.size() < 8) return "";
    const std::string both = "PIECE_" + e.substr(7, std::min<size_t>(2, e.size() - 7));
    const std::string& name = ExtraText(both);
    if (name != both) return name;
    const std::string first = "PIECE_" + e.substr(7, 1);
    const std::string& general = ExtraText(first);
    return general != first ? general : std::string();
}

double WrapChoice(double choice) {
    return AvvolgiVALORE(choice, kChoiceLowest, kChoiceHighest);
}

// The board cell under logical-screen pixel (px, py) into xr, yr, through the zoom, the
// board's offsets and the view rotation; false off the board.
bool CellUnderPointer(int px, int py) {
    const double scale = mappafissa == 0 ? zoom : 1;
    if (scale <= 0) return false;
    const double gx = std::floor((px / scale - bordox) / kCellWidth);
    const double gy = std::floor((py / scale - bordoy - 2) / kCellDepth);
    SetViewWindow();
    if (gx < 0 || gy < 0 || gx > xym || gy > xym) return false;
    return GridCell(gx, gy);
}

// Left button: a press in the piece row chooses that piece; on the board the cursor goes to
// the cell and the chosen piece is put there, on every cell the held button passes. Right
// button picks the piece of the cell; the wheel steps through the pieces.
void EditorMouse() {
    const MouseState m = ReadMouse();
    EditorPresses& p = g_presses;
    const bool left_press = m.left != 0 && !p.left;
    const bool right_press = m.right != 0 && !p.right;
    if (m.wheel != 0) scelta = WrapChoice(scelta - m.wheel);
    if (left_press && m.y >= kRowTop && zoom < 3) {
        const int place = (m.x - kRowLeft) / kRowSpacing;
        if (m.x >= kRowLeft && place < kRowPieces) scelta = WrapChoice(scelta + place - 6);
    } else if ((m.left != 0 && (p.painted_x >= 0 || left_press)) || right_press) {
        if (CellUnderPointer(m.x, m.y) && (m.y < kRowTop || zoom == 3)) {
            giocx = xr;
            giocy = yr;
            if (right_press) {
                MappaLeggeTILE();
                scelta = va - 6;
            } else if (xr != p.painted_x || yr != p.painted_y) {
                if (p.painted_x < 0) EditorEditBegin();
                PutChosenPiece();
                p.painted_x = xr;
                p.painted_y = yr;
            }
        }
    }
    if (m.left == 0 && p.painted_x >= 0) {
        EditorEditDone();
        p.painted_x = p.painted_y = -1;
    }
    p.left = m.left != 0;
    p.right = m.right != 0;
}

// A key that acts once per press.
bool Pressed(int code, bool* was_down) {
    const bool down = KeyDown(code) != 0;
    const bool pressed = down && !*was_down;
    *was_down = down;
    return pressed;
}

std::optional<EntryPoint> EditorExtraKeys() {
    EditorPresses& p = g_presses;
    if (Pressed(kTestPlayKey, &p.test)) {
        // Play starts from the file: unsaved changes are asked about as for another map.
        if (!EditorMayDropChanges()) return EntryPoint::kFrame;
        prova = 1;
        editor = 0;
        rotazione = 0;
        return EntryPoint::kAttemptStart;
    }
    if (Pressed(kUndoKey, &p.undo)) EditorUndo();
    if (Pressed(kRedoKey, &p.redo)) EditorRedo();
    if (Pressed(kVerdictKey, &p.verdict)) ShowEditorVerdict();
    if (Pressed(kStoreSolutionKey, &p.store)) StoreEditorSolution();
    if (Pressed(kCopyKey, &p.copy)) CopyEditorBoard();
    if (Pressed(kPasteKey, &p.paste)) PasteEditorBoard();
    return std::nullopt;
}

// The chosen piece on its own, above the right end of the piece row: drawn as on the board in
// a dark box framed like its place in the row, its name beside it. Where the cursor box
// would be hidden by it, it stands at the left end instead.
void DrawChosenPiece() {
    const TextValue* entry = PieceEntry(scelta + 6);
    if (entry == nullptr || Substring(*entry, 0, 1).empty()) return;
    const int sprite = static_cast<int>(SpritePEZZO(scelta + 6));
    double w = 0, h = 0;
    SpriteSize(sprite, w, h);
    const TextValue name(PieceName(*entry).c_str());
    const int box_w = static_cast<int>(w) + 4, box_h = static_cast<int>(h) + 4;
    const int name_w = kChosenNameAdvance * Len(name);
    const int width = box_w + (name_w > 0 ? name_w + 8 : 0);
    const int top = kChosenBottom - box_h;
    // The cursor box as DrawEditorCursor places it.
    const double zc = mappafissa == 0 ? zoom : 1;
    const double cx = zc * zxp, cy = zc * zyp, cw = zc * 20, ch = zc * 16;
    int left = kChosenRight - width;
    if (cx < kChosenRight && cx + cw > left && cy < kChosenBottom && cy + ch > top) left = 4;
    // The box at the outer end, the name towards the middle.
    const bool at_right = left > 160;
    const int box_x = at_right ? left + width - box_w : left;
    const int name_x = at_right ? left + 2 : left + box_w + 4;
    SetBlendAlpha(0);
    FillBox(box_x, top, box_w, box_h, 0);
    DrawSprite(sprite, box_x + 2, top + 2);
    const int r = box_x + box_w - 1, b = kChosenBottom - 1;
    DrawLine(box_x, top, r, top, kChosenFrame);
    DrawLine(box_x, b, r, b, kChosenFrame);
    DrawLine(box_x, top, box_x, b, kChosenFrame);
    DrawLine(r, top, r, b, kChosenFrame);
    if (name_w == 0) return;
    // The font's letters stand about 7 pixels right of and 8 to 20 below the x, y given.
    FillBox(name_x - 2, kChosenBottom - 16, name_w + 6, 16, 0);
    ScriveTESTO(name, name_x - 6, kChosenBottom - 22, kChosenNameAdvance, 0.5);
}

}  // namespace

void EditorEnteredWithSelectStart() {
    g_select_start_held = true;
}

std::optional<EntryPoint> EditorKeys(bool keys_read) {
    CallDepthScope depth;
    if (keys_read && !(tassel == 1 && tassta == 1)) g_select_start_held = false;
    // B with L or R turns the view (the common controls); the editor leaves the frame alone.
    if (tasb == 1 && (tasl == 1 || tasr == 1)) return std::nullopt;
    // A press of Select+Start longer than one reading of the keys would otherwise leave the
    // editor it has just opened.
    EditorTrackBoard(keys_read);
    if (tassel == 1 && tassta == 1 && !g_select_start_held) {
        if (!EditorMayDropChanges()) return EntryPoint::kFrame;
        if (prova != 0) editor = 0;
        rotazione = 0;
        return EntryPoint::kMenuSetUp;
    }
    if (const auto next = EditorExtraKeys()) return next;
    EditorMouse();
    if (tasb == 1 && tasdir > -1) {
        EditorEditBegin();
        ShiftBoard();
        EditorEditDone();
    }
    xr = giocx;
    yr = giocy;
    MappaLeggeTILE();
    if (tasx == 1) scelta = va - 6;
    if (tasy == 1) {
        if (tassta == 0) {
            EditorEditBegin();
            PutChosenPiece();
            EditorEditDone();
        } else {
            const TextValue old_board = ReadFileLine(MapFileName(), map);
            MappaSALVA();
            bool moved = false;
            if (LastSaveWritten()) {
                EditorBoardSaved();
                moved = MoveStaleRecords(old_board);
                // A replay pasted with this board becomes the map's when it has none.
                const std::string pasted = TakePastedReplay(mappa_Str.str());
                if (!pasted.empty()) {
                    WriteFileLine(ReplayFileName(), map, TextValue(pasted));
                    LineFiles().Flush();
                    replay_Str = pasted;
                }
            }
            // What the saved map lacks, and whether it can be finished.
            ShowEditorVerdict(moved ? ExtraText("EDITOR_RECORDS_MOVED") : "");
            return EntryPoint::kFrame;
        }
    }
    if (tasdir > -1) {
        if (tasa == 1)
            scelta = AvvolgiVALORE(scelta + GridStep(kChoiceSteps), kChoiceLowest, kChoiceHighest);
        if (tassel == 1) {
            // Changes not saved are dropped once asked: the chosen map is loaded from its file.
            if (!EditorMayDropChanges()) return EntryPoint::kFrame;
            MappaSceglie();
            return EntryPoint::kAttemptStart;
        }
    }
    return std::nullopt;
}

void EditorCursorMove() {
    CallDepthScope depth;
    if (tasdir <= -1) return;
    direzione = tasdir;
    giocdir = AvvolgiVALORE(tasdir + rotazione, 0, 3);
    mx = DirezioneXY(direzione, 0);
    my = DirezioneXY(direzione, 2);
    if (tasa == 1) return;
    if (giocx + mx >= 0 && giocx + mx <= 15) giocx = giocx + mx;
    if (giocy + my >= 0 && giocy + my <= 15) giocy = giocy + my;
}

void DrawEditorCursor() {
    CallDepthScope depth;
    z = mappafissa == 0 ? zoom : 1;
    exam = -0.5;
    SetBlendAlpha(-0.5);
    // Frame 0 is pure red; the next frames run through dark blue-red tints (0x00BBGGRR).
    const long blue = static_cast<long>(animazione * 30);
    const long red = static_cast<long>(animazione * 30 + 255) & 0xFF;
    FillBox(static_cast<int>(z * zxp), static_cast<int>(z * zyp), static_cast<int>(z * 20),
            static_cast<int>(z * 16), static_cast<int>(blue * 65536 + red));
}

void DrawPieceRow() {
    CallDepthScope depth;
    SetBlendAlpha(0);
    for (s = scelta; s <= scelta + kRowPieces - 1; ++s) {
        // Numbers past the table (after X picks one of the last pieces) are skipped like
        // empty entries.
        const TextValue* entry = PieceEntry(s);
        if (entry == nullptr) continue;
        const TextValue first_Str = Substring(*entry, 0, 1);
        if (first_Str.empty()) continue;
        sp = SpritePEZZO(s);
        SpriteSize(sp, x1, y1);
        const double x = (s - scelta) * kRowSpacing + kRowLeft;
        DrawSprite(static_cast<int>(sp), static_cast<int>(x), static_cast<int>(240 - y1));
        // The chosen piece's cell character blinks once per animation cycle.
        if (s == scelta + 6 && animazione == 0) ScriveTESTO(first_Str, x, 222 - y1, 20, 1);
        if (s == scelta + 6) {
            // A steady frame round the chosen piece.
            const int left = static_cast<int>(x) - 2, right = static_cast<int>(x) + kRowSpacing;
            const int top = static_cast<int>(238 - y1);
            DrawLine(left, top, right, top, kChosenFrame);
            DrawLine(left, top, left, 239, kChosenFrame);
            DrawLine(right, top, right, 239, kChosenFrame);
        }
    }
    // A notice stands where the chosen piece would.
    if (!EditorNoticeShown()) DrawChosenPiece();
    DrawEditorNotice();
}

void MappaSceglie() {
    CallDepthScope depth;
    mapgioc = map2;
    if (prova == 1) mapgioc = mapmax;
    map = map + GridStep(kMapSteps);
    // A true modulo of the maps allowed, so even a short set (fewer than ten maps) keeps the
    // chosen map inside it.
    const double count = std::fmax(mapgioc, 0) + 1;
    map = std::fmod(std::fmod(map, count) + count, count);
}

}  // namespace game
