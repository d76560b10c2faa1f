#pragma once
// GraphicsGL: the graphics device on OpenGL 3.3 core. The frame is drawn
// into an offscreen target of the application's size (1024 x 768 for the
// game), which Present scales into the window, letterboxed, so full screen
// on any desktop and a resized window show the same frame. Captures read the
// offscreen target, never the window.
//
// Dynamic buffers are mapped without synchronisation while a frame appends
// to them and orphaned when it starts over, the renderer's counterpart of
// no-overwrite and discard locks.

#include <SDL.h>

#include "tessel/graphics/BatchingGraphicsDevice.h"
#include "tessel/platform/gl/GlPrograms.h"

namespace Tessel {

class GameAppBase;

class GraphicsGL : public BatchingGraphicsDevice {
public:
  explicit GraphicsGL(GameAppBase* app);
  ~GraphicsGL() override;

  void GetDeviceInfo(DeviceInfo& info) override;
  void GetCaps(DeviceCaps& caps) override;

  struct Resolution {
    int Width, Height;
  };
  // Each distinct size of the display's modes once, in the display's order.
  const std::vector<Resolution>& GetDisplayModes() const { return DisplayModes; }
  bool HasCompressedTextures() const { return HasS3tc; }

protected:
  const char* GetTraceClass() const override { return "GraphicsGL"; }
  const char* GetRendererName() const override { return "OpenGL"; }
  void CreateRenderer(int width, int height, bool windowed) override;
  bool ApplyWindowMode(int width, int height, bool windowed) override;
  bool ResetRenderer() override { return Context != nullptr; }
  void CreateBuffers() override;
  void ReleaseBuffers() override;
  void ApplyDefaultStates() override;
  bool IsOperational() override { return Context != nullptr; }
  void BeginScene() override;
  bool PresentTarget() override;
  void ClearTarget(uint32_t color) override;
  void CaptureTarget(ImageData& image, const ScreenRect& source, int width, int height) override;
  void ApplyRenderState(uint32_t word, uint32_t changedGroups) override;
  void ApplyStageState(int stage, uint32_t word, uint32_t changedGroups) override;
  void ApplyStageTexture(int stage, const CachedTexture* texture, int coordinateSet) override;
  void ApplyPixelShader(int shader) override { IsProgramStale = true; }
  void ApplyVertexFormat(VertexFormat format) override;
  void ApplyStreamSource(BufferKind buffer) override {}
  void* LockBuffer(BufferKind buffer, int first, int count, bool discard) override;
  void UnlockBuffer(BufferKind buffer) override;
  void DrawIndexed(PrimitiveKind primitive, int baseVertex, int vertexCount, int firstIndex,
                   int primitiveCount) override;
  bool SupportsTextureFormat(int format) override;
  uint32_t CreateTextureObject(int width, int height, int format, bool mipmaps, String* error) override;
  void UploadTextureObject(uint32_t handle, int width, int height, int format, const uint8_t* pixels) override;
  void GenerateMipmaps(uint32_t handle) override;
  void ReleaseTextureObject(uint32_t handle) override;

private:
  void CreateFrameTarget(int width, int height);
  void ReleaseFrameTarget();
  void BindProgram();
  void SetSamplerStates(int stage, uint32_t word);

  GameAppBase* App;
  SDL_Window* Window = nullptr;
  SDL_GLContext Context = nullptr;
  bool HasS3tc = false;
  int MaxTextureSize = 0;
  std::vector<Resolution> DisplayModes;

  int FrameWidth = 0, FrameHeight = 0;
  unsigned FrameBuffer = 0, FrameTexture = 0;
  unsigned Buffers[3] = {};     // by BufferKind
  unsigned VertexArrays[3] = {};  // by VertexFormat
  unsigned Samplers[2][2] = {};  // per stage: for single-level and for mip-mapped textures
  GlProgram Programs[NumCombiners][2];  // without and with the alpha test
  GlProgram* CurrentProgram = nullptr;
  bool IsProgramStale = true;
  VertexFormat BoundFormat = VERTEX_None;
  int AlphaFunction = 0, AlphaReference = 0;
  int Stage1CoordinateSet = 0;
  bool StageMipmapped[2] = {};
  bool Stage0Textured = false;
  uint32_t StageWords[2] = {};
  int CurrentShaderNumber = NoShader;
};

}  // namespace Tessel
