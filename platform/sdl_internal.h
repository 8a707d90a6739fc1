#pragma once
// Shared between the platform modules only: the SDL handles behind our own
// window and display objects. Nothing outside platform/ includes this.
#include <SDL.h>

#include "platform/window.h"

namespace plat {
// The SDL window behind a window, or null (headless, or already destroyed).
SDL_Window* NativeWindow(const Window* w);
// True when SDL's video subsystem is up (the dummy driver counts).
bool VideoUp();
// True when the run is headless on purpose (the dummy driver, or an off-screen
// driver asked for by name), as opposed to having no display.
bool HeadlessByChoice();
// Logical screen size that mouse coordinates are clamped to.
void SetInputLogicalSize(int32_t w, int32_t h);
// Logical coordinates to window pixels, through the renderer's scaling when
// a display mode is set (display.cpp).
void LogicalToWindowPoint(const Window* w, int32_t lx, int32_t ly, int32_t* wx, int32_t* wy);
// Called when a window goes away, so the display drops what it holds of it.
void DisplayForgetWindow(const Window* w);
} // namespace plat
