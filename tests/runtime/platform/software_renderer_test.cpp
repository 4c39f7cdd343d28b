#include "runtime/platform/software_renderer.h"

#include <gtest/gtest.h>

namespace {

TEST(SoftwareRenderer, TheSystemsOwnSoftwareOpenGLIsWarnedAboutMesasIsOnlyLogged) {
    EXPECT_EQ(ClassifyRenderer("Mesa Windows GDI Driver", false), SoftwareRenderer::kWarn);
    EXPECT_EQ(ClassifyRenderer("AMD Radeon", true), SoftwareRenderer::kWarn)
        << "a generic pixel format is software whatever the name";
    EXPECT_EQ(ClassifyRenderer("llvmpipe (LLVM 15.0.6, 256 bits)", false),
              SoftwareRenderer::kQuiet);
    EXPECT_EQ(ClassifyRenderer("softpipe", false), SoftwareRenderer::kQuiet);
    EXPECT_EQ(ClassifyRenderer("Mesa Intel(R) UHD Graphics 620", false), SoftwareRenderer::kNone);
    EXPECT_EQ(ClassifyRenderer("Mesa Windows GDI Driver 2", false), SoftwareRenderer::kNone)
        << "the Windows driver's name must match whole";
    EXPECT_EQ(ClassifyRenderer("", false), SoftwareRenderer::kNone);
}

}  // namespace
