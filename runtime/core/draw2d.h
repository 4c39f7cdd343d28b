// 2D drawing on the logical screen.
#pragma once

// Clears colour and depth of the current target.
void ClearFrame();
// Viewport back to the whole screen (sprite filtering back on).
void ResetViewport();
// Draws the background picture under the next frame (blending off, alpha 1).
void DrawBackground();
