#pragma once
// The device keeps its pipeline state as two kinds of 32-bit words, one for
// the render states and one per texture stage. Comparing a new word with the
// cached one bit group by bit group tells which states changed, so only those
// are sent to the renderer.

#include <cstddef>
#include <cstdint>

namespace Tessel {

namespace RenderStateBits {
constexpr uint32_t BlendFunction = 0x0000000F;  // 0 off, 1 alpha, 2/3 multiply, 4 add, 5 subtract
constexpr uint32_t DepthBias = 0x000000F0;
constexpr uint32_t Wireframe = 0x00000100;
constexpr uint32_t DepthAlways = 0x00001000;
constexpr uint32_t NoDepthWrite = 0x00002000;
constexpr uint32_t NoCulling = 0x00004000;
constexpr uint32_t AlphaReference = 0x00FF0000;
constexpr uint32_t AlphaFunction = 0x0F000000;  // 0 off, 1 =, 2 !=, 3 <, 4 <=, 5 >, 6 >=
// Quads and lines never test or write depth and are never culled.
constexpr uint32_t FlatDrawing = DepthAlways | NoDepthWrite | NoCulling;
constexpr uint32_t Groups[] = {BlendFunction, DepthBias,  Wireframe,      DepthAlways,
                               NoDepthWrite,  NoCulling,  AlphaReference, AlphaFunction};
}  // namespace RenderStateBits

namespace StageBits {
// Operations: 0 disable, 1 select arg 1, 2 select arg 2, 3 modulate, 4 modulate x2,
// 5 add, 6 add signed, 7 subtract, 10/11 modulate-add, 13/14/15 blend by alpha.
constexpr uint32_t ColorOperation = 0x0000000F;
// Arguments: 0 current, 1 diffuse, 2 secondary, 3 texture.
constexpr uint32_t ColorArgument1 = 0x00000030;
constexpr uint32_t ColorArgument2 = 0x000000C0;
constexpr uint32_t AlphaOperation = 0x00000F00;
constexpr uint32_t AlphaArgument1 = 0x00003000;
constexpr uint32_t AlphaArgument2 = 0x0000C000;
constexpr uint32_t ClampU = 0x00010000;
constexpr uint32_t ClampV = 0x00020000;
constexpr uint32_t PointFilter = 0x00040000;
constexpr uint32_t Groups[] = {ColorOperation, ColorArgument1, ColorArgument2, AlphaOperation, AlphaArgument1,
                               AlphaArgument2, ClampU,         ClampV,         PointFilter};

constexpr uint32_t Diffuse = 0x4242;         // diffuse colour and alpha, no texture
constexpr uint32_t Modulate = 0x7373;        // texture x diffuse
constexpr uint32_t LerpSecondary0 = 0x2173;  // colour mode 1, stage 0: colour texture x diffuse, alpha secondary
constexpr uint32_t LerpSecondary1 = 0x732D;  // stage 1: towards secondary by current alpha; alpha texture x diffuse
constexpr uint32_t AddSecondary = 0x0125;    // stage 1: current + secondary
constexpr uint32_t MultiplySecondary = 0x0123;  // stage 1: current x secondary
constexpr uint32_t SelectCurrent = 0x0002;      // stage 0 after the textures were released
constexpr uint32_t Disabled(uint32_t word) { return word & ~0x0F0Fu; }
}  // namespace StageBits

// The bit groups of a word pair that differ.
template <size_t N>
uint32_t ChangedGroups(uint32_t oldWord, uint32_t newWord, const uint32_t (&groups)[N]) {
  uint32_t changed = 0;
  for (uint32_t group : groups)
    if ((oldWord ^ newWord) & group) changed |= group;
  return changed;
}

// SetBlendMode's modes 0, 1, 2 as blend functions 0, 1, 4.
uint32_t BlendFunctionOf(int blendMode);
// SetAlphaTest's function (1..6 go into bits 24-27) and reference (bits
// 16-23, only when the function is not 0).
uint32_t AlphaTestWord(int function, int reference);

}  // namespace Tessel
