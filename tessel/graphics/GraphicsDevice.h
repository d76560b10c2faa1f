#pragma once
// GraphicsDevice: the framework's only renderer, seen from the application
// shell and the Canvas. Everything is drawn as screen-space quads or lines in
// batches; every operation has a default that does nothing, so a device may
// leave out what it cannot do.

#include "tessel/graphics/GraphicsTypes.h"
#include "tessel/resources/ImageData.h"

namespace Tessel {

class ResourceBase;

enum BlendMode { BLEND_Opaque = 0, BLEND_Alpha = 1, BLEND_Additive = 2 };

// Colour modes of SetColorMode: how the texture combines with the colours.
enum ColorMode {
  COLOR_Modulate = 0,          // texture x diffuse
  COLOR_LerpSecondary = 1,     // towards the secondary colour by its alpha
  COLOR_AddSecondary = 2,      // texture x diffuse + secondary
  COLOR_MultiplySecondary = 4, // texture x diffuse x secondary
  COLOR_Grey = 0x8000,
  COLOR_GreyTinted = 0x8001,
  COLOR_GreyBrightened = 0x8002,
  COLOR_GreyMultiplied = 0x8004,
};

// Modes of DrawQuadsEx.
enum QuadExMode { QUADEX_CrossFade = 0, QUADEX_Mask = 1 };

class GraphicsDevice {
public:
  virtual ~GraphicsDevice() = default;
  virtual void GetDeviceInfo(DeviceInfo& info) {}
  virtual void GetCaps(DeviceCaps& caps) {}
  // May turn a full-screen request into windowed by setting *windowed.
  virtual void SetMode(int width, int height, bool* windowed) {}
  virtual void ReleaseTextures() {}
  virtual void BeginFrame() {}
  virtual void EndFrame() {}
  virtual void Present() {}
  virtual void Clear(uint32_t color) {}
  virtual void SetAlphaTest(int function, int reference) {}
  virtual void SetBlendMode(int mode) {}
  virtual void SetColorMode(int mode) {}
  virtual void SetMaskTexture(ResourceBase* image) {}
  virtual void DrawQuads(ResourceBase* image, int count, const Quad* quads) {}
  virtual void DrawQuadsEx(int mode, ResourceBase* first, ResourceBase* second, int count, const QuadEx* quads) {}
  virtual void DrawLines(int count, const LineSegment* lines) {}
  virtual void CaptureScreen(ImageData& image, const ScreenRect& source, int width, int height) {}
};

}  // namespace Tessel
