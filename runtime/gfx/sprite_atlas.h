// Sprites cut from the screen also live in shared atlas pages (not for game code).
//
// Every captured sprite has a texture of its own, so a board of a few hundred sprites would
// be a few hundred draw calls. A copy of each captured sprite's whole texture block in a page
// lets DrawSprite, at the sprite's own size, batch sprites of one page together; stretched,
// zoomed and turned sprites keep drawing from their own texture, whose edges they may sample.
#pragma once
#include "runtime/gfx/gl_engine.h"

// Copies the sprite's texture block into its place in a page, finding it one when it has none.
// A sprite drawn into as an off-screen target, or whose block is too large, gets no place.
void AtlasStore(SpriteImage& s);
// Deletes every page (the engine's end).
void AtlasReset();
// Width and height of a page in texels.
int AtlasPageSize();
