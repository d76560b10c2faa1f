#pragma once
// BatchingGraphicsDevice: everything of a graphics device that does not
// depend on the renderer underneath. It turns quads and lines into indexed
// batches in three dynamic buffers, keeps the render-state and texture-stage
// words and sends only what changed, selects the texture-combine setup for
// the colour mode, caches the uploaded copies of image resources (sizing,
// format choice, memory accounting, resource notifications) and runs the
// device-lost state machine. A renderer derives from it and supplies the
// hooks at the bottom; the null device supplies hooks that draw nothing.

#include <cstdint>

#include "tessel/Strings.h"
#include "tessel/graphics/DynamicBuffer.h"
#include "tessel/graphics/GraphicsDevice.h"
#include "tessel/graphics/GraphicsDeviceOwner.h"
#include "tessel/graphics/TextureCache.h"
#include "tessel/graphics/TextureSizing.h"
#include "tessel/resources/ResourceBase.h"

namespace Tessel {

class Exception;

// Vertex layouts of the two quad buffers (lines use layout A).
struct QuadVertexA {
  float X, Y, Z, Rhw;
  uint32_t Diffuse, Secondary;
  float U, V;
};
static_assert(sizeof(QuadVertexA) == 32, "vertex A is 32 bytes");
struct QuadVertexB {
  float X, Y, Z, Rhw;
  uint32_t Diffuse, Secondary;
  float U0, V0, U1, V1;
};
static_assert(sizeof(QuadVertexB) == 40, "vertex B is 40 bytes");

enum BufferKind { BUFFER_Index = 0, BUFFER_VertexA = 1, BUFFER_VertexB = 2 };
enum VertexFormat { VERTEX_None = 0, VERTEX_A = 1, VERTEX_B = 2 };
enum PrimitiveKind { PRIMITIVE_Triangles, PRIMITIVE_Lines };

// Pixel shaders: grey, grey tinted, grey brightened, grey multiplied,
// cross-fade, alpha mask.
constexpr int NoShader = -1;
constexpr int NumPixelShaders = 6;
constexpr int NumTextureStages = 8;

class BatchingGraphicsDevice : public GraphicsDevice, public ResourceListener {
public:
  static constexpr int IndexCapacity = 0xC000 / 2;        // 24576 16-bit indices
  static constexpr int VertexACapacity = 0x20000 / 32;    // 4096 vertices
  static constexpr int VertexBCapacity = 2560 / 40;       // 64 vertices
  static constexpr int RestartThreshold = 64;             // quads or lines

  explicit BatchingGraphicsDevice(GraphicsDeviceOwner* owner);
  ~BatchingGraphicsDevice() override;

  void SetMode(int width, int height, bool* windowed) override;
  void ReleaseTextures() override;
  void BeginFrame() override;
  void EndFrame() override;
  void Present() override;
  void Clear(uint32_t color) override;
  void SetAlphaTest(int function, int reference) override;
  void SetBlendMode(int mode) override;
  void SetColorMode(int mode) override;
  void SetMaskTexture(ResourceBase* image) override;
  void DrawQuads(ResourceBase* image, int count, const Quad* quads) override;
  void DrawQuadsEx(int mode, ResourceBase* first, ResourceBase* second, int count, const QuadEx* quads) override;
  void DrawLines(int count, const LineSegment* lines) override;
  void CaptureScreen(ImageData& image, const ScreenRect& source, int width, int height) override;

  void OnResourceDestroyed(ResourceBase* resource) override;
  void OnResourceChanged(ResourceBase* resource) override;

  // The next Present reports a lost device, as a renderer does when the
  // display is taken away.
  void SimulateDeviceLoss() { IsLossSimulated = true; }
  bool IsLost() const { return Lost; }
  bool IsFrameSkipped() const { return FrameSkipped; }
  uint64_t GetTextureMemory() const { return TextureMemory; }
  const TextureCapabilities& GetTextureCapabilities() const { return TextureCaps; }
  void SetTextureCapabilities(const TextureCapabilities& caps) { TextureCaps = caps; }
  // The cached copy of an image, or null.
  const CachedTexture* FindCachedTexture(const ResourceBase* image) const { return Cache.Find(image); }
  int GetCachedTextureCount() const { return Cache.GetCount(); }

  // The cached pipeline state, for inspection.
  uint32_t GetRenderStateWord() const { return RenderStateWord; }
  uint32_t GetStageWord(int stage) const { return StageWord[stage]; }
  const CachedTexture* GetStageTexture(int stage) const { return StageTexture[stage]; }
  int GetStageCoordinateSet(int stage) const { return StageCoordinateSet[stage]; }
  int GetPixelShader() const { return CurrentShader; }
  const ResourceBase* GetCurrentImage() const { return CurrentImage; }

protected:
  // The class named in trace lines ("<class>::<operation>").
  virtual const char* GetTraceClass() const = 0;
  // The renderer in log lines ("OpenGL device lost.").
  virtual const char* GetRendererName() const = 0;
  void AddTrace(Exception& e, const char* operation) const;

