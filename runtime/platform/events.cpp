// The event pump: window, keyboard and pad events, and the end signals.
#include <SDL2/SDL.h>

#include "runtime/platform/audio.h"
#include "runtime/platform/gamepad.h"
#include "runtime/platform/keyboard.h"
#include "runtime/platform/signals.h"
#include "runtime/platform/window.h"
#include "runtime/platform/window_parts.h"

namespace {
void HandleEvent(const SDL_Event& e) {
    const PlatformEventHandlers& h = Parts().handlers;
    switch (e.type) {
        case SDL_QUIT:
            if (h.on_close) h.on_close();
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                if (h.on_close) h.on_close();
            } else if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                       e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                if (h.on_expose) h.on_expose();
            } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                Parts().has_focus = true;
                if (h.on_focus) h.on_focus(true);
            } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                Parts().has_focus = false;
                PlatformClearKeyboard();
                if (h.on_focus) h.on_focus(false);
            }
            break;
#ifdef __EMSCRIPTEN__
        case SDL_MOUSEBUTTONDOWN:
        case SDL_FINGERDOWN:
            PlatformAudioUserGesture();
            break;
#endif
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const bool down = e.type == SDL_KEYDOWN;
#ifdef __EMSCRIPTEN__
            if (down) PlatformAudioUserGesture();
#endif
            const SDL_Scancode sc = e.key.keysym.scancode;
            const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
            if (down && !e.key.repeat) {
                // Without a window manager nobody turns Alt+F4 into a close request.
                if (sc == SDL_SCANCODE_F4 && alt) {
                    if (h.on_close) h.on_close();
                    break;
                }
                if (sc == SDL_SCANCODE_F11 || (sc == SDL_SCANCODE_RETURN && alt)) {
                    PlatformSetFullscreen(!PlatformIsFullscreen());
                    break;
                }
            }
            if (!Parts().has_focus) break;
            int code = PlatformKeyCodeFromScancode(sc);
            if (code) {
                PlatformSetKey(code, down);
                if (h.on_key) h.on_key(code, down);
            }
            break;
        }
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
        case SDL_CONTROLLERBUTTONDOWN:
            PlatformGamepadEvent(e);
            break;
        default:
            break;
    }
}
}  // namespace

void PlatformSetEventHandlers(const PlatformEventHandlers& handlers) {
    Parts().handlers = handlers;
    // The end signals are ours (signals.h): SDL would turn them into a quit event only where
    // events are pumped.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

bool PlatformPumpOne() {
    const PlatformEventHandlers& h = Parts().handlers;
    if (PlatformEndSignal() != 0 && h.on_end_signal) h.on_end_signal();
    SDL_Event e;
    if (!SDL_PollEvent(&e)) return false;
    HandleEvent(e);
    return true;
}

void PlatformPumpAll() {
    while (PlatformPumpOne()) {
    }
}

void PlatformRequestClose() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}
