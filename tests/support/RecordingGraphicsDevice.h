#pragma once
// A graphics device that draws nothing and remembers every call with the
// state it was made in, for tests of what the Canvas, fonts and widgets send.

#include <string>
#include <vector>

#include "tessel/graphics/GraphicsDevice.h"

namespace Testing {

class RecordingGraphicsDevice : public Tessel::GraphicsDevice {
public:
  struct Call {
    std::string Kind;  // "quads", "quadsex", "lines"
    Tessel::ResourceBase* Image = nullptr;
    std::vector<Tessel::Quad> Quads;
    std::vector<Tessel::QuadEx> QuadsEx;
    std::vector<Tessel::LineSegment> Lines;
    int BlendMode = 0, ColorMode = 0, AlphaFunction = 0, AlphaReference = 0;
    Tessel::ResourceBase* Mask = nullptr;
  };

  void SetAlphaTest(int function, int reference) override {
    AlphaFunction = function;
    AlphaReference = reference;
  }
  void SetBlendMode(int mode) override { BlendMode = mode; }
  void SetColorMode(int mode) override { ColorMode = mode; }
  void SetMaskTexture(Tessel::ResourceBase* image) override { Mask = image; }
  void DrawQuads(Tessel::ResourceBase* image, int count, const Tessel::Quad* quads) override {
    Call call = Stamp("quads");
    call.Image = image;
    call.Quads.assign(quads, quads + count);
    Calls.push_back(call);
  }
  void DrawQuadsEx(int mode, Tessel::ResourceBase* first, Tessel::ResourceBase*, int count,
                   const Tessel::QuadEx* quads) override {
    Call call = Stamp("quadsex");
    call.Image = first;
    call.QuadsEx.assign(quads, quads + count);
    Calls.push_back(call);
  }
  void DrawLines(int count, const Tessel::LineSegment* lines) override {
    Call call = Stamp("lines");
    call.Lines.assign(lines, lines + count);
    Calls.push_back(call);
  }

  // "quads:500 quads:1 lines:4"
  std::string Summary() const {
    std::string out;
    for (const Call& c : Calls) {
      if (!out.empty()) out += ' ';
      size_t n = c.Kind == "lines" ? c.Lines.size() : c.Kind == "quads" ? c.Quads.size() : c.QuadsEx.size();
      out += c.Kind + ":" + std::to_string(n);
    }
    return out;
  }
  int TotalQuads() const {
    int n = 0;
    for (const Call& c : Calls) n += static_cast<int>(c.Quads.size());
    return n;
  }

  std::vector<Call> Calls;
  int BlendMode = 0, ColorMode = 0, AlphaFunction = 0, AlphaReference = 0;
  Tessel::ResourceBase* Mask = nullptr;

private:
  Call Stamp(const char* kind) const {
    Call call;
    call.Kind = kind;
    call.BlendMode = BlendMode;
    call.ColorMode = ColorMode;
    call.AlphaFunction = AlphaFunction;
    call.AlphaReference = AlphaReference;
    call.Mask = Mask;
    return call;
  }
};

}  // namespace Testing