  // Renderer hooks. Drawing state arrives already filtered: only what changed.
  // Creating the renderer on the first SetMode; false when it cannot run at all.
  virtual void CreateRenderer(int width, int height, bool windowed) = 0;
  // Applies the window mode; false when full screen cannot be had.
  virtual bool ApplyWindowMode(int width, int height, bool windowed) = 0;
  // Re-creates the renderer's objects after a loss; false if not possible yet.
  virtual bool ResetRenderer() = 0;
  virtual void CreateBuffers() = 0;   // buffers and the pixel shaders
  virtual void ReleaseBuffers() = 0;
  virtual void ApplyDefaultStates() = 0;
  virtual bool IsOperational() { return true; }
  virtual void BeginScene() {}
  virtual void EndScene() {}
  // False when the device was lost.
  virtual bool PresentTarget() = 0;
  virtual void ClearTarget(uint32_t color) = 0;
  virtual void CaptureTarget(ImageData& image, const ScreenRect& source, int width, int height) = 0;

  virtual void ApplyRenderState(uint32_t word, uint32_t changedGroups) = 0;
  virtual void ApplyStageState(int stage, uint32_t word, uint32_t changedGroups) = 0;
  virtual void ApplyStageTexture(int stage, const CachedTexture* texture, int coordinateSet) = 0;
  virtual void ApplyPixelShader(int shader) = 0;
  virtual void ApplyVertexFormat(VertexFormat format) = 0;
  virtual void ApplyStreamSource(BufferKind buffer) = 0;
  virtual void* LockBuffer(BufferKind buffer, int first, int count, bool discard) = 0;
  virtual void UnlockBuffer(BufferKind buffer) = 0;
  virtual void DrawIndexed(PrimitiveKind primitive, int baseVertex, int vertexCount, int firstIndex,
                           int primitiveCount) = 0;

  virtual bool SupportsTextureFormat(int format) = 0;
  // Creates an empty texture; 0 on failure with the reason in *error.
  virtual uint32_t CreateTextureObject(int width, int height, int format, bool mipmaps, String* error) = 0;
  // pixels: width x height B, G, R, A bytes, or the DXT blocks when the
  // texture's format is compressed.
  virtual void UploadTextureObject(uint32_t handle, int width, int height, int format, const uint8_t* pixels) = 0;
  virtual void GenerateMipmaps(uint32_t handle) {}
  virtual void ReleaseTextureObject(uint32_t handle) = 0;

  GraphicsDeviceOwner* Owner;
  TextureCapabilities TextureCaps;
  bool HasRenderer = false;

private:
  bool CanDraw() const { return HasRenderer && !Lost && !FrameSkipped; }
  void ResetDevice();
  void SetDefaultStates();
  void SetRenderState(uint32_t word);
  void SetStageState(int stage, uint32_t word);
  void SetStageTexture(int stage, const CachedTexture* texture, int coordinateSet);
  void SetPixelShader(int shader);
  void SetVertexFormat(VertexFormat format);
  void SetStreamSource(BufferKind buffer);
  void ForgetCurrentImage();
  void SelectImage(ResourceBase* image);
  CachedTexture* GetTexture(ResourceBase* image);
  CachedTexture* LoadMaterial(ResourceBase* image);
  void LoadTexture(CachedTexture& texture);
  void UnloadTexture(CachedTexture& texture);
  void DropTexturesOf(const CachedTexture* texture);
  uint32_t QuadRenderState() const;

  // Fills buffers in chunks of whole items; see the .cpp.
  template <typename Item, typename Vertex, typename WriteVertices>
  void DrawChunks(BufferKind vertexBuffer, PrimitiveKind primitive, int indicesPerItem, int verticesPerItem,
                  int count, const Item* items, WriteVertices write);

  TextureCache Cache;
  DynamicBuffer Indices{IndexCapacity};
  DynamicBuffer VerticesA{VertexACapacity};
  DynamicBuffer VerticesB{VertexBCapacity};

  bool Lost = false;
  bool IsLossSimulated = false;
  bool FrameSkipped = false;
  uint64_t TextureMemory = 0;

  // State cache.
  BufferKind StreamSource = BUFFER_Index;  // BUFFER_Index: none bound yet
  VertexFormat CurrentVertexFormat = VERTEX_None;
  uint32_t RenderStateWord = 0;
  uint32_t StageWord[NumTextureStages] = {};
  const CachedTexture* StageTexture[NumTextureStages] = {};
  int StageCoordinateSet[NumTextureStages] = {};
  int CurrentShader = NoShader;
  ResourceBase* CurrentImage = nullptr;
  ResourceBase* CurrentImageMask = nullptr;  // the mask the current image was selected with
  CachedTexture* CurrentTexture = nullptr;

  // Settings of the interface.
  uint32_t AlphaTest = 0;
  int Blend = BLEND_Alpha;
  int ColorModeSetting = COLOR_Modulate;
  ResourceBase* MaskImage = nullptr;
};

}  // namespace Tessel
