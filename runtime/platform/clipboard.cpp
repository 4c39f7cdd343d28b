#include "runtime/platform/clipboard.h"

#include <SDL2/SDL.h>

std::string PlatformClipboardText() {
    if (SDL_HasClipboardText() != SDL_TRUE) return "";
    char* text = SDL_GetClipboardText();
    if (text == nullptr) return "";
    std::string out(text);
    SDL_free(text);
    return out;
}

bool PlatformSetClipboardText(const std::string& text) {
    return SDL_SetClipboardText(text.c_str()) == 0;
}
