// The graphics engine object: the sprite table, the background slots, the off-screen targets
// and the drawing state shared by the 2D drawing commands and the fonts.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// One entry of the sprite table. Texture rows are stored bottom-up: v = 0 is the image's
// bottom edge; the image sits at the texture's origin.
struct SpriteImage {
    uint32_t texture = 0;
    uint32_t texture2 = 0;  // kept empty; dropped whenever the sprite is captured at a new size
    int16_t texture_width = 0;
    int16_t texture_height = 0;
    int16_t image_width = 0;
    int16_t image_height = 0;
    int16_t frame_width = 0;
    int16_t frame_height = 0;
    // The copy of the texture block in an atlas page (0: none) and its corner there.
    uint32_t atlas = 0;
    int16_t atlas_x = 0;
    int16_t atlas_y = 0;
    bool target = false;  // drawn into as an off-screen target: no atlas copy
};

// A picture cut into square tiles, one texture each, indexed column * 8 + row.
struct BackgroundSlot {
    static constexpr int kMaxTiles = 64;
    std::array<uint32_t, kMaxTiles> texture{};
    std::array<int32_t, kMaxTiles> texture_width{};
    std::array<int32_t, kMaxTiles> texture_height{};
    std::array<int32_t, kMaxTiles> tile_width{};
    std::array<int32_t, kMaxTiles> tile_height{};
    int32_t columns = 0;
    int32_t rows = 0;
};

// Renderbuffer width and height are non-zero exactly when the target has a working
// framebuffer object; otherwise it works by capturing the screen.
struct OffscreenTarget {
    uint32_t framebuffer = 0;
    uint32_t depth_renderbuffer = 0;
    int32_t renderbuffer_width = 0;
    int32_t renderbuffer_height = 0;
    int32_t sprite = 0;
};

class OpenGLDirezaze {
  public:
    static constexpr int kSpriteCount = 65536;
    static constexpr int kScratchSprite = 65503;   // screen saved by the capture fallback
    static constexpr int kFontSpriteBase = 65504;  // font f is sprite 65504 + f
    static constexpr int kFontSlots = 32;
    static constexpr int kBackgroundSlots = 8;
    static constexpr int kTargets = 32;
    static constexpr int kDefaultKeyColour = 0x8000FF;

    OpenGLDirezaze();
    ~OpenGLDirezaze();  // deletes every texture and framebuffer object it made
    OpenGLDirezaze(const OpenGLDirezaze&) = delete;
    OpenGLDirezaze& operator=(const OpenGLDirezaze&) = delete;

    std::vector<SpriteImage> sprites;  // kSpriteCount entries
    std::array<BackgroundSlot, kBackgroundSlots> backgrounds{};
    std::array<OffscreenTarget, kTargets> targets{};
    int active_target = -1;  // -1: the screen

    float alpha = 0;
    int filtering = 1;
    int key_colour = kDefaultKeyColour;
    int load_key_colour = 0;
    int viewport_x = 0, viewport_y = 0, viewport_w = 0, viewport_h = 0;

    // Whether the screen has an alpha channel: -1 until the first capture asks.
    int screen_alpha_bits = -1;
    // Read-back buffer of captures without alpha, BGRA bytes; grown, never shrunk.
    std::vector<uint8_t> capture_scratch;
    int current_font = 0;
};

// The engine object, or nullptr before EngineInit created it and after the end.
OpenGLDirezaze* Gfx();
// Made at start-up once the window and its context exist; destroyed by the end routine.
void GfxCreate();
// Frees every sprite, background and target; the caller has left any off-screen target.
void GfxDestroy();

// Deletes both textures of a sprite and zeroes the entry.
void FreeSprite(SpriteImage& s);

// Off-screen targets use framebuffer objects where the context offers them. Tests turn this
// off to run the capture fallback on the same context; it affects targets created afterwards.
void GfxAllowFramebufferObjects(bool allowed);
bool GfxFramebufferObjectsAllowed();
