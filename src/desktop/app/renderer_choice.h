#pragma once
#include <QString>

namespace examsim {

// The OpenGL the platform gives this process, as its driver names itself.
struct OpenGlInfo {
    bool available = false;
    QString renderer;
    QString vendor;
};

// Reads the renderer of the application's shared OpenGL context (created with
// QGuiApplication), or of a fresh context when there is none.
OpenGlInfo probeOpenGl();

// True for a rasteriser that runs on the processor (llvmpipe, SwiftShader...).
bool isSoftwareRenderer(const QString& renderer, const QString& vendor);

// Web views draw on the GPU only where a real one exists: otherwise their
// frames go through the software scene graph and Chromium draws without GL.
// Runs after QGuiApplication exists, before the first web profile; a choice
// already made in the environment is kept. Returns true for software drawing.
bool chooseWebRenderer();

}  // namespace examsim
