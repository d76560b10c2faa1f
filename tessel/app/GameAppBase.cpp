#include "tessel/app/GameAppBase.h"

#include <unistd.h>

#include <climits>
#include <cmath>
#include <exception>

#include "tessel/Format.h"
#include "tessel/Log.h"
#include "tessel/Random.h"
#include "tessel/app/CommandLine.h"
#include "tessel/app/HeadlessPlatform.h"
#include "tessel/app/MessageBox.h"
#include "tessel/app/UserDataFolder.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/audio/AudioInterface.h"
#include "tessel/resources/ResourceManager.h"
#include "tessel/graphics/GraphicsDevice.h"
#include "tessel/graphics/NullGraphicsDevice.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/widgets/WidgetManager.h"

namespace Tessel {

GameAppBase* TheApp = nullptr;
bool IsErrorBeingShown = false;

namespace {

String CurrentDirectory() {
  char buffer[PATH_MAX];
  if (!getcwd(buffer, sizeof buffer)) return String("./");
  String path(buffer);
  if (path[path.GetLength() - 1] != '/') path += '/';
  return path;
}

// Frame times are whole milliseconds: 0.01 s is 10 ms, 1/30 s is 33 ms.
uint32_t ToMilliseconds(float seconds) { return seconds <= 0 ? 0 : static_cast<uint32_t>(std::lround(seconds * 1000)); }

int ToClientCoordinate(int value) { return static_cast<int16_t>(value); }

}  // namespace

GameAppBase::GameAppBase(AppPlatform* platform) {
  if (!platform) {
    OwnedPlatform = std::make_unique<HeadlessPlatform>();
    platform = OwnedPlatform.get();
  }
  Platform = platform;
  TheApp = this;

  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length > 0) {
    std::string_view full(path, static_cast<size_t>(length));
    size_t slash = full.rfind('/');
    std::string_view folder = full.substr(0, slash + 1), file = full.substr(slash + 1);
    size_t dot = file.rfind('.');
    ExecutableFolder = String(folder);
    ExecutableName = String(dot == std::string_view::npos || dot == 0 ? file : file.substr(0, dot));
    if (chdir(ExecutableFolder.CStr()) != 0) ExecutableFolder = CurrentDirectory();
  }
  CommandLineTokens = TokenizeProcessCommandLine();
  StartDirectory = CurrentDirectory();
  AddOutputListener(&TheLogFile);
  DisplayMode desktop = Platform->GetDesktopMode();
  DesktopColorDepth = desktop.ColorDepth;
  DesktopWidth = desktop.Width;
  DesktopHeight = desktop.Height;
  Platform->SetFineTimerResolution(true);
}

GameAppBase::~GameAppBase() {
  if (IsInitialized) ReleaseMembers();
  RemoveOutputListener(&TheLogFile);
  if (TheApp == this) TheApp = nullptr;
}

// ---- start-up and shutdown

void GameAppBase::SystemInitialize() {
  try {
    String folder = ComputeUserDataFolder(CompanyName, ProductName);
    // The folder must exist before the log opens there, or the first run's log is lost.
    UserDataFolder = CreateFolders(folder) ? folder : String("./");
    TheLogFile.Open(UserDataFolder + ExecutableName + ".log.txt", false);
    String error = Platform->Initialize();
    if (!error.IsEmpty()) throw Exception(error);
    TheGraphicsDevice = GraphicsDeviceFactory ? GraphicsDeviceFactory(*this) : new NullGraphicsDevice(this);
  }
  TESSEL_TRACE("GameAppBase::SystemInitialize")
}

void GameAppBase::Initialize() {
  try {
    SeedRand(Now() & 0xFFFF);
    IsInitialized = true;
    SystemInitialize();
    FrameRate = AverageFrameRate = HighestFrameRate = 0;
    LowestFrameRate = 99999;
    StatsFramesInWindow = StatsMillisecondsInWindow = StatsTotalFrames = StatsTotalMilliseconds = 0;
    StatsWindowStart = Now();
    TheWidgetManager = new WidgetManager(this);
    TheResourceManager = new ResourceManager(String("./"));
  }
  TESSEL_TRACE("GameAppBase::Initialize")
}

