#include "game/shell/ShellApp.h"

#include "game/shell/PngFile.h"
#include "game/shell/TestScene.h"
#include "tessel/Log.h"
#include "tessel/app/UserDataFolder.h"
#include "tessel/audio/AudioEngine.h"
#include "tessel/audio/NullAudioBackend.h"
#include "tessel/platform/posix/CrashHandler.h"
#include "tessel/resources/ResourceManager.h"
#include "tessel/graphics/GraphicsDevice.h"

using namespace Tessel;

namespace Corvanta {

ShellApp::ShellApp(AppPlatform* platform, const ShellOptions& options) : GameAppBase(platform), Options(options) {
  ProductName = "Corvanta";
  WindowTitle = u"Corvanta";
  Width = 1024;
  Height = 768;
}

void ShellApp::Initialize() {
  try {
    GameAppBase::Initialize();
    InstallCrashHandler(UserDataFolder.CStr());
    SetCrashDesktopSize(DesktopWidth, DesktopHeight);
    TheResourceManager->BaseFolder = "./data/";
    TheAudio = new AudioEngine(AudioBackendFactory ? AudioBackendFactory() : std::make_shared<NullAudioBackend>(),
                               TheResourceManager->BaseFolder);
    delete TheWidgetManager;
    TheWidgetManager = new TestScene(this);
    SetWindowed(Windowed);
  }
  TESSEL_TRACE("ShellApp::Initialize")
}

// The window is made the first time the display mode is applied.
void ShellApp::SetWindowed(bool windowed) {
  if (!WindowHandle) {
    Windowed = windowed;
    CreateMainWindow();
  }
  GameAppBase::SetWindowed(windowed);
}

void ShellApp::RunFrame() {
  GameAppBase::RunFrame();
  ++FramesRun;
  if (Options.Frames > 0 && FramesRun >= Options.Frames) {
    if (!Options.CapturePath.empty()) CaptureLastFrame();
    Quit();
  }
}

// The offscreen frame still holds what the last frame drew.
void ShellApp::CaptureLastFrame() {
  ImageData image;
  TheGraphicsDevice->CaptureScreen(image, ScreenRect{0, 0, Width, Height}, Width, Height);
  std::string error;
  if (!WritePngFile(Options.CapturePath, image, &error)) throw Exception(String(error.c_str()));
  PrintLog("Captured the last frame to %s\n", Options.CapturePath);
}

}  // namespace Corvanta
