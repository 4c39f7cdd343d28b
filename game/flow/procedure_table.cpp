#include "game/flow/procedure_table.h"

#include "game/maps/board_render.h"
#include "game/maps/editor.h"
#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/maps/tile_read.h"
#include "game/play/controls.h"
#include "game/play/game_actions.h"
#include "game/screen/screen_helpers.h"

namespace game {

namespace {

// Sorted by name, byte order (upper case before lower case). Procedures still to be written
// join at their place: TestoINTRO.
constexpr NamedProcedure kProcedures[] = {
    {"AzioniGIOCO", AzioniGIOCO},
    {"Cls", [] { Cls(); }},
    {"ControlloVOLUME", ControlloVOLUME},
    {"DisegnaINFO", DisegnaINFO},
    {"DisegnaPERSONAGGIO", DisegnaPERSONAGGIO},
    {"DisegnaSCHEMA", DisegnaSCHEMA},
    {"GiocatoreDATI", GiocatoreDATI},
    {"Impostazioni", Impostazioni},
    {"MappaCARICA", MappaCARICA},
    {"MappaLeggeTILE", MappaLeggeTILE},
    {"MappaLeggeTILE2", MappaLeggeTILE2},
    {"MappaModificaXY", MappaModificaXY},
    {"MappaRENDER", MappaRENDER},
    {"MappaSALVA", MappaSALVA},
    {"MappaSceglie", MappaSceglie},
    {"Margini", Margini},
    {"Punteggi", Punteggi},
    {"Sprite0", Sprite0},
    {"SpriteMEMO", SpriteMEMO},
    {"Tasti", Tasti},
    {"TastiAZZERA", TastiAZZERA},
    {"mostraschermo", [] { mostraschermo(); }},
};

}  // namespace

const NamedProcedure* ProcedureTable() {
    return kProcedures;
}
int ProcedureCount() {
    return static_cast<int>(std::size(kProcedures));
}

void InstallProcedureTable() {
    SetCallByNameTable(kProcedures, ProcedureCount());
}

}  // namespace game