void GameAppBase::ReleaseMembers() {
  delete TheWidgetManager;
  TheWidgetManager = nullptr;
  // Resources tell the device and the audio they are going, so both outlive them.
  delete TheResourceManager;
  TheResourceManager = nullptr;
  delete TheGraphicsDevice;
  TheGraphicsDevice = nullptr;
  delete TheAudio;
  TheAudio = nullptr;
  Platform->DestroyMainWindow();
  WindowHandle = nullptr;
  Platform->Shutdown();
  Platform->SetFineTimerResolution(false);
  if (chdir(StartDirectory.CStr()) != 0) PrintLog("error: cannot return to '%s'\n", StartDirectory);
  IsInitialized = false;
}

void GameAppBase::Uninitialize() {
  try {
    ReleaseMembers();
    RemoveOutputListener(&TheLogFile);
  }
  TESSEL_TRACE("GameAppBase::Uninitialize")
}

void GameAppBase::CreateMainWindow() {
  WindowPlacement placement;
  placement.Width = Width > 0 ? Width : 640;
  placement.Height = Height > 0 ? Height : 480;
  placement.FullScreen = !Windowed;
  if (Windowed) {
    placement.X = std::max(0, (DesktopWidth - placement.Width) / 2);
    placement.Y = std::max(0, (DesktopHeight - placement.Height) / 2);
  }
  placement.Title = WindowTitle;
  Platform->DestroyMainWindow();
  String error = Platform->CreateMainWindow(placement, *this);
  if (!error.IsEmpty()) throw Exception(error);
  WindowHandle = Platform->GetWindowHandle();
  RecomputeClientRect();
}

// ---- the outer handler and the loop

int GameAppBase::Run() {
  RunStartTime = Now();
  auto failed = [this](const String& text, const String& caption) {
    ShowMessageBox(text, caption);
    // An unattended run must be able to tell that it failed.
    if (ExitCode == 0) ExitCode = 1;
  };
  try {
    Initialize();
    MainLoop();
    Uninitialize();
  } catch (AssertionFailedException& e) {
    e.Print();
    failed(Format("Expression:  %s\nFile: %s\nLine: %i\n\nOccured:\n%s", e.Message, e.SourceFile, e.Line, e.Trace),
           "Assertion failed");
  } catch (Exception& e) {
    IsErrorBeingShown = true;
    e.Print();
    failed("Message:\n  " + e.Message + "\n\nOccured:\n" + e.Trace, "Unhandled exception");
  } catch (std::exception& e) {
    IsErrorBeingShown = true;
    PrintLog("error: %s\n", e.what());
    failed("Message:\n  " + String(e.what()) + "\n\nOccured:\n", "Unhandled exception");
  } catch (...) {
    IsErrorBeingShown = true;
    PrintLog("error: unknown exception\n");
    failed(String("Message:\n  unknown exception\n\nOccured:\n"), "Unhandled exception");
  }
  return ExitCode;
}

void GameAppBase::MainLoop() {
  while (!QuitRequested) RunFrame();
}

void GameAppBase::RunFrame() {
  uint32_t start = Now();
  ElapsedTime = start - RunStartTime;
  Update(FrameStep);
  Draw();
  PresentFrame();
  uint32_t work = Now() - start;
  float minimum = Inactive ? MinFrameTimeInactive : MinFrameTimeActive;
  if (work >= ToMilliseconds(MaxFrameTime)) {
    FrameStep = MaxFrameTime;
  } else if (work < ToMilliseconds(minimum)) {
    Platform->GetClock().Sleep(ToMilliseconds(minimum) - work);
    FrameStep = minimum;
  } else {
    FrameStep = work * 0.001f;
  }
}

void GameAppBase::Quit() {
  QuitRequested = true;
  ExitCode = 0;
}

void GameAppBase::Update(float dt) {
  try {
    Platform->PumpMessages(*this);
    Platform->GetKeyboardState(KeyboardState);
    UpdateFrameStatistics();
    if (TheWidgetManager) TheWidgetManager->Update(dt);
    if (TheAudio) {
      bool away = Inactive || Minimized;
      if (away && !AudioPaused) {
        TheAudio->Pause();
        AudioPaused = true;
      } else if (!away && AudioPaused) {
        TheAudio->Resume();
        AudioPaused = false;
      }
      TheAudio->Update(dt);
    }
  }
  TESSEL_TRACE("GameAppBase::Update")
}

