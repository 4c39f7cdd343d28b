// 2D drawing commands on the current target (the logical screen or an off-screen target).
//
// Coordinates are whole pixels, (0, 0) top-left, y growing downwards. Colours are 0x00BBGGRR
// (red in the low byte). Sprite numbers 0 to 65502 are the game's; the commands do not check
// them, callers keep them in range.
#pragma once
#include <string>
#include <string_view>

// Empties the background picture and clears colour and depth of the current target.
void ClearFrame();
// Viewport on the whole screen (also switches sprite filtering back on).
void ResetViewport();
// Viewport on x, y, w, h of the screen; a width or height of 0 or less means the whole screen.
void ResetViewport(int x, int y, int w, int h);
// Draws the background picture at (0, 0) in the current colour and blend mode.
void DrawBackground();

// 0: blending off, alpha 1. Below 0: normal transparency, above 0: additive; alpha |x| up to 1.
void SetBlendAlpha(double x);
// Sprite filtering: linear when on, nearest otherwise; the next frame turns it back on.
void SetFiltering(int on);
// The colour keyed out by captures and by font loading.
void SetKeyColour(int rgb);

// Loads a picture (BMP or PNG) as the background and draws it at once. A missing or unreadable
// file leaves no background and clears the target.
void LoadBackground(std::string_view file);
// The cross-fade's steps (the frame loop runs them, see runtime/frame/fade.h): Begin keeps the
// current screen and loads the picture, false (logged) when it is not found; Draw shows the
// old screen at alpha x over the picture at 1 - x; End makes the picture the background.
bool FadeBegin(std::string_view file, std::string* path);
void FadeDraw(double x);
void FadeEnd(const std::string& path);

void DrawSprite(int n, int x, int y);
// Into the rectangle x, y, w, h; a negative w or h mirrors the image.
void DrawSpriteStretched(int n, int x, int y, int w, int h);
// Scaled by sx, sy about the sprite's centre.
void DrawSpriteZoomed(int n, int x, int y, double sx, double sy);
// Turned about its centre; a positive angle (degrees) turns counter-clockwise on screen.
void DrawSpriteRotated(int n, int x, int y, double angle);
void DrawSpriteRotZoom(int n, int x, int y, double angle, double zoom);

// Copies the rectangle x, y, w, h of the current target into sprite n. Where the target has no
// alpha channel, pixels of the key colour become transparent.
void CaptureSprite(int n, int x, int y, int w, int h);

// One-pixel line including both end points.
void DrawLine(int x1, int y1, int x2, int y2, int rgb);
// Filled box; a negative w covers the w columns left of x + 1 (likewise h). The key colour
// is written with alpha 0.
void FillBox(int x, int y, int w, int h, int rgb);

// Image width and height of sprite n (0 x 0 for a sprite never captured).
void SpriteSize(double n, double& w, double& h);

// Off-screen target t (0 to 31) draws into sprite n of w x h.
void CreateOffscreen(int target, int n, int w, int h);
// Below 0: back to the screen; 0 to 31: draw into that target; above 31: ignored.
void SelectTarget(int target);
// Leaves the active off-screen target, if any, and draws on the screen again.
void LeaveTarget();
