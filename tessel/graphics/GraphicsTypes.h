#pragma once
// The records the Canvas hands to the graphics device. Positions are screen
// pixels of the frame, texture coordinates are texels of the image, colours
// are 32-bit ARGB. A quad's two triangles are P0-P1-P2 and P2-P3-P0.

#include <cstdint>

#include "tessel/Strings.h"

namespace Tessel {

struct QuadVertex {
  float X, Y;
};

struct Quad {
  QuadVertex Position[4];
  QuadVertex TexCoord[4];
  uint32_t Diffuse;
  uint32_t Secondary;
};
static_assert(sizeof(Quad) == 72, "Quad is 72 bytes");

struct QuadEx {
  QuadVertex Position[4];
  QuadVertex TexCoord[4];   // texels of the first image
  QuadVertex TexCoord2[4];  // texels of the second image
  uint32_t Diffuse;
  uint32_t Secondary;
};
static_assert(sizeof(QuadEx) == 104, "QuadEx is 104 bytes");

struct LineSegment {
  float X1, Y1, X2, Y2;
  uint32_t Color1;
  uint32_t Color2;
};
static_assert(sizeof(LineSegment) == 24, "LineSegment is 24 bytes");

struct DeviceInfo {
  String ApiName;
  String AdapterDescription;
  String Driver;
};

struct DeviceCaps {
  int MaxTextureWidth = 0;
  int MaxTextureHeight = 0;
  int MaxSimultaneousTextures = 0;
  uint32_t PixelShaderVersion = 0;   // major in bits 8-15, minor in bits 0-7
  uint32_t VertexShaderVersion = 0;
};

// A rectangle of the render target: left, top inclusive; right, bottom exclusive.
struct ScreenRect {
  int Left, Top, Right, Bottom;
};

}  // namespace Tessel