void GameAppBase::UpdateFrameStatistics() {
  uint32_t now = Now();
  StatsFramesInWindow += 1;
  StatsMillisecondsInWindow += now - StatsWindowStart;
  StatsWindowStart = now;
  if (StatsMillisecondsInWindow > 200) {
    StatsTotalFrames += StatsFramesInWindow;
    StatsTotalMilliseconds += StatsMillisecondsInWindow;
    FrameRate = StatsFramesInWindow * 1000.0f / StatsMillisecondsInWindow;
    AverageFrameRate = StatsTotalFrames * 1000.0f / StatsTotalMilliseconds;
    StatsFramesInWindow = StatsMillisecondsInWindow = 0;
    LowestFrameRate = std::min(LowestFrameRate, FrameRate);
    HighestFrameRate = std::max(HighestFrameRate, FrameRate);
  }
}

void GameAppBase::Draw() {
  if (!TheGraphicsDevice || Minimized || ModeChangeInProgress) return;
  try {
    InDraw = true;
    TheGraphicsDevice->BeginFrame();
    if (TheWidgetManager) TheWidgetManager->Draw();
    TheGraphicsDevice->EndFrame();
    InDraw = false;
  } catch (Exception& e) {
    InDraw = false;
    AppendTrace(e, "GameAppBase::Draw");
    throw;
  }
}

void GameAppBase::PresentFrame() {
  if (TheGraphicsDevice) TheGraphicsDevice->Present();
}

void GameAppBase::CaptureFrame(const ScreenRect& source, int width, int height, ImageData& image) {
  if (!TheGraphicsDevice) return;
  Draw();
  TheGraphicsDevice->CaptureScreen(image, source, width, height);
}

void GameAppBase::SetWindowed(bool windowed) {
  Windowed = windowed;
  ModeChangeInProgress = true;
  try {
    if (TheGraphicsDevice) TheGraphicsDevice->SetMode(Width, Height, &Windowed);
    if (TheWidgetManager) TheWidgetManager->SetSize(static_cast<float>(Width), static_cast<float>(Height));
  } catch (...) {
    ModeChangeInProgress = false;
    throw;
  }
  ModeChangeInProgress = false;
}

// ---- queries and registration

int GameAppBase::FindCommandLineArgument(const String& text) const {
  for (int i = 0; i < CommandLineTokens.GetSize(); ++i)
    if (CommandLineTokens[i] == text) return i;
  return -1;
}

void GameAppBase::GetMousePosition(int& x, int& y, bool clamp) const {
  Platform->GetCursorPosition(x, y);
  if (clamp) {
    x = std::max(0, std::min(x, ClientWidth - 1));
    y = std::max(0, std::min(y, ClientHeight - 1));
  }
}

void GameAppBase::SetCursorImage(ResourceBase* image, float x, float y, float width, float height, float hotspotX,
                                 float hotspotY) {
  if (image && width == 0) {
    auto* bitmap = IsKindOf<Bitmap>(image) ? static_cast<Bitmap*>(image) : nullptr;
    x = y = 0;
    width = bitmap ? static_cast<float>(bitmap->GetWidth()) : 0;
    height = bitmap ? static_cast<float>(bitmap->GetHeight()) : 0;
  }
  CursorSourceX = x;
  CursorSourceY = y;
  CursorSourceWidth = width;
  CursorSourceHeight = height;
  CursorHotspotX = hotspotX;
  CursorHotspotY = hotspotY;
  if (ManageSystemCursor && image != CursorImage) {
    if (!CursorImage && image && SystemCursorVisible) {
      Platform->ShowSystemCursor(false);
      SystemCursorVisible = false;
    } else if (CursorImage && !image && !SystemCursorVisible) {
      Platform->ShowSystemCursor(true);
      SystemCursorVisible = true;
    }
  }
  CursorImage = image;
}

void GameAppBase::ClearCursorImage() { SetCursorImage(nullptr, 0, 0, 0, 0, 0, 0); }

void GameAppBase::AddInputListener(InputListener* listener) { InputListeners.Add(listener); }

void GameAppBase::RemoveInputListener(InputListener* listener) {
  int index = InputListeners.IndexOf(listener);
  if (index >= 0) InputListeners.RemoveAt(index);
}

void GameAppBase::AddOutputListener(OutputListener* listener) {
  OutputListeners.Add(listener);
  Tessel::AddOutputListener(listener);
}

void GameAppBase::RemoveOutputListener(OutputListener* listener) {
  int index = OutputListeners.IndexOf(listener);
  if (index < 0) return;
  OutputListeners.RemoveAt(index);
  Tessel::RemoveOutputListener(listener);
}

