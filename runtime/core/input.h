// The input object: keyboard by game key code, key waits, mouse and joysticks.
#pragma once

// Start-up: create the input object, then open its devices on the window.
void InputCreate();
void InputInitDevices(int hide_mouse);
void InputShutdown();

// Copies the keyboard state for the new frame and marks a new frame for the mouse.
void InputNewFrame();

// 1 while the key with this code (low 8 bits used) is held, else 0.
int KeyDown(int code);

// Esc (codes 1 and 129) ends the program in ShowFrame and InputIdle when on.
void SetEscapeEnds(int on);
int EscapeEnds();
