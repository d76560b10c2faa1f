// A typical in-game frame at 1024 x 768: a full-screen background, 600
// sprites of 64 x 64 from four atlases, 3000 glyph quads and some lines.
//
//  - DeviceFrame draws it through GraphicsDevice on the OpenGL device, in
//    batches the way the Canvas hands them over (runs of sprites per atlas,
//    runs of glyphs per label).
//  - ReferenceFloor draws the same pixels with the same textures and
//    blending from a prepared vertex buffer, one draw call per texture: what
//    the renderer itself needs to fill them, the floor for the device.
//  - NullDeviceBatching is the device's own CPU work on the null device.
//
// Report the medians: --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "tessel/app/GameAppBase.h"
#include "tessel/graphics/NullGraphicsDevice.h"
#include "tessel/platform/gl/GlFunctions.h"
#include "tessel/platform/gl/GraphicsGL.h"
#include "tessel/platform/sdl/SdlPlatform.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;

namespace {

struct Batch {
  int Texture;  // index into the scene's bitmaps, -1 for lines
  std::vector<Quad> Quads;
  std::vector<LineSegment> Lines;
};

Quad MakeQuad(float x, float y, float w, float h, float u, float v, uint32_t color) {
  return Quad{{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}},
              {{u, v}, {u + w, v}, {u + w, v + h}, {u, v + h}},
              color,
              0};
}

// The frame's images and batches, the same for every variant.
struct Scene {
  std::vector<std::unique_ptr<Bitmap>> Images;  // 0 background, 1-4 sprite atlases, 5 glyphs
  std::vector<Batch> Batches;
  int QuadCount = 0;

  Scene() {
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    auto image = [&](int w, int h) {
      auto b = std::make_unique<Bitmap>(w, h, PIXEL_A8R8G8B8);
      for (size_t i = 0; i < b->Pixels.size(); i += 4) {
        uint32_t v = next();
        b->Pixels[i] = v >> 8;
        b->Pixels[i + 1] = v >> 16;
        b->Pixels[i + 2] = v >> 24;
        b->Pixels[i + 3] = (v >> 4) & 1 ? 255 : 0;  // sprites and glyphs have holes
      }
      return b;
    };
    Images.push_back(image(1024, 768));
    for (int i = 0; i < 4; ++i) Images.push_back(image(512, 512));
    Images.push_back(image(256, 256));
    for (size_t i = 0; i < Images[0]->Pixels.size(); i += 4) Images[0]->Pixels[i + 3] = 255;

    Batches.push_back({0, {MakeQuad(0, 0, 1024, 768, 0, 0, 0xFFFFFFFF)}, {}});
    for (int run = 0; run < 12; ++run) {  // 12 runs of 50 sprites, the atlases taking turns
      Batch b{1 + run % 4, {}, {}};
      for (int i = 0; i < 50; ++i)
        b.Quads.push_back(MakeQuad(float(next() % 960), float(next() % 704), 64, 64, float(next() % 8 * 64),
                                   float(next() % 8 * 64), 0xFFFFFFFF));
      Batches.push_back(std::move(b));
    }
    for (int label = 0; label < 60; ++label) {  // 60 labels of 50 glyphs of 8 x 14
      Batch b{5, {}, {}};
      float x = float(next() % 600), y = float(next() % 740);
      for (int i = 0; i < 50; ++i)
        b.Quads.push_back(MakeQuad(x + i * 8, y, 8, 14, float(next() % 32 * 8), float(next() % 18 * 14), 0xFF3B2A1A));
      Batches.push_back(std::move(b));
    }
    Batch lines{-1, {}, {}};
    for (int i = 0; i < 100; ++i)
      lines.Lines.push_back({float(next() % 1024), float(next() % 768), float(next() % 1024), float(next() % 768),
                             0xFFC99A3C, 0xFF8A5A2B});
    Batches.push_back(std::move(lines));
    for (const Batch& b : Batches) QuadCount += static_cast<int>(b.Quads.size());
  }

  void Draw(GraphicsDevice& device) const {
    device.Clear(0xFF000000);
    device.SetBlendMode(BLEND_Opaque);
    for (const Batch& b : Batches) {
      if (b.Texture < 0) {
        device.DrawLines(static_cast<int>(b.Lines.size()), b.Lines.data());
      } else {
        if (b.Texture == 1) device.SetBlendMode(BLEND_Alpha);
        device.DrawQuads(Images[b.Texture].get(), static_cast<int>(b.Quads.size()), b.Quads.data());
      }
    }
  }
};

const Scene& TheScene() {
  static Scene scene;
  return scene;
}

// A window and the OpenGL device, offscreen unless a display is set.
struct GlApp {
  SdlPlatform Platform;
  GameAppBase App{&Platform};
  GraphicsGL* Device = nullptr;

  GlApp() {
    if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "offscreen", 0);
    App.Width = 1024;
    App.Height = 768;
    App.GraphicsDeviceFactory = [](GameAppBase& a) { return new GraphicsGL(&a); };
    App.Initialize();
    App.CreateMainWindow();
    App.SetWindowed(true);
    Device = static_cast<GraphicsGL*>(App.TheGraphicsDevice);
  }
  ~GlApp() { App.Uninitialize(); }
};

