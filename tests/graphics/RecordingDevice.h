#pragma once
// A null device that also writes down every state change and draw it sends
// to the renderer, so tests see what was set and what was left alone.

#include <string>
#include <vector>

#include "tessel/graphics/NullGraphicsDevice.h"

namespace Testing {

class RecordingDevice : public Tessel::NullGraphicsDevice {
public:
  using NullGraphicsDevice::NullGraphicsDevice;

  struct Draw {
    Tessel::PrimitiveKind Primitive;
    int BaseVertex, VertexCount, FirstIndex, PrimitiveCount;
  };

  std::vector<std::string> Changes;  // "render 0x7001", "stage 1 0x0", "texture 0 #3 set 0", "shader 4"
  std::vector<Draw> Draws;
  std::vector<bool> LockDiscards;
  // The vertices of the last vertex-A lock.
  std::vector<Tessel::QuadVertexA> LastVerticesA;

  void ClearRecords() {
    Changes.clear();
    Draws.clear();
    LockDiscards.clear();
  }

protected:
  void ApplyRenderState(uint32_t word, uint32_t changed) override { Changes.push_back("render " + Hex(word)); }
  void ApplyStageState(int stage, uint32_t word, uint32_t changed) override {
    Changes.push_back("stage " + std::to_string(stage) + " " + Hex(word));
  }
  void ApplyStageTexture(int stage, const Tessel::CachedTexture* t, int set) override {
    Changes.push_back("texture " + std::to_string(stage) + (t ? " #" + std::to_string(t->Handle) : " none") +
                      " set " + std::to_string(set));
  }
  void ApplyPixelShader(int shader) override { Changes.push_back("shader " + std::to_string(shader)); }
  void* LockBuffer(Tessel::BufferKind buffer, int first, int count, bool discard) override {
    LockDiscards.push_back(discard);
    LockedBuffer = buffer;
    LockedCount = count;
    LockedData = NullGraphicsDevice::LockBuffer(buffer, first, count, discard);
    return LockedData;
  }
  void UnlockBuffer(Tessel::BufferKind buffer) override {
    if (buffer == Tessel::BUFFER_VertexA) {
      auto* v = static_cast<Tessel::QuadVertexA*>(LockedData);
      LastVerticesA.assign(v, v + LockedCount);
    }
  }
  void DrawIndexed(Tessel::PrimitiveKind primitive, int baseVertex, int vertexCount, int firstIndex,
                   int primitiveCount) override {
    NullGraphicsDevice::DrawIndexed(primitive, baseVertex, vertexCount, firstIndex, primitiveCount);
    Draws.push_back({primitive, baseVertex, vertexCount, firstIndex, primitiveCount});
  }

private:
  static std::string Hex(uint32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", v);
    return buffer;
  }
  Tessel::BufferKind LockedBuffer = Tessel::BUFFER_Index;
  int LockedCount = 0;
  void* LockedData = nullptr;
};

}  // namespace Testing
