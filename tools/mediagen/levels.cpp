// The shipped levels, one 16 x 16 board each, rows top to bottom. Each teaches one piece or
// combines a few. Each carries its shortest solution, found by tools/solver.
//   #  floor        $  water          %  start          &  '  )  walls     (  *  torches
//   +  glass block  ,  egg            -  chick          .  ice            /  hole
//   0  gem          Q  star           R  rock           S  bush           T  hen
//   1 2 3 4  slides up, right, down, left               5 6  exits
//   7  switch: gates 9 (shut) and : (open) swap, cabins turn
//   A  red switch:    C d up, c D down      B  blue switch:   E f up, e F down
//   O  green switch:  G h up, g H down      P  yellow switch: I L M up, J K N down
//   ; < = > ? @ W X { }  turning cabins     U V  flowers
#include "media_set.h"

namespace mediagen {

namespace {
#define W16 "$$$$$$$$$$$$$$$$"
const std::vector<Level> kLevels = {
    // 0: eggs and the exit (also the demonstration).
    {{W16, W16, W16, "$$$$&'&&&&'&$$$$", "$$$$#,####,#$$$$", "$$$$########$$$$", "$$$$##%#####$$$$",
      "$$$$######U#$$$$", "$$$$#,######$$$$", "$$$$#######5$$$$", W16, W16, W16, W16, W16, W16},
     "223000011111122222"},
    // 1: chicks count once you walk on; the hen stays put.
    {{W16, W16, W16, "$$$$&&(&&*&&$$$$", "$$$$#-####-#$$$$", "$$$$###T####$$$$", "$$$$#%######$$$$",
      "$$$$####,###$$$$", "$$$$#-####5#$$$$", W16, W16, W16, W16, W16, W16, W16},
     "0022220111000112222"},
    // 2: gems and the star for points; rocks in the way.
    {{W16, W16, W16, "$$$$&&')&&&&$$$$", "$$$$0#R##Q#,$$$$", "$$$$##R##R##$$$$", "$$$$#%######$$$$",
      "$$$$0####0#5$$$$", W16, W16, W16, W16, W16, W16, W16, W16},
     "11001111222"},
    // 3: ice melts behind you: only one way round takes all three eggs.
    {{W16, W16, W16, W16, "$$$$&&)&&&$$$$$$", "$$$$#.,..#$$$$$$", "$$$$%..,.5$$$$$$",
      "$$$$#..,.#$$$$$$", W16, W16, W16, W16, W16, W16, W16, W16},
     "011122011"},
    // 4: slides carry you along.
    {{W16, W16, W16, "$$,44444#$$$$$$$", "$$3$$$$$1$$$$$$$", "$$3$$$$$1$$$$$$$", "$%22222,#5$$$$$$",
      W16, W16, W16, W16, W16, W16, W16, W16, W16},
     "11111110003333332221111111"},
    // 5: the switch opens one gate and shuts the other.
    {{W16, W16, W16, W16, W16, "$$$$$$$$$$$5$$$$", "$$$$$$$$$$$:$$$$", "$$$$%#7#9#,#7$$$", W16, W16,
      W16, W16, W16, W16, W16, W16},
     "11111111300"},
    // 6: the red switch lowers one barrier and raises another.
    {{W16, W16, W16, W16, W16, "$$$$,$$$$$$$$$$$", "$$$%#D#A#C#,#5$$", "$$$$-$$$$$$$$$$$", W16, W16,
      W16, W16, W16, W16, W16, W16},
     "10220111111111"},
    // 7: blue and green switches.
    {{W16, W16, W16, W16, W16, "$$$$$$$$$,$$$$$$", "$$%#B#E#O#h#5$$$", "$$$$$$$$$-$$$$$$", W16, W16,
      W16, W16, W16, W16, W16, W16},
     "11111110220111"},
    // 8: the yellow switch works three pairs at once.
    {{W16, W16, W16, W16, W16, "$$$$,$$$$$$$$$$$", "$$%#K#P#I#,#M#5$", W16, W16, W16, W16, W16, W16,
      W16, W16, W16},
     "11021111111111"},
    // 9: a cabin turns each time you leave it.
    {{W16, W16, W16, W16, "$$$$,$$$$$$$$$$$", "$$$$##$$$$$$$$$$", "$$%#?#$$$$$$$$$$",
      "$$$$#$$$$$$$$$$$", "$$$$5$$$$$$$$$$$", W16, W16, W16, W16, W16, W16, W16},
     "1110302222"},
    // 10: a maze of glass.
    {{W16, W16, W16, "$$$&&&&&&&&&&$$$", "$$$&,#+##0#,&$$$", "$$$&#+#++#+#&$$$", "$$$&#%#+,#+#&$$$",
      "$$$&##+##+##&$$$", "$$$&+#,#+#5#&$$$", W16, W16, W16, W16, W16, W16, W16},
     "30022122110101001122223"},
    // 11: ice, a switch, a slide and a cabin together.
    {{W16, W16, W16, W16, W16, "$$%#.,.#A#C#,$$$", "$$$$$$$$$$$$3$$$", "$$$$$$$$$$$$3$$$",
      "$$$$$$$$5#-?#$$$", W16, W16, W16, W16, W16, W16, W16},
     "11111111112223333"},
    // 12: press red, take the egg, then press red again to pass.
    {{W16, W16, W16, W16, "$$$$$$&(&&$$$$$$", "$$$$$$$,$$$$$$$$", "$$%#A#C#A#D#5$$$", W16, W16, W16,
      W16, W16, W16, W16, W16, W16},
     "111110211111"},
    // 13: the white switch turns the cabin as well as the gate.
    {{W16, W16, W16, "$$$$$$&&$$$$$$$$", "$$$$$$,$$$$$$$$$", "$$$$$$##U$$$$$$$", "$$%###?#7#9-$$$$",
      "$$$$$$#$$$$$$$$$", "$$$$$$5$$$$$$$$$", W16, W16, W16, W16, W16, W16, W16},
     "11111111133303302222"},
    // 14: eggs between four ice cells, chicks in the corners, the exit behind a yellow block.
    {{W16, W16, W16, "$$$$&&(&&*&&$$$$", "$$$$#-#..#-#$$$$", "$$$$#SS,,SS#$$$$", "$$$$#%#..#P#$$$$",
      "$$$$#####M##$$$$", "$$$$$$$$$5$$$$$$", W16, W16, W16, W16, W16, W16, W16},
     "300111210111223232"},
    // 15: round the island: the slides first, or the ice and the red barrier trap you.
    {{W16, W16, W16, "$$&&&(&&&&*&&&$$", "$$%,22222227-#$$", "$$5$$$$$$$$$$#$$", "$$.$$$$$$$$$$?$$",
      "$$,$$$STS$$$$#$$", "$$.$$$$$$$$$$#$$", "$$.$$$$$$$$$$A$$", "$$#######C##,#$$", W16, W16, W16,
      W16, W16},
     "111111111112222223333333333300000"},
    // 16: the white switch turns all four cabins: plan the turns.
    {{W16, W16, W16, "$$$$&&&&&&&&$$$$", "$$$$#,#?##-#$$$$", "$$$$#$$#$$#$$$$$", "$$$$%#W7X#@#5$$$",
      "$$$$#$$#$$#$$$$$", "$$$$#-#{##,#$$$$", W16, W16, W16, W16, W16, W16, W16},
     "2211133300001111112222333000211111"},
    // 17: slides both ways and a green switch between them.
    {{W16, W16, W16, "$$$&&(&&&&*&&$$$", "$$$,#.#G#.#,$$$$", "$$$#$2222$#$$$$$", "$$$%#O#g#h#5$$$$",
      "$$$#$4444$#$$$$$", "$$$-#.#H#.#-$$$$", W16, W16, W16, W16, W16, W16, W16},
     "220000112111101113222213001"},
    // 18: a frozen lake: one path takes everything before the ice is gone.
    {{W16, W16, W16, "$$$$&&&)&&&&$$$$", "$$$$$.-..,$$$$$$", "$$$$$.,.#.$$$$$$", "$$$$%.#...5$$$$$",
      "$$$$$..,.-$$$$$$", W16, W16, W16, W16, W16, W16, W16, W16},
     "1010111232321101"},
};
#undef W16
}  // namespace

const std::vector<Level>& Levels() {
    return kLevels;
}

std::string MapLine(const Level& l) {
    std::string s;
    for (const char* r : l.rows) s += r;
    return s;
}

std::string MovesOnly(const std::string& replay) {
    std::string s;
    for (char c : replay)
        if (c >= '0' && c <= '3') s += c;
    return s;
}

}  // namespace mediagen
