#include "tessel/platform/gl/GlPrograms.h"

#include <string>

#include "tessel/Exception.h"
#include "tessel/graphics/RenderStates.h"
#include "tessel/platform/gl/GlFunctions.h"

namespace Tessel {

namespace {

// Positions arrive as the device wrote them for a renderer whose pixel
// centres lie on whole numbers; OpenGL's lie half a pixel further.
const char* const VertexShader = R"(#version 330 core
layout(location = 0) in vec4 Position;
layout(location = 1) in vec4 Diffuse;
layout(location = 2) in vec4 Secondary;
layout(location = 3) in vec2 TexCoord0;
layout(location = 4) in vec2 TexCoord1;
uniform vec2 FrameSize;
uniform int Stage1CoordinateSet;
out vec4 VDiffuse;
out vec4 VSecondary;
out vec2 VTex0;
out vec2 VTex1;
void main() {
  vec2 p = (Position.xy + 0.5) / FrameSize * 2.0 - 1.0;  // row 0 of the target is the frame's top
  gl_Position = vec4(p, 0.0, 1.0);
  VDiffuse = Diffuse;
  VSecondary = Secondary;
  VTex0 = TexCoord0;
  VTex1 = Stage1CoordinateSet == 1 ? TexCoord1 : TexCoord0;
}
)";

const char* const FragmentHead = R"(
in vec4 VDiffuse;
in vec4 VSecondary;
in vec2 VTex0;
in vec2 VTex1;
uniform sampler2D Texture0;
uniform sampler2D Texture1;
uniform int AlphaFunction;    // 0 off, 1 =, 2 !=, 3 <, 4 <=, 5 >, 6 >=
uniform float AlphaReference; // 0..255
out vec4 FragColor;
const vec3 Luminance = vec3(0.3, 0.59, 0.11);
vec4 Grey(vec4 t) { return vec4(vec3(dot(t.rgb, Luminance)), t.a); }
)";

const char* const FragmentTail = R"(
bool PassesAlphaTest(float alpha) {
  float a = floor(alpha * 255.0 + 0.5);
  switch (AlphaFunction) {
    case 1: return a == AlphaReference;
    case 2: return a != AlphaReference;
    case 3: return a < AlphaReference;
    case 4: return a <= AlphaReference;
    case 5: return a > AlphaReference;
    case 6: return a >= AlphaReference;
    default: return true;
  }
}
void main() {
  vec4 c = clamp(Combine(), 0.0, 1.0);
#ifdef ALPHA_TEST
  if (!PassesAlphaTest(c.a)) discard;
#endif
  FragColor = c;
}
)";

const char* CombineFunction(GlCombiner combiner) {
  switch (combiner) {
    case COMBINER_Diffuse: return "vec4 Combine() { return VDiffuse; }";
    case COMBINER_Modulate: return "vec4 Combine() { return texture(Texture0, VTex0) * VDiffuse; }";
    case COMBINER_LerpSecondary:
      return "vec4 Combine() { vec4 t = texture(Texture0, VTex0) * VDiffuse;"
             " return vec4(mix(t.rgb, VSecondary.rgb, VSecondary.a), t.a); }";
    case COMBINER_AddSecondary:
      return "vec4 Combine() { vec4 t = texture(Texture0, VTex0) * VDiffuse; return vec4(t.rgb + VSecondary.rgb, t.a); }";
    case COMBINER_MultiplySecondary:
      return "vec4 Combine() { vec4 t = texture(Texture0, VTex0) * VDiffuse; return vec4(t.rgb * VSecondary.rgb, t.a); }";
    case COMBINER_Grey: return "vec4 Combine() { return Grey(texture(Texture0, VTex0)) * VDiffuse; }";
    case COMBINER_GreyTinted:
      return "vec4 Combine() { vec4 g = Grey(texture(Texture0, VTex0)) * VDiffuse;"
             " return vec4(mix(g.rgb, VSecondary.rgb, VSecondary.a), g.a); }";
    case COMBINER_GreyBrightened:
      return "vec4 Combine() { vec4 g = Grey(texture(Texture0, VTex0));"
             " return vec4(g.rgb * VDiffuse.rgb + VSecondary.rgb, g.a); }";
    case COMBINER_GreyMultiplied:
      return "vec4 Combine() { vec4 g = Grey(texture(Texture0, VTex0)) * VDiffuse; return vec4(g.rgb * VSecondary.rgb, g.a); }";
    case COMBINER_CrossFade:
      // Where one image is (nearly) transparent it takes the other's colour,
      // so its transparent texels do not bleed into the fade.
      return "vec4 Combine() { vec4 t0 = texture(Texture0, VTex0); vec4 t1 = texture(Texture1, VTex1);"
             " vec4 second = vec4(t1.a > 0.05 ? t1.rgb : t0.rgb, t1.a);"
             " vec4 first = vec4(t0.a > 0.05 ? t0.rgb : t1.rgb, t0.a);"
             " return mix(first, second, VSecondary.a); }";
    case COMBINER_Mask:
      return "vec4 Combine() { vec4 t0 = texture(Texture0, VTex0); return vec4(t0.rgb, t0.a * texture(Texture1, VTex1).a); }";
    default: return "vec4 Combine() { return VDiffuse; }";
  }
}

