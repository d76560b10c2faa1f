#pragma once
// GameAppBase: the framework's application object. One exists per process;
// it owns the window, the graphics device, the audio interface and the
// widget manager, and runs the frame loop. The game derives its own
// application from it and hooks in through the virtual operations.
//
// The frame loop's decisions: each Update receives the previous frame's
// duration, at least the minimum frame time and at most 0.1 s, so a stall
// slows the game down instead of making it jump; frames are paced by
// sleeping (in whole milliseconds, longer while in the background), never by
// busy waiting; and one outer handler in Run reports every failure in a
// message box instead of letting it end the process silently.
//
// Everything the operating system provides comes through an AppPlatform, so
// the loop, the timing and the window-message rules run the same with a
// window (SDL) or without one (HeadlessPlatform, tests with a fake clock).

#include <cstdint>
#include <functional>
#include <memory>

#include "tessel/Array.h"
#include "tessel/Exception.h"
#include "tessel/LogFile.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/app/AppPlatform.h"
#include "tessel/app/InputListener.h"
#include "tessel/app/WindowMessage.h"
#include "tessel/graphics/GraphicsDeviceOwner.h"
#include "tessel/resources/ImageData.h"

namespace Tessel {

class AudioInterface;
class GraphicsDevice;
class ResourceBase;
class ResourceManager;
class WidgetManager;
struct ScreenRect;

class GameAppBase : public GraphicsDeviceOwner {
public:
  // Without a platform the application runs headless.
  explicit GameAppBase(AppPlatform* platform = nullptr);
  ~GameAppBase() override;
  GameAppBase(const GameAppBase&) = delete;
  GameAppBase& operator=(const GameAppBase&) = delete;

  virtual void Quit();
  virtual void Update(float dt);
  virtual void Draw();
  virtual void PresentFrame();
  virtual void CaptureFrame(const ScreenRect& source, int width, int height, ImageData& image);
  virtual void SetWindowed(bool windowed);
  virtual void Initialize();
  virtual void Uninitialize();
  virtual void MainLoop();
  virtual void RunFrame();
  virtual void OnDeactivate() {}
  virtual void OnActivate() {}

  int Run();

  // Index of the first token equal to the text (exact), or -1.
  int FindCommandLineArgument(const String& text) const;
  // Cursor in client (frame) pixels, clamped to the client area on request.
  void GetMousePosition(int& x, int& y, bool clamp) const;
  // A source width of 0 takes the whole image.
  void SetCursorImage(ResourceBase* image, float x, float y, float width, float height, float hotspotX,
                      float hotspotY);
  void ClearCursorImage();
  void AddInputListener(InputListener* listener);
  void RemoveInputListener(InputListener* listener);
  void AddOutputListener(OutputListener* listener);
  void RemoveOutputListener(OutputListener* listener);
  // With the error icon; and without an icon for wide texts.
  void ShowMessageBox(const String& text, const String& caption);
  void ShowMessageBoxWide(const WideString& text, const WideString& caption);

  // Creates the main window at the stored size (640 x 480 when not positive),
  // centred on the desktop when windowed.
  void CreateMainWindow();
  // The window procedure: true when the message was handled, false when it
  // goes to the default procedure.
  bool WindowProcedure(const WindowMessage& message);
  // What the platform's default procedure does (Alt+F4 closes the window).
  void DefaultWindowProcedure(const WindowMessage& message);
  void DispatchWindowMessage(const WindowMessage& message);

  // GraphicsDeviceOwner
  bool IsWindowed() const override { return Windowed; }
  int GetColorDepth() const override { return ColorDepth; }
  bool IsVerticalSync() const override { return VerticalSync; }
  bool IsInactive() const override { return Inactive; }
  void ApplyDisplayMode() override { SetWindowed(Windowed); }
  void SetTextureMemoryInUse(uint64_t bytes) override { TextureMemoryInUse = bytes; }
  void RecomputeClientRect() override;

  AppPlatform& GetPlatform() { return *Platform; }
  uint32_t Now() { return Platform->GetClock().GetMilliseconds(); }
  // The step the next Update receives (seconds).
  float GetFrameStep() const { return FrameStep; }

  // Fields, in the order of the framework's documentation.
  String CompanyName{"TesselGames"};
  String ProductName{"Product"};
  WideString WindowTitle;
  String Language{"english"};
  String ExecutableFolder;  // ends with "/"
  String ExecutableName;    // without extension
  Array<String> CommandLineTokens;
  GraphicsDevice* TheGraphicsDevice = nullptr;
  AudioInterface* TheAudio = nullptr;
  ResourceManager* TheResourceManager = nullptr;  // created by the resource manager's layer
  WidgetManager* TheWidgetManager = nullptr;
  Array<InputListener*> InputListeners;
  Array<OutputListener*> OutputListeners;
  int Width = 800, Height = 600;
  int ColorDepth = 0;  // 16 prefers 16-bit formats
  bool Windowed = true;
  bool VerticalSync = false;
  bool Inactive = false;
  bool ModeChangeInProgress = false;
  float MaxFrameTime = 0.1f;
  float MinFrameTimeActive = 0.01f;
  float MinFrameTimeInactive = 1.0f / 30;
  bool ManageSystemCursor = true;
  ResourceBase* CursorImage = nullptr;
  float CursorSourceX = 0, CursorSourceY = 0, CursorSourceWidth = 0, CursorSourceHeight = 0;
  float CursorHotspotX = 0, CursorHotspotY = 0;
  uint32_t ElapsedTime = 0;
  float FrameRate = 0, AverageFrameRate = 0, LowestFrameRate = 0, HighestFrameRate = 0;
  uint64_t TextureMemoryInUse = 0;
  LogFile TheLogFile;
  uint8_t KeyboardState[256] = {};
  int ExitCode = 0;
  uint32_t RunStartTime = 0;
  int ClientX = 0, ClientY = 0, ClientWidth = 0, ClientHeight = 0;
  bool InDraw = false, QuitRequested = false, Minimized = false, AudioPaused = false;
  bool SystemCursorVisible = true;
  uint32_t StatsWindowStart = 0, StatsFramesInWindow = 0, StatsMillisecondsInWindow = 0;
  uint32_t StatsTotalFrames = 0, StatsTotalMilliseconds = 0;
  void* WindowHandle = nullptr;
  uint16_t IconId = 0;
  String StartDirectory;
  int DesktopColorDepth = 0, DesktopWidth = 0, DesktopHeight = 0;

  // Makes the graphics device at start-up; by default the null device. The
  // executable installs its renderer here.
  std::function<GraphicsDevice*(GameAppBase&)> GraphicsDeviceFactory;

protected:
  void SystemInitialize();

private:
  void UpdateFrameStatistics();
  void ReleaseMembers();
  template <typename Call>
  void ForEachInputListener(Call call);

  std::unique_ptr<AppPlatform> OwnedPlatform;
  AppPlatform* Platform;
  float FrameStep = 0;  // dt of the next Update
  bool IsInitialized = false;
};

// The process's application object (null outside its lifetime).
extern GameAppBase* TheApp;
// Set while the outer handler reports an Exception: repaints are left to the
// platform then.
extern bool IsErrorBeingShown;

}  // namespace Tessel
