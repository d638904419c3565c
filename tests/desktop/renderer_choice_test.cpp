#include "desktop/app/renderer_choice.h"

#include <QQuickWindow>
#include <gtest/gtest.h>

namespace examsim {
namespace {

// Renderer and vendor strings as drivers report them.
TEST(RendererChoice, TellsSoftwareRasterisersFromGpus) {
    const struct {
        const char* renderer;
        const char* vendor;
        bool software;
    } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", "Mesa/X.org", true},
        {"softpipe", "Mesa/X.org", true},
        {"Google SwiftShader", "Google Inc.", true},
        {"ANGLE (Google, Vulkan 1.3.0 (SwiftShader Device (Subzero)), SwiftShader driver)", "Google Inc.", true},
        {"Software Rasterizer", "Mesa Project", true},
        {"Mesa OffScreen", "Brian Paul", true},
        {"zink (lavapipe)", "Collabora Ltd", true},
        {"D3D12 (Microsoft Basic Render Driver)", "Microsoft Corporation", true},
        {"GDI Generic", "Microsoft Corporation", true},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "Intel", false},
        {"NVIDIA GeForce RTX 3060/PCIe/SSE2", "NVIDIA Corporation", false},
        {"AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-18-amd64)", "AMD", false},
        {"SVGA3D; build: RELEASE; LLVM;", "VMware, Inc.", false},
        {"virgl (NVIDIA GeForce GTX 1080)", "Mesa/X.org", false},
        {"Apple M1", "Apple", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isSoftwareRenderer(c.renderer, c.vendor), c.software) << c.renderer;
}

// Chromium's own flags stay; --disable-gpu joins them once.
TEST(RendererChoice, AddsTheGpuSwitchToTheUsersChromiumFlags) {
    const QByteArray saved = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const auto& [given, expected] : std::initializer_list<std::pair<QByteArray, QByteArray>>{
             {"--no-sandbox", "--no-sandbox --disable-gpu"},
             {"", "--disable-gpu"},
             {"--disable-gpu --lang=fr", "--disable-gpu --lang=fr"}}) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", given);
        // The offscreen platform these tests run on has no GPU of its own.
        EXPECT_TRUE(chooseWebRenderer());
        EXPECT_EQ(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), expected);
    }
    EXPECT_EQ(QQuickWindow::sceneGraphBackend(), "software");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", saved);
}

}  // namespace
}  // namespace examsim
