// Shared set-up of the drawing tests: a started engine, a clean drawing state, test sprites.
#pragma once
#include <gtest/gtest.h>

#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/gl_engine.h"
#include "support/gl_test_screen.h"

class GfxTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { StartTestEngine(640, 480); }
    void SetUp() override {
        SelectTarget(-1);
        GfxAllowFramebufferObjects(true);
        SetKeyColour(0);
        SetBlendAlpha(0);
        ClearFrame();
    }
    void TearDown() override { SelectTarget(-1); }

    // A 16 x 16 sheet at (x, y): red, green, blue and white quarters (top-left, top-right,
    // bottom-left, bottom-right) with a black 3 x 3 hole in the red one at (2, 2).
    static void DrawSheet(int x, int y) {
        FillBox(x, y, 8, 8, 0x0000FF);
        FillBox(x + 8, y, 8, 8, 0x00FF00);
        FillBox(x, y + 8, 8, 8, 0xFF0000);
        FillBox(x + 8, y + 8, 8, 8, 0xFFFFFF);
        FillBox(x + 2, y + 2, 3, 3, 0x000000);
    }
    // Sprite n cut from that sheet, black keyed out; the screen is cleared afterwards.
    static void MakeSheetSprite(int n) {
        DrawSheet(0, 0);
        CaptureSprite(n, 0, 0, 16, 16);
        ClearFrame();
    }
};
