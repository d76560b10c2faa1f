#pragma once
// The GLSL programs of the OpenGL device. One vertex shader serves every
// batch; each fragment program is one texture-combine setup: the fixed
// combinations the colour modes select through the stage words, and the six
// pixel shaders (grey, grey tinted, grey brightened, grey multiplied,
// cross-fade, alpha mask) with their original arithmetic. Every program ends
// with the alpha test, done as a discard.

#include <cstdint>

namespace Tessel {

enum GlCombiner {
  COMBINER_Diffuse,            // diffuse colour, no texture
  COMBINER_Modulate,           // texture x diffuse
  COMBINER_LerpSecondary,      // towards the secondary colour by its alpha
  COMBINER_AddSecondary,
  COMBINER_MultiplySecondary,
  COMBINER_Grey,               // pixel shader 0
  COMBINER_GreyTinted,         // 1
  COMBINER_GreyBrightened,     // 2
  COMBINER_GreyMultiplied,     // 3
  COMBINER_CrossFade,          // 4
  COMBINER_Mask,               // 5
  NumCombiners
};

struct GlProgram {
  unsigned Name = 0;
  int FrameSize = -1, AlphaFunction = -1, AlphaReference = -1, Stage1CoordinateSet = -1;
  // What the uniforms hold, so that they are set only when they change.
  float FrameWidth = -1, FrameHeight = -1;
  int Function = -1, Reference = -1, CoordinateSet = -1;
};

// Compiles and links the program of a combiner, with or without the alpha
// test (a discard costs the software renderer even when nothing fails it);
// throws Exception with the compiler's log when that fails.
GlProgram BuildGlProgram(GlCombiner combiner, bool alphaTested);

// The combiner the stage words and pixel shader describe.
GlCombiner ChooseCombiner(int shader, uint32_t stage0, uint32_t stage1, bool stage0Textured);

}  // namespace Tessel
