// The shared palette of the whole media set: a few ramps, light from the top left.
#pragma once

#include "canvas.h"

namespace mediagen::pal {

inline constexpr Rgb kSandLight{214, 192, 146}, kSand{182, 158, 112}, kSandDark{132, 108, 74},
    kSandEdge{98, 76, 52};
inline constexpr Rgb kStoneLight{176, 180, 198}, kStone{130, 134, 158}, kStoneDark{86, 88, 114},
    kStoneDeep{56, 56, 80};
inline constexpr Rgb kWaterLight{110, 170, 220}, kWater{44, 84, 150}, kWaterDeep{22, 40, 88};
inline constexpr Rgb kIceLight{236, 248, 255}, kIce{170, 216, 238}, kIceDark{112, 164, 204};
inline constexpr Rgb kLeaf{86, 168, 72}, kLeafDark{44, 104, 48}, kLeafLight{150, 210, 110};
inline constexpr Rgb kWood{150, 96, 52}, kWoodDark{96, 58, 32};
inline constexpr Rgb kWhite{244, 244, 236}, kCream{244, 232, 196}, kCreamDark{200, 182, 140};
inline constexpr Rgb kYellow{250, 214, 60}, kYellowDark{204, 150, 30}, kOrange{238, 132, 42};
inline constexpr Rgb kRed{214, 60, 56}, kBlue{64, 104, 220}, kGreen{58, 176, 84},
    kGold{232, 196, 60}, kViolet{160, 88, 208};
inline constexpr Rgb kMetalLight{200, 204, 212}, kMetal{140, 146, 160}, kMetalDark{84, 88, 104};
inline constexpr Rgb kAlien{96, 200, 120}, kAlienDark{40, 120, 72}, kAlienLight{170, 240, 170};
inline constexpr Rgb kFlame{255, 200, 80}, kFlameHot{255, 246, 190}, kEmber{230, 90, 30};

}  // namespace mediagen::pal
