#pragma once
// NullGraphicsDevice: the whole device without a renderer. It batches,
// caches and accounts exactly like a real one but draws nothing, so headless
// runs, bots and tests exercise the same bookkeeping; the counters tell what
// a renderer would have been asked to do.

#include <map>
#include <vector>

#include "tessel/graphics/BatchingGraphicsDevice.h"

namespace Tessel {

class NullGraphicsDevice : public BatchingGraphicsDevice {
public:
  explicit NullGraphicsDevice(GraphicsDeviceOwner* owner = nullptr);
  ~NullGraphicsDevice() override;

  void GetDeviceInfo(DeviceInfo& info) override;
  void GetCaps(DeviceCaps& caps) override;

  struct TextureRecord {
    int Width = 0, Height = 0, Format = 0;
    bool HasMipmaps = false;
    std::vector<uint8_t> Pixels;  // as uploaded
  };

  // What the renderer would have done.
  int DrawCalls = 0;
  int PrimitivesDrawn = 0;
  int Clears = 0;
  int Presents = 0;
  int Discards = 0;
  int TextureUploads = 0;
  int ResetCount = 0;
  bool FullScreenAvailable = true;
  bool FailTextureCreation = false;  // as a renderer out of memory
  std::map<uint32_t, TextureRecord> Textures;

protected:
  const char* GetTraceClass() const override { return "NullGraphicsDevice"; }
  const char* GetRendererName() const override { return "Null"; }
  void CreateRenderer(int width, int height, bool windowed) override;
  bool ApplyWindowMode(int width, int height, bool windowed) override;
  bool ResetRenderer() override;
  void CreateBuffers() override {}
  void ReleaseBuffers() override {}
  void ApplyDefaultStates() override {}
  bool PresentTarget() override;
  void ClearTarget(uint32_t color) override { ++Clears; }
  void CaptureTarget(ImageData& image, const ScreenRect& source, int width, int height) override;
  void ApplyRenderState(uint32_t word, uint32_t changedGroups) override {}
  void ApplyStageState(int stage, uint32_t word, uint32_t changedGroups) override {}
  void ApplyStageTexture(int stage, const CachedTexture* texture, int coordinateSet) override {}
  void ApplyPixelShader(int shader) override {}
  void ApplyVertexFormat(VertexFormat format) override {}
  void ApplyStreamSource(BufferKind buffer) override {}
  void* LockBuffer(BufferKind buffer, int first, int count, bool discard) override;
  void UnlockBuffer(BufferKind buffer) override {}
  void DrawIndexed(PrimitiveKind primitive, int baseVertex, int vertexCount, int firstIndex,
                   int primitiveCount) override;
  bool SupportsTextureFormat(int format) override;
  uint32_t CreateTextureObject(int width, int height, int format, bool mipmaps, String* error) override;
  void UploadTextureObject(uint32_t handle, int width, int height, int format, const uint8_t* pixels) override;
  void ReleaseTextureObject(uint32_t handle) override;

private:
  std::vector<uint8_t> Scratch[3];
  uint32_t NextHandle = 1;
  int FrameWidth = 0, FrameHeight = 0;
};

}  // namespace Tessel