void DeviceFrame(benchmark::State& state) {
  const Scene& scene = TheScene();
  GlApp gl;
  for (auto _ : state) {
    gl.Device->BeginFrame();
    scene.Draw(*gl.Device);
    gl.Device->EndFrame();
    glFinish();
  }
  state.counters["quads"] = scene.QuadCount;
}

// The same pixels straight through OpenGL: every vertex prepared once, one
// draw per texture (sprites of one atlas together), the lines last.
const char* const FloorVertex = R"(#version 330 core
layout(location = 0) in vec2 Position;
layout(location = 1) in vec2 TexCoord;
layout(location = 2) in vec4 Color;
out vec2 VTex;
out vec4 VColor;
void main() { gl_Position = vec4((Position + 0.5) / vec2(1024.0, 768.0) * 2.0 - 1.0, 0.0, 1.0); VTex = TexCoord; VColor = Color; }
)";
const char* const FloorFragment = R"(#version 330 core
in vec2 VTex;
in vec4 VColor;
uniform sampler2D Image;
uniform int Textured;
out vec4 FragColor;
void main() { FragColor = Textured == 1 ? texture(Image, VTex) * VColor : VColor; }
)";

unsigned CompileFloorProgram() {
  auto compile = [](GLenum type, const char* text) {
    unsigned s = glCreateShader(type);
    glShaderSource(s, 1, &text, nullptr);
    glCompileShader(s);
    return s;
  };
  unsigned p = glCreateProgram();
  glAttachShader(p, compile(GL_VERTEX_SHADER, FloorVertex));
  glAttachShader(p, compile(GL_FRAGMENT_SHADER, FloorFragment));
  glLinkProgram(p);
  return p;
}

void ReferenceFloor(benchmark::State& state) {
  const Scene& scene = TheScene();
  GlApp gl;
  struct Vertex {
    float X, Y, U, V;
    uint32_t Color;
  };
  std::vector<Vertex> vertices;
  struct Range {
    int Texture, First, Count;
  };
  std::vector<Range> ranges;
  for (int texture = 0; texture <= 5; ++texture) {
    Range r{texture, static_cast<int>(vertices.size()), 0};
    float w = float(scene.Images[texture]->Width), h = float(scene.Images[texture]->Height);
    for (const Batch& b : scene.Batches) {
      if (b.Texture != texture) continue;
      for (const Quad& q : b.Quads)
        for (int c : {0, 1, 2, 2, 3, 0})
          vertices.push_back({q.Position[c].X - 0.5f, q.Position[c].Y - 0.5f, q.TexCoord[c].X / w,
                              q.TexCoord[c].Y / h, q.Diffuse});
    }
    r.Count = static_cast<int>(vertices.size()) - r.First;
    ranges.push_back(r);
  }
  Range lineRange{-1, static_cast<int>(vertices.size()), 0};
  for (const LineSegment& l : scene.Batches.back().Lines) {
    vertices.push_back({l.X1, l.Y1, 0, 0, l.Color1});
    vertices.push_back({l.X2, l.Y2, 0, 0, l.Color2});
  }
  lineRange.Count = static_cast<int>(vertices.size()) - lineRange.First;

  unsigned textures[6];
  glGenTextures(6, textures);
  for (int i = 0; i < 6; ++i) {
    glBindTexture(GL_TEXTURE_2D, textures[i]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, scene.Images[i]->Width, scene.Images[i]->Height, 0, GL_BGRA,
                 GL_UNSIGNED_BYTE, scene.Images[i]->Pixels.data());
  }
  unsigned vao, vbo;
  glGenVertexArrays(1, &vao);
  glBindVertexArray(vao);
  glGenBuffers(1, &vbo);
  glBindBuffer(GL_ARRAY_BUFFER, vbo);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data(),
               GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(0));
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(8));
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(2, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex), reinterpret_cast<void*>(16));
  unsigned program = CompileFloorProgram();
  glUseProgram(program);
  int textured = glGetUniformLocation(program, "Textured");
  glDisable(GL_CULL_FACE);
  glActiveTexture(GL_TEXTURE0);

  // The device's own target, so both fill the same surface.
  gl.Device->BeginFrame();
  for (auto _ : state) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glUniform1i(textured, 1);
    for (const Range& r : ranges) {
      if (r.Texture == 0) glDisable(GL_BLEND);
      if (r.Texture == 1) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      }
      glBindTexture(GL_TEXTURE_2D, textures[r.Texture]);
      glDrawArrays(GL_TRIANGLES, r.First, r.Count);
    }
    glUniform1i(textured, 0);
    glDrawArrays(GL_LINES, lineRange.First, lineRange.Count);
    glFinish();
  }
  gl.Device->EndFrame();
  glDeleteProgram(program);
  glDeleteBuffers(1, &vbo);
  glDeleteVertexArrays(1, &vao);
  glDeleteTextures(6, textures);
  state.counters["quads"] = scene.QuadCount;
}

void NullDeviceBatching(benchmark::State& state) {
  const Scene& scene = TheScene();
  NullGraphicsDevice device;
  bool windowed = true;
  device.SetMode(1024, 768, &windowed);
  for (auto _ : state) {
    device.BeginFrame();
    scene.Draw(device);
    device.EndFrame();
  }
  state.counters["quads/s"] =
      benchmark::Counter(static_cast<double>(scene.QuadCount) * state.iterations(), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(DeviceFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReferenceFloor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(NullDeviceBatching)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
