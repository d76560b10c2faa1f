#include "tessel/graphics/BatchingGraphicsDevice.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "tessel/Exception.h"
#include "tessel/Log.h"
#include "tessel/graphics/RenderStates.h"
#include "tessel/resources/Bitmap.h"

namespace Tessel {

#define DEVICE_TRACE(operation) \
  catch (Exception & e) {       \
    AddTrace(e, operation);     \
    throw;                      \
  }

BatchingGraphicsDevice::BatchingGraphicsDevice(GraphicsDeviceOwner* owner) : Owner(owner) {}

BatchingGraphicsDevice::~BatchingGraphicsDevice() {
  // The derived renderer is gone by now; it releases its textures itself and
  // only the bookkeeping is left to drop here.
  Cache.RemoveAll([](CachedTexture* t) {
    if (t->Image) t->Image->Listener = nullptr;
    delete t;
  });
}

void BatchingGraphicsDevice::AddTrace(Exception& e, const char* operation) const {
  String where = String(GetTraceClass()) + "::" + operation;
  AppendTrace(e, where.CStr());
}

// ---- display mode and device loss

void BatchingGraphicsDevice::SetMode(int width, int height, bool* windowed) {
  try {
    bool isWindowed = windowed ? *windowed : true;
    if (!HasRenderer) {
      CreateRenderer(width, height, isWindowed);
      HasRenderer = true;
      CreateBuffers();
      SetDefaultStates();
    }
    if (!ApplyWindowMode(width, height, isWindowed)) {
      isWindowed = true;
      ApplyWindowMode(width, height, true);
    }
    if (windowed) *windowed = isWindowed;
    if (Lost) ResetDevice();
    if (Owner) Owner->RecomputeClientRect();
  }
  DEVICE_TRACE("SetMode")
}

void BatchingGraphicsDevice::ResetDevice() {
  try {
    Lost = true;
    PrintLog("Reseting %s device...\n", GetRendererName());
    ReleaseBuffers();
    ReleaseTextures();
    if (!ResetRenderer() && !ResetRenderer()) return;
    Lost = false;
    CreateBuffers();
    SetDefaultStates();
  }
  DEVICE_TRACE("ResetDevice")
}

void BatchingGraphicsDevice::SetDefaultStates() {
  ApplyDefaultStates();
  for (int stage = 0; stage < NumTextureStages; ++stage) {
    StageWord[stage] = 0;
    StageTexture[stage] = nullptr;
    StageCoordinateSet[stage] = 0;
  }
  CurrentImage = nullptr;
  CurrentImageMask = nullptr;
  CurrentTexture = nullptr;
  CurrentShader = NoShader;
  SetStageState(0, StageBits::Diffuse);
  SetStageState(1, StageBits::Disabled(StageWord[1]));
  RenderStateWord = 0;
  AlphaTest = 0;
  CurrentVertexFormat = VERTEX_None;
  StreamSource = BUFFER_Index;
}

void BatchingGraphicsDevice::BeginFrame() {
  try {
    FrameSkipped = false;
    if (!HasRenderer) {
      FrameSkipped = true;
      return;
    }
    if (Lost) {
      if (Owner && !Owner->IsWindowed() && Owner->IsInactive()) {
        FrameSkipped = true;
        return;
      }
      if (Owner)
        Owner->ApplyDisplayMode();
      else
        ResetDevice();
      if (Lost) {
        FrameSkipped = true;
        return;
      }
    }
    Indices.Restart();
    VerticesA.Restart();
    VerticesB.Restart();
    BeginScene();
  }
  DEVICE_TRACE("BeginFrame")
}

void BatchingGraphicsDevice::EndFrame() {
  try {
    if (Lost || FrameSkipped) return;
    EndScene();
    if (Owner) Owner->SetTextureMemoryInUse(TextureMemory);
  }
  DEVICE_TRACE("EndFrame")
}

void BatchingGraphicsDevice::Present() {
  if (!HasRenderer || Lost) return;
  bool presented = PresentTarget();
  if (!presented || IsLossSimulated) {
    IsLossSimulated = false;
    PrintLog("%s device lost.\n", GetRendererName());
    Lost = true;
  }
}

void BatchingGraphicsDevice::Clear(uint32_t color) {
  if (!CanDraw()) return;
  ClearTarget(color);
}

void BatchingGraphicsDevice::CaptureScreen(ImageData& image, const ScreenRect& source, int width, int height) {
  if (!HasRenderer || width <= 0 || height <= 0) return;
  CaptureTarget(image, source, width, height);
}

// ---- settings

void BatchingGraphicsDevice::SetAlphaTest(int function, int reference) { AlphaTest = AlphaTestWord(function, reference); }

void BatchingGraphicsDevice::SetBlendMode(int mode) {
  if (mode == Blend) return;
  Blend = mode;
  ForgetCurrentImage();
}

void BatchingGraphicsDevice::SetColorMode(int mode) {
  if (mode == ColorModeSetting) return;
  ColorModeSetting = mode;
  ForgetCurrentImage();
}

void BatchingGraphicsDevice::SetMaskTexture(ResourceBase* image) { MaskImage = image; }

// ---- the state cache

void BatchingGraphicsDevice::SetRenderState(uint32_t word) {
  uint32_t changed = ChangedGroups(RenderStateWord, word, RenderStateBits::Groups);
  RenderStateWord = word;
  if (changed && HasRenderer) ApplyRenderState(word, changed);
}

void BatchingGraphicsDevice::SetStageState(int stage, uint32_t word) {
  uint32_t changed = ChangedGroups(StageWord[stage], word, StageBits::Groups);
  StageWord[stage] = word;
  if (changed && HasRenderer) ApplyStageState(stage, word, changed);
}

void BatchingGraphicsDevice::SetStageTexture(int stage, const CachedTexture* texture, int coordinateSet) {
  if (StageTexture[stage] == texture && StageCoordinateSet[stage] == coordinateSet) return;
  StageTexture[stage] = texture;
  StageCoordinateSet[stage] = coordinateSet;
  if (HasRenderer) ApplyStageTexture(stage, texture, coordinateSet);
}

void BatchingGraphicsDevice::SetPixelShader(int shader) {
  if (shader == CurrentShader) return;
  CurrentShader = shader;
  if (HasRenderer) ApplyPixelShader(shader);
}

void BatchingGraphicsDevice::SetVertexFormat(VertexFormat format) {
  if (format == CurrentVertexFormat) return;
  CurrentVertexFormat = format;
  ApplyVertexFormat(format);
}

void BatchingGraphicsDevice::SetStreamSource(BufferKind buffer) {
  if (buffer == StreamSource) return;
  StreamSource = buffer;
  ApplyStreamSource(buffer);
}

void BatchingGraphicsDevice::ForgetCurrentImage() {
  CurrentImage = nullptr;
  CurrentImageMask = nullptr;
  CurrentTexture = nullptr;
  SetPixelShader(NoShader);
  SetStageState(0, StageBits::Diffuse);
  SetStageState(1, StageBits::Disabled(StageWord[1]));
}

uint32_t BatchingGraphicsDevice::QuadRenderState() const {
  return (AlphaTest | BlendFunctionOf(Blend)) | RenderStateBits::FlatDrawing;
}

// Selects the textures, stage words and shader for an image. It is skipped
// while the image and the mask it was selected with stay the same; the
// render states (blend, alpha test) are set by every draw instead, so a new
// alpha test takes effect with the same image too.
void BatchingGraphicsDevice::SelectImage(ResourceBase* image) {
  if (image != nullptr && image == CurrentImage && MaskImage == CurrentImageMask) return;
  CurrentTexture = image ? GetTexture(image) : nullptr;
  // An image without a copy (not loadable now, or a failed upload) is not
  // remembered as selected, so its next batch tries to load it again.
  CurrentImage = CurrentTexture ? image : nullptr;
  CurrentImageMask = MaskImage;
  if (!CurrentTexture || CurrentTexture->Handle == 0) {
    SetPixelShader(NoShader);
    SetStageState(0, StageBits::Diffuse);
    SetStageState(1, StageBits::Disabled(StageWord[1]));
    return;
  }
  SetStageTexture(0, CurrentTexture, 0);

  if (MaskImage) {
    CachedTexture* mask = GetTexture(MaskImage);
    if (mask && mask->Handle) {
      // The mask multiplies the image's alpha: the alpha-mask shader.
      SetStageTexture(1, mask, 0);
      SetPixelShader(5);
      return;
    }
  }
  switch (ColorModeSetting) {
    case COLOR_Modulate:
      SetStageState(0, StageBits::Modulate);
      SetStageState(1, StageBits::Disabled(StageWord[1]));
      SetPixelShader(NoShader);
      break;
    case COLOR_LerpSecondary:
      SetStageState(0, StageBits::LerpSecondary0);
      SetStageTexture(1, CurrentTexture, 0);
      SetStageState(1, StageBits::LerpSecondary1);
      SetStageState(2, StageBits::Disabled(StageWord[2]));
      SetPixelShader(NoShader);
      break;
    case COLOR_AddSecondary:
    case COLOR_MultiplySecondary:
      SetStageState(0, StageBits::Modulate);
      SetStageState(1, ColorModeSetting == COLOR_AddSecondary ? StageBits::AddSecondary : StageBits::MultiplySecondary);
      SetStageState(2, StageBits::Disabled(StageWord[2]));
      SetPixelShader(NoShader);
      break;
    case COLOR_Grey: SetPixelShader(0); break;
    case COLOR_GreyTinted: SetPixelShader(1); break;
    case COLOR_GreyBrightened: SetPixelShader(2); break;
    case COLOR_GreyMultiplied: SetPixelShader(3); break;
    default: SetPixelShader(NoShader); break;
  }
}

// ---- drawing

// Writes count items in chunks of what fits into the index buffer and the
// vertex buffer. A chunk starts the buffers over only when fewer than 64
// items still fit and more than that remain; after a restart it takes what
// a whole buffer holds, so the loop ends even for buffers smaller than 64
// items.
template <typename Item, typename Vertex, typename WriteVertices>
void BatchingGraphicsDevice::DrawChunks(BufferKind vertexBuffer, PrimitiveKind primitive, int indicesPerItem,
                                        int verticesPerItem, int count, const Item* items, WriteVertices write) {
  DynamicBuffer& vertices = vertexBuffer == BUFFER_VertexA ? VerticesA : VerticesB;
  int remaining = count;
  while (remaining > 0) {
    int n = std::min(Indices.GetFree() / indicesPerItem, vertices.GetFree() / verticesPerItem);
    if (n < remaining && n < RestartThreshold) {
      Indices.Restart();
      vertices.Restart();
      n = std::min(Indices.GetCapacity() / indicesPerItem, vertices.GetCapacity() / verticesPerItem);
    }
    n = std::min(n, remaining);
    if (n <= 0) return;

    bool discard = false;
    int firstIndex = Indices.Reserve(n * indicesPerItem, discard);
    auto* index = static_cast<uint16_t*>(LockBuffer(BUFFER_Index, firstIndex, n * indicesPerItem, discard));
    for (int i = 0; i < n; ++i) {
      uint16_t base = static_cast<uint16_t>(i * verticesPerItem);
      if (primitive == PRIMITIVE_Triangles) {
        uint16_t quad[6] = {base, uint16_t(base + 1), uint16_t(base + 2), uint16_t(base + 2), uint16_t(base + 3), base};
        std::memcpy(index + 6 * i, quad, sizeof quad);
      } else {
        index[2 * i] = base;
        index[2 * i + 1] = static_cast<uint16_t>(base + 1);
      }
    }
    UnlockBuffer(BUFFER_Index);

    int firstVertex = vertices.Reserve(n * verticesPerItem, discard);
    auto* vertex = static_cast<Vertex*>(LockBuffer(vertexBuffer, firstVertex, n * verticesPerItem, discard));
    for (int i = 0; i < n; ++i) write(items[count - remaining + i], vertex + i * verticesPerItem);
    UnlockBuffer(vertexBuffer);

    DrawIndexed(primitive, firstVertex, n * verticesPerItem, firstIndex,
                primitive == PRIMITIVE_Triangles ? 2 * n : n);
    remaining -= n;
  }
}

void BatchingGraphicsDevice::DrawQuads(ResourceBase* image, int count, const Quad* quads) {
  if (!CanDraw() || count <= 0 || quads == nullptr) return;
  try {
    SetVertexFormat(VERTEX_A);
    SetStreamSource(BUFFER_VertexA);
    SelectImage(image);
    SetRenderState(QuadRenderState());
    float sx = 1, sy = 1;
    if (CurrentTexture && CurrentTexture->Handle) {
      sx = 1.0f / CurrentTexture->Width;
      sy = 1.0f / CurrentTexture->Height;
    }
    DrawChunks<Quad, QuadVertexA>(BUFFER_VertexA, PRIMITIVE_Triangles, 6, 4, count, quads,
                                  [sx, sy](const Quad& q, QuadVertexA* v) {
                                    for (int c = 0; c < 4; ++c)
                                      v[c] = {q.Position[c].X - 0.5f, q.Position[c].Y - 0.5f, 0, 1.0f, q.Diffuse,
                                              q.Secondary, q.TexCoord[c].X * sx, q.TexCoord[c].Y * sy};
                                  });
  }
  DEVICE_TRACE("DrawQuads")
}

void BatchingGraphicsDevice::DrawQuadsEx(int mode, ResourceBase* first, ResourceBase* second, int count,
                                         const QuadEx* quads) {
  if (!CanDraw() || count <= 0 || quads == nullptr) return;
  try {
    SetVertexFormat(VERTEX_B);
    SetStreamSource(BUFFER_VertexB);
    CachedTexture* t0 = first ? GetTexture(first) : nullptr;
    CachedTexture* t1 = second ? GetTexture(second) : nullptr;
    bool bothTextured = t0 && t0->Handle && t1 && t1->Handle;
    if (bothTextured) {
      SetStageTexture(0, t0, 0);
      SetStageTexture(1, t1, 1);
      if (mode == QUADEX_CrossFade) SetPixelShader(4);
      if (mode == QUADEX_Mask) SetPixelShader(5);
    } else {
      SetPixelShader(NoShader);
      SetStageState(0, StageBits::Diffuse);
    }
    SetRenderState(QuadRenderState());
    float s0x = bothTextured ? 1.0f / t0->Width : 1, s0y = bothTextured ? 1.0f / t0->Height : 1;
    float s1x = bothTextured ? 1.0f / t1->Width : 1, s1y = bothTextured ? 1.0f / t1->Height : 1;
    DrawChunks<QuadEx, QuadVertexB>(BUFFER_VertexB, PRIMITIVE_Triangles, 6, 4, count, quads,
                                    [=](const QuadEx& q, QuadVertexB* v) {
                                      for (int c = 0; c < 4; ++c)
                                        v[c] = {q.Position[c].X - 0.5f, q.Position[c].Y - 0.5f, 0, 1.0f,
                                                q.Diffuse,        q.Secondary,
                                                q.TexCoord[c].X * s0x, q.TexCoord[c].Y * s0y,
                                                q.TexCoord2[c].X * s1x, q.TexCoord2[c].Y * s1y};
                                    });
    // The two-texture setup must not leak into the next batch, whatever its image.
    SetStageTexture(1, nullptr, 0);
    ForgetCurrentImage();
  }
  DEVICE_TRACE("DrawQuadsEx")
}

void BatchingGraphicsDevice::DrawLines(int count, const LineSegment* lines) {
  if (!CanDraw() || count <= 0 || lines == nullptr) return;
  try {
    SetVertexFormat(VERTEX_A);
    SetStreamSource(BUFFER_VertexA);
    SetStageTexture(0, nullptr, 0);
    ForgetCurrentImage();
    SetRenderState(0x7001);
    DrawChunks<LineSegment, QuadVertexA>(BUFFER_VertexA, PRIMITIVE_Lines, 2, 2, count, lines,
                                         [](const LineSegment& l, QuadVertexA* v) {
                                           v[0] = {l.X1, l.Y1, 0, 1.0f, l.Color1, 0, 0, 0};
                                           v[1] = {l.X2, l.Y2, 0, 1.0f, l.Color2, 0, 0, 0};
                                         });
  }
  DEVICE_TRACE("DrawLines")
}

// ---- the texture cache

CachedTexture* BatchingGraphicsDevice::GetTexture(ResourceBase* image) {
  CachedTexture* texture = Cache.Find(image);
  return texture ? texture : LoadMaterial(image);
}

CachedTexture* BatchingGraphicsDevice::LoadMaterial(ResourceBase* image) {
  try {
    if (!IsKindOf<Bitmap>(image)) return nullptr;
    auto* texture = new CachedTexture;
    texture->Image = image;
    texture->IsBitmap = !IsKindOf<Texture>(image);
    image->Listener = this;
    try {
      LoadTexture(*texture);
    } catch (...) {
      image->Listener = nullptr;
      UnloadTexture(*texture);
      delete texture;
      throw;
    }
    if (texture->IsFailed) {
      image->Listener = nullptr;
      UnloadTexture(*texture);
      delete texture;
      return nullptr;
    }
    Cache.Insert(texture);
    return texture;
  }
  DEVICE_TRACE("LoadMaterial")
}

void BatchingGraphicsDevice::LoadTexture(CachedTexture& texture) {
  try {
    texture.IsFailed = false;
    if (!IsOperational()) {
      texture.IsFailed = true;
      return;
    }
    auto* bitmap = static_cast<Bitmap*>(texture.Image);
    bool mipmaps = !texture.IsBitmap && TextureCaps.SupportsMipmaps;
    TextureSize size = ComputeTextureSize(bitmap->Width, bitmap->Height, !texture.IsBitmap, TextureCaps);
    int format = ChooseTextureFormat(bitmap->Format, [this](int f) {
      return (!IsCompressedFormat(f) || TextureCaps.SupportsCompressedFormats) && SupportsTextureFormat(f);
    });
    if (format == 0) return;  // stays empty: drawn untextured

    // Compressed blocks go up as they are only when nothing has to be cut
    // off or padded; otherwise the image is decoded.
    if (IsCompressedFormat(format) && (size.Width != bitmap->Width || size.Height != bitmap->Height))
      format = bitmap->Format == PIXEL_DXT1 ? PIXEL_X8R8G8B8 : PIXEL_A8R8G8B8;

    String error;
    texture.Handle = CreateTextureObject(size.Width, size.Height, format, mipmaps, &error);
    if (texture.Handle == 0) throw Exception(error.IsEmpty() ? String("Unspecified error.") : error);
    texture.Width = size.Width;
    texture.Height = size.Height;
    texture.Format = format;
    texture.HasMipmaps = mipmaps;

    BitmapLock lock;
    bitmap->Lock(lock);
    try {
      if (IsCompressedFormat(format)) {
        UploadTextureObject(texture.Handle, size.Width, size.Height, format, lock.Pixels);
      } else {
        // The image at the top left of a transparent black surface; what
        // does not fit is cut off.
        std::vector<uint8_t> image(static_cast<size_t>(lock.Width) * lock.Height * 4);
        ConvertToBgra8(lock.Format, lock.Pixels, lock.Width, lock.Height, image.data());
        std::vector<uint8_t> surface(static_cast<size_t>(size.Width) * size.Height * 4, 0);
        int rows = std::min(lock.Height, size.Height), columns = std::min(lock.Width, size.Width);
        for (int y = 0; y < rows; ++y)
          std::memcpy(&surface[static_cast<size_t>(y) * size.Width * 4], &image[static_cast<size_t>(y) * lock.Width * 4],
                      static_cast<size_t>(columns) * 4);
        UploadTextureObject(texture.Handle, size.Width, size.Height, format, surface.data());
      }
      texture.UploadedBytes = static_cast<int64_t>(lock.BytesPerRow) * GetStorageRows(lock.Format, lock.Height);
      TextureMemory += texture.UploadedBytes;
    } catch (...) {
      bitmap->Unlock();
      throw;
    }
    bitmap->Unlock();
    bitmap->IsChanged = false;
    if (mipmaps) GenerateMipmaps(texture.Handle);
  }
  TESSEL_TRACE("CachedTexture::Load")
}

void BatchingGraphicsDevice::UnloadTexture(CachedTexture& texture) {
  TextureMemory -= static_cast<uint64_t>(texture.UploadedBytes);
  texture.UploadedBytes = 0;
  if (texture.Handle) ReleaseTextureObject(texture.Handle);
  texture.Handle = 0;
}

// A texture about to go away or change must not stay bound or current: a
// later resource at the same address would otherwise pass for it.
void BatchingGraphicsDevice::DropTexturesOf(const CachedTexture* texture) {
  for (int stage = 0; stage < NumTextureStages; ++stage)
    if (StageTexture[stage] == texture) SetStageTexture(stage, nullptr, 0);
  if (CurrentTexture == texture || (texture && (CurrentImage == texture->Image || CurrentImageMask == texture->Image)))
    ForgetCurrentImage();
}

void BatchingGraphicsDevice::OnResourceDestroyed(ResourceBase* resource) {
  if (MaskImage == resource) MaskImage = nullptr;
  if (CurrentImage == resource || CurrentImageMask == resource) ForgetCurrentImage();
  CachedTexture* texture = Cache.Remove(resource);
  if (texture) {
    DropTexturesOf(texture);
    UnloadTexture(*texture);
    delete texture;
  }
  resource->Listener = nullptr;
}

void BatchingGraphicsDevice::OnResourceChanged(ResourceBase* resource) {
  CachedTexture* texture = Cache.Find(resource);
  if (!texture) return;
  DropTexturesOf(texture);
  UnloadTexture(*texture);
  LoadTexture(*texture);
}

void BatchingGraphicsDevice::ReleaseTextures() {
  for (int stage = 0; stage < NumTextureStages; ++stage)
    if (StageTexture[stage]) SetStageTexture(stage, nullptr, 0);
  Cache.RemoveAll([this](CachedTexture* t) {
    UnloadTexture(*t);
    if (t->Image) t->Image->Listener = nullptr;
    delete t;
  });
  if (CurrentImage) {
    CurrentImage = nullptr;
    CurrentImageMask = nullptr;
    CurrentTexture = nullptr;
    SetStageState(0, StageBits::SelectCurrent);
    SetStageState(1, StageBits::Disabled(StageWord[1]));
  }
}

}  // namespace Tessel