unsigned Compile(GLenum type, const std::string& source) {
  unsigned shader = glCreateShader(type);
  const char* text = source.c_str();
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  int ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[2048] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    glDeleteShader(shader);
    throw Exception(String("Shader compilation failed: ") + log);
  }
  return shader;
}

}  // namespace

GlProgram BuildGlProgram(GlCombiner combiner, bool alphaTested) {
  unsigned vertex = Compile(GL_VERTEX_SHADER, VertexShader);
  unsigned fragment = 0;
  try {
    std::string version = alphaTested ? "#version 330 core\n#define ALPHA_TEST\n" : "#version 330 core\n";
    fragment = Compile(GL_FRAGMENT_SHADER, version + FragmentHead + CombineFunction(combiner) + FragmentTail);
  } catch (...) {
    glDeleteShader(vertex);
    throw;
  }
  GlProgram program;
  program.Name = glCreateProgram();
  glAttachShader(program.Name, vertex);
  glAttachShader(program.Name, fragment);
  glLinkProgram(program.Name);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  int ok = 0;
  glGetProgramiv(program.Name, GL_LINK_STATUS, &ok);
  if (!ok) {
    char log[2048] = {};
    glGetProgramInfoLog(program.Name, sizeof log, nullptr, log);
    glDeleteProgram(program.Name);
    throw Exception(String("Shader linking failed: ") + log);
  }
  glUseProgram(program.Name);
  glUniform1i(glGetUniformLocation(program.Name, "Texture0"), 0);
  glUniform1i(glGetUniformLocation(program.Name, "Texture1"), 1);
  program.FrameSize = glGetUniformLocation(program.Name, "FrameSize");
  program.AlphaFunction = glGetUniformLocation(program.Name, "AlphaFunction");
  program.AlphaReference = glGetUniformLocation(program.Name, "AlphaReference");
  program.Stage1CoordinateSet = glGetUniformLocation(program.Name, "Stage1CoordinateSet");
  return program;
}

GlCombiner ChooseCombiner(int shader, uint32_t stage0, uint32_t stage1, bool stage0Textured) {
  if (shader >= 0 && shader <= 5) return static_cast<GlCombiner>(COMBINER_Grey + shader);
  if (!stage0Textured) return COMBINER_Diffuse;
  if (stage0 == StageBits::LerpSecondary0 && stage1 == StageBits::LerpSecondary1) return COMBINER_LerpSecondary;
  if (stage0 == StageBits::Modulate) {
    if (stage1 == StageBits::AddSecondary) return COMBINER_AddSecondary;
    if (stage1 == StageBits::MultiplySecondary) return COMBINER_MultiplySecondary;
    return COMBINER_Modulate;
  }
  return COMBINER_Diffuse;
}

}  // namespace Tessel
