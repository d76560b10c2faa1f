#include "game/shell/ShellApp.h"

#include "game/shell/DemoArt.h"
#include "game/shell/PngFile.h"
#include "game/shell/TestScene.h"
#include "game/shell/WidgetDemo.h"
#include "game/ui/ControlResources.h"
#include "tessel/Log.h"
#include "tessel/app/UserDataFolder.h"
#include "tessel/audio/AudioEngine.h"
#include "tessel/audio/NullAudioBackend.h"
#include "tessel/platform/posix/CrashHandler.h"
#include "tessel/graphics/GraphicsDevice.h"
#include "tessel/resources/ContentPaths.h"
#include "tessel/resources/ResourceManager.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;

namespace Corvanta {

namespace {

const char* const DataFolder = "./data/";

}  // namespace

ShellApp::ShellApp(AppPlatform* platform, const ShellOptions& options) : GameAppBase(platform), Options(options) {
  ProductName = "Corvanta";
  WindowTitle = u"Corvanta";
  Width = 1024;
  Height = 768;
}

ShellApp::~ShellApp() { TheControlResources = ControlResources{}; }

void ShellApp::Initialize() {
  try {
    GameAppBase::Initialize();
    InstallCrashHandler(UserDataFolder.CStr());
    SetCrashDesktopSize(DesktopWidth, DesktopHeight);
    TheResourceManager->BaseFolder = DataFolder;
    TheAudio = new AudioEngine(AudioBackendFactory ? AudioBackendFactory() : std::make_shared<NullAudioBackend>(),
                               TheResourceManager->BaseFolder);
    SetWindowed(Windowed);
    SetUpControlResources();
    Scene = new TestScene(this);
    Scene->OnLeave = [this] { ShowWidgetDemo(true); };
    TheWidgetManager->AddChild(Scene);
    Demo = new WidgetDemo(*this, *Art);
    Demo->OnLeave = [this] { ShowWidgetDemo(false); };
    TheWidgetManager->AddChild(Demo);
    ShowWidgetDemo(Options.Demo == "widgets");
  }
  TESSEL_TRACE("ShellApp::Initialize")
}

void ShellApp::Uninitialize() {
  try {
    GameAppBase::Uninitialize();  // the widgets go before the art and sounds they use
    Scene = nullptr;
    Demo = nullptr;
    TheControlResources = ControlResources{};
  }
  TESSEL_TRACE("ShellApp::Uninitialize")
}

void ShellApp::SetUpControlResources() {
  Art = std::make_unique<DemoArt>();
  TheControlResources = ControlResources{};
  Art->FillIn(TheControlResources);
  bool hasArt = ContentFileExists(String(DataFolder) + "fonts/TrebuchetMSBold10.xml");
  bool hasSounds = ContentFileExists(String(DataFolder) + "sounds/click.ogg");
  // The HUD's pictures come with the HUD's art; until then the stand-ins stay.
  bool hasHudArt = ContentFileExists(String(DataFolder) + "images/hud/Lock.png");
  if (hasArt) LoadCommonControlResources(*TheResourceManager, TheControlResources);
  if (hasHudArt) LoadHudControlResources(*TheResourceManager, TheControlResources);
  if (hasSounds) LoadControlSounds(*TheResourceManager, TheControlResources);
}

void ShellApp::ShowWidgetDemo(bool shown) {
  Scene->SetVisible(!shown);
  Demo->SetVisible(shown);
  TheWidgetManager->SetFocus(shown ? static_cast<Widget*>(Demo) : Scene);
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
