#include "desktop/app/renderer_choice.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <memory>

namespace examsim {
namespace {

QString glString(QOpenGLFunctions* gl, GLenum name) {
    const auto* text = reinterpret_cast<const char*>(gl->glGetString(name));
    return text ? QString::fromLatin1(text) : QString();
}

}  // namespace

OpenGlInfo probeOpenGl() {
    OpenGlInfo info;
    // The shared context exists already when the application asked for one;
    // borrowing it saves loading the driver a second time.
    QOpenGLContext* shared = QOpenGLContext::globalShareContext();
    std::unique_ptr<QOpenGLContext> own;
    QOpenGLContext* context = shared;
    if (!context || !context->isValid()) {
        own = std::make_unique<QOpenGLContext>();
        if (!own->create()) return info;
        context = own.get();
    }
    QOffscreenSurface surface;
    surface.setFormat(context->format());
    surface.create();
    if (!surface.isValid() || !context->makeCurrent(&surface)) return info;
    QOpenGLFunctions* gl = context->functions();
    info.renderer = glString(gl, GL_RENDERER);
    info.vendor = glString(gl, GL_VENDOR);
    info.available = !info.renderer.isEmpty();
    context->doneCurrent();
    return info;
}

bool isSoftwareRenderer(const QString& renderer, const QString& vendor) {
    static const char* const kSoftware[] = {
        "llvmpipe", "softpipe", "swiftshader", "software rasterizer", "software renderer",
        "offscreen", "swrast", "lavapipe", "basic render driver", "gdi generic",
    };
    const QString text = (renderer + ' ' + vendor).toLower();
    for (const char* name : kSoftware)
        if (text.contains(QLatin1String(name))) return true;
    return false;
}

bool chooseWebRenderer() {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    bool software = flags.contains("--disable-gpu") || QGuiApplication::platformName() == "offscreen" ||
                    qgetenv("LIBGL_ALWAYS_SOFTWARE") == "1";
    if (!software) {
        const OpenGlInfo gl = probeOpenGl();
        software = !gl.available || isSoftwareRenderer(gl.renderer, gl.vendor);
    }
    if (!software) return false;
    // Chromium reads its flags when the first web profile starts its engine.
    if (!flags.contains("--disable-gpu")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --disable-gpu").trimmed());
    // Passing software-drawn frames through an emulated OpenGL scene delays
    // every one of them by a fifth of a second.
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return true;
}

}  // namespace examsim
