#include "game/play/level_names.h"

#include <algorithm>

#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/values/line_file.h"

namespace game {

TextValue LevelNamesFileName() {
    return "Media/Zolv-" + mapset_Str + "-nomi-" + CharText(static_cast<int>(48 + lingua)) + "." +
           estdoc_Str;
}

TextValue LevelName(double m) {
    if (m < 0) return "";
    return ReadFileLine(LevelNamesFileName(), m);
}

void DrawLevelName(double m, double centre, double y, double width_limit) {
    const TextValue name = LevelName(m);
    const int length = Len(name);
    if (length == 0) return;
    // Eight pixels a letter at half size; longer names get smaller so they fit.
    const double advance = std::min(8.0, width_limit / (length + 1));
    const double width = (length + 1) * advance;
    SetBlendAlpha(0.7);
    FillBox(static_cast<int>(centre - width / 2 - 3), static_cast<int>(y - 2),
            static_cast<int>(width + 6), static_cast<int>(2 * advance + 4), 0x302020);
    SetBlendAlpha(0);
    ScriveTESTO(name, centre - width / 2, y, advance, advance / 16);
}

}  // namespace game
