#include "tessel/graphics/NullGraphicsDevice.h"

#include "tessel/resources/PixelFormat.h"

namespace Tessel {

NullGraphicsDevice::NullGraphicsDevice(GraphicsDeviceOwner* owner) : BatchingGraphicsDevice(owner) {
  Scratch[BUFFER_Index].resize(IndexCapacity * sizeof(uint16_t));
  Scratch[BUFFER_VertexA].resize(VertexACapacity * sizeof(QuadVertexA));
  Scratch[BUFFER_VertexB].resize(VertexBCapacity * sizeof(QuadVertexB));
}

NullGraphicsDevice::~NullGraphicsDevice() { ReleaseTextures(); }

void NullGraphicsDevice::GetDeviceInfo(DeviceInfo& info) {
  info.ApiName = "Null";
  info.AdapterDescription = "No renderer";
  info.Driver = "";
}

void NullGraphicsDevice::GetCaps(DeviceCaps& caps) {
  caps.MaxTextureWidth = TextureCaps.MaxWidth;
  caps.MaxTextureHeight = TextureCaps.MaxHeight;
  caps.MaxSimultaneousTextures = 2;
  caps.PixelShaderVersion = 0;
  caps.VertexShaderVersion = 0;
}

void NullGraphicsDevice::CreateRenderer(int width, int height, bool windowed) {
  FrameWidth = width;
  FrameHeight = height;
}

bool NullGraphicsDevice::ApplyWindowMode(int width, int height, bool windowed) {
  FrameWidth = width;
  FrameHeight = height;
  return windowed || FullScreenAvailable;
}

bool NullGraphicsDevice::ResetRenderer() {
  ++ResetCount;
  return true;
}

bool NullGraphicsDevice::PresentTarget() {
  ++Presents;
  return true;
}

void NullGraphicsDevice::CaptureTarget(ImageData& image, const ScreenRect& source, int width, int height) {
  image.Width = width;
  image.Height = height;
  image.Format = PIXEL_A8R8G8B8;
  image.Pixels.assign(static_cast<size_t>(width) * height * 4, 0);
}

void* NullGraphicsDevice::LockBuffer(BufferKind buffer, int first, int count, bool discard) {
  if (discard) ++Discards;
  size_t itemSize = buffer == BUFFER_Index ? 2 : buffer == BUFFER_VertexA ? sizeof(QuadVertexA) : sizeof(QuadVertexB);
  return Scratch[buffer].data() + static_cast<size_t>(first) * itemSize;
}

void NullGraphicsDevice::DrawIndexed(PrimitiveKind primitive, int baseVertex, int vertexCount, int firstIndex,
                                     int primitiveCount) {
  ++DrawCalls;
  PrimitivesDrawn += primitiveCount;
}

bool NullGraphicsDevice::SupportsTextureFormat(int format) {
  return format == PIXEL_A8R8G8B8 || format == PIXEL_X8R8G8B8 || IsCompressedFormat(format);
}

uint32_t NullGraphicsDevice::CreateTextureObject(int width, int height, int format, bool mipmaps, String* error) {
  if (FailTextureCreation) {
    if (error) *error = "Out of texture memory.";
    return 0;
  }
  uint32_t handle = NextHandle++;
  TextureRecord& record = Textures[handle];
  record.Width = width;
  record.Height = height;
  record.Format = format;
  record.HasMipmaps = mipmaps;
  return handle;
}

void NullGraphicsDevice::UploadTextureObject(uint32_t handle, int width, int height, int format,
                                             const uint8_t* pixels) {
  ++TextureUploads;
  size_t bytes = IsCompressedFormat(format) ? static_cast<size_t>(GetImageByteSize(format, width, height))
                                            : static_cast<size_t>(width) * height * 4;
  Textures[handle].Pixels.assign(pixels, pixels + bytes);
}

void NullGraphicsDevice::ReleaseTextureObject(uint32_t handle) { Textures.erase(handle); }

}  // namespace Tessel