void GameAppBase::ShowMessageBox(const String& text, const String& caption) {
  PrintLog("%s: %s\n", caption, text);
  if (!SystemCursorVisible) {
    Platform->ShowSystemCursor(true);
    SystemCursorVisible = true;
  }
  if (MessageBoxInterceptor* interceptor = GetMessageBoxInterceptor())
    interceptor->OnMessageBox(text, caption, true);
  else
    Platform->ShowMessageBox(text, caption, true);
}

void GameAppBase::ShowMessageBoxWide(const WideString& text, const WideString& caption) {
  if (!SystemCursorVisible) {
    Platform->ShowSystemCursor(true);
    SystemCursorVisible = true;
  }
  // The platform's boxes take UTF-8; String carries the bytes unchanged.
  String utf8Text(ToUtf8(text)), utf8Caption(ToUtf8(caption));
  PrintLog("%s: %s\n", utf8Caption, utf8Text);
  if (MessageBoxInterceptor* interceptor = GetMessageBoxInterceptor())
    interceptor->OnMessageBox(utf8Text, utf8Caption, false);
  else
    Platform->ShowMessageBox(utf8Text, utf8Caption, false);
}

void GameAppBase::RecomputeClientRect() {
  if (!Platform->GetWindowHandle()) return;
  ClientRect rect = Platform->GetClientRect();
  ClientX = rect.X;
  ClientY = rect.Y;
  ClientWidth = rect.Width;
  ClientHeight = rect.Height;
}

// ---- the window procedure

template <typename Call>
void GameAppBase::ForEachInputListener(Call call) {
  // A listener may add or remove listeners while it runs.
  Array<InputListener*> listeners = InputListeners;
  for (InputListener* listener : listeners) call(listener);
}

bool GameAppBase::WindowProcedure(const WindowMessage& m) {
  int x = ToClientCoordinate(m.X), y = ToClientCoordinate(m.Y);
  switch (m.Kind) {
    case MSG_Size:
      Minimized = m.Param == SIZE_Minimized;
      // Maximising goes full screen; a window manager that reports the full
      // screen window as maximised must not toggle it back.
      if (m.Param == SIZE_Maximized && Windowed) SetWindowed(false);
      RecomputeClientRect();
      return true;
    case MSG_Move: RecomputeClientRect(); return true;
    case MSG_Paint:
      if (IsErrorBeingShown) return false;
      Draw();
      return true;
    case MSG_Close: Quit(); return true;
    case MSG_ActivateApp:
      Inactive = m.Param == 0;
      if (Inactive)
        OnDeactivate();
      else
        OnActivate();
      return true;
    case MSG_KeyDown: ForEachInputListener([&](InputListener* l) { l->OnKeyDown(m.Param); }); return true;
    case MSG_KeyUp: ForEachInputListener([&](InputListener* l) { l->OnKeyUp(m.Param); }); return true;
    case MSG_Char: ForEachInputListener([&](InputListener* l) { l->OnChar(m.Param); }); return true;
    case MSG_SysKeyDown:
      if (m.Param == VK_F4 || m.Param == VK_SNAPSHOT) return false;
      if (m.Param == VK_RETURN) SetWindowed(!Windowed);
      return true;  // every other Alt key is swallowed
    case MSG_MouseMove: ForEachInputListener([&](InputListener* l) { l->OnMouseMove(x, y); }); return true;
    case MSG_ButtonDown:
      Platform->SetMouseCapture(true);
      ForEachInputListener([&](InputListener* l) { l->OnMouseDown(x, y, m.Param); });
      return true;
    case MSG_ButtonUp:
      Platform->SetMouseCapture(false);
      ForEachInputListener([&](InputListener* l) { l->OnMouseUp(x, y, m.Param); });
      return true;
    case MSG_MouseWheel: {
      int notches = static_cast<int16_t>(m.Param) / 120;
      ForEachInputListener([&](InputListener* l) { l->OnMouseWheel(notches); });
      return true;
    }
    default: return false;
  }
}

void GameAppBase::DefaultWindowProcedure(const WindowMessage& m) {
  if (m.Kind == MSG_SysKeyDown && m.Param == VK_F4) DispatchWindowMessage(WindowMessage{MSG_Close});
}

void GameAppBase::DispatchWindowMessage(const WindowMessage& message) {
  if (!WindowProcedure(message)) DefaultWindowProcedure(message);
}

}  // namespace Tessel
