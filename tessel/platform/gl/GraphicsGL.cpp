#include "tessel/platform/gl/GraphicsGL.h"

#include <algorithm>
#include <cstring>

#include "tessel/Exception.h"
#include "tessel/Format.h"
#include "tessel/Log.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/graphics/FrameViewport.h"
#include "tessel/graphics/RenderStates.h"
#include "tessel/platform/gl/GlErrors.h"
#include "tessel/platform/gl/GlFunctions.h"
#include "tessel/platform/posix/CrashHandler.h"
#include "tessel/resources/PixelFormat.h"

namespace Tessel {

namespace {

const char* const NoHardwareMessage =
    "Unfortunately, OpenGL 3.3 hardware was not found on your computer.\n"
    "Please make sure you have an OpenGL 3.3 capable video card and latest\n"
    "video drivers installed.\n"
    "Feel free to e-mail your problem to support@tesselgames.com";

// What the crash report shows of the device; it must outlive the device.
struct CrashInfoText {
  char Api[128], Adapter[128], Driver[256];
  CrashGraphicsInfo Info;
} CrashText;

void CopyText(char* to, size_t size, const char* from) {
  std::strncpy(to, from ? from : "", size - 1);
  to[size - 1] = 0;
}

const char* GlString(GLenum name) {
  const GLubyte* s = glGetString(name);
  return s ? reinterpret_cast<const char*>(s) : "";
}

GLenum InternalFormat(int format) {
  switch (format) {
    case PIXEL_A8R8G8B8: return GL_RGBA8;
    case PIXEL_X8R8G8B8:
    case PIXEL_R8G8B8: return GL_RGB8;
    case PIXEL_R5G6B5: return GL_RGB565;
    case PIXEL_X1R5G5B5: return GL_RGB5;
    case PIXEL_A1R5G5B5: return GL_RGB5_A1;
    case PIXEL_A4R4G4B4: return GL_RGBA4;
    case PIXEL_X4R4G4B4: return GL_RGB4;
    case PIXEL_R3G3B2: return GL_R3_G3_B2;
    case PIXEL_DXT1: return GL_COMPRESSED_RGBA_S3TC_DXT1_EXT;
    case PIXEL_DXT2:
    case PIXEL_DXT3: return GL_COMPRESSED_RGBA_S3TC_DXT3_EXT;
    case PIXEL_DXT4:
    case PIXEL_DXT5: return GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;
    default: return 0;
  }
}

int ItemSize(BufferKind buffer) {
  return buffer == BUFFER_Index ? 2 : buffer == BUFFER_VertexA ? static_cast<int>(sizeof(QuadVertexA))
                                                               : static_cast<int>(sizeof(QuadVertexB));
}

}  // namespace

GraphicsGL::GraphicsGL(GameAppBase* app) : BatchingGraphicsDevice(app), App(app) {
  try {
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
      SDL_DisplayMode mode;
      if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
      bool seen = std::any_of(DisplayModes.begin(), DisplayModes.end(),
                              [&](const Resolution& r) { return r.Width == mode.w && r.Height == mode.h; });
      if (!seen) DisplayModes.push_back({mode.w, mode.h});
    }
  }
  TESSEL_TRACE("GraphicsGL::ctor")
}

GraphicsGL::~GraphicsGL() {
  if (!Context) return;
  PrintLog("Unitializing OpenGL...\n");
  SDL_GL_MakeCurrent(Window, Context);
  ReleaseTextures();
  ReleaseBuffers();
  ReleaseFrameTarget();
  PrintLog("  Destroying OpenGL context...\n");
  SetCrashGraphicsInfo(nullptr);
  SDL_GL_DeleteContext(Context);
  Context = nullptr;
}

void GraphicsGL::CreateRenderer(int width, int height, bool windowed) {
  try {
    Window = static_cast<SDL_Window*>(App ? App->WindowHandle : nullptr);
    if (!Window) throw Exception(String("The window must exist before the display mode is set."));
    PrintLog("Initializing OpenGL...\n");
    Context = SDL_GL_CreateContext(Window);
    if (!Context) throw GraphicsDeviceException(String(NoHardwareMessage));
    SDL_GL_MakeCurrent(Window, Context);
    PrintLog("  Video adapter : %s\n", GlString(GL_RENDERER));
    PrintLog("  Driver : %s\n", GlString(GL_VENDOR));
    PrintLog("  Driver version : %s\n", GlString(GL_VERSION));
    PrintLog("\n");

    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &MaxTextureSize);
    int extensions = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &extensions);
    for (int i = 0; i < extensions; ++i) {
      const char* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, i));
      if (name && std::strcmp(name, "GL_EXT_texture_compression_s3tc") == 0) HasS3tc = true;
    }
    TextureCaps.MaxWidth = TextureCaps.MaxHeight = MaxTextureSize;
    TextureCaps.SupportsCompressedFormats = HasS3tc;
    PrintLog("Creating OpenGL device...\n");
    PrintLog("  Max texture size : %u x %u\n", MaxTextureSize, MaxTextureSize);
    PrintLog("\n");

    CopyText(CrashText.Api, sizeof CrashText.Api, GlString(GL_VERSION));
    CopyText(CrashText.Adapter, sizeof CrashText.Adapter, GlString(GL_RENDERER));
    CopyText(CrashText.Driver, sizeof CrashText.Driver, GlString(GL_VENDOR));
    CrashText.Info = {CrashText.Api, CrashText.Adapter, CrashText.Driver, MaxTextureSize, MaxTextureSize, 2, 0x0303,
                      0x0303};
    SetCrashGraphicsInfo(&CrashText.Info);

    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    CreateFrameTarget(width, height);
  }
  TESSEL_TRACE("GraphicsGL::CreateRenderer")
}

bool GraphicsGL::ApplyWindowMode(int width, int height, bool windowed) {
  if (!Window) return windowed;
  if (width != FrameWidth || height != FrameHeight) CreateFrameTarget(width, height);
  if (!windowed) {
    if (SDL_SetWindowFullscreen(Window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
  } else {
    SDL_SetWindowFullscreen(Window, 0);
    SDL_RestoreWindow(Window);
    SDL_SetWindowSize(Window, width, height);
    int x = App ? std::max(0, (App->DesktopWidth - width) / 2) : 0;
    int y = App ? std::max(0, (App->DesktopHeight - height) / 2) : 0;
    SDL_SetWindowPosition(Window, x, y);
  }
  SDL_ShowWindow(Window);
  SDL_RaiseWindow(Window);
  SDL_GL_SetSwapInterval(App && App->IsVerticalSync() ? 1 : 0);
  // The window starts black, not with whatever the desktop left there.
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  SDL_GL_SwapWindow(Window);
  glBindFramebuffer(GL_FRAMEBUFFER, FrameBuffer);
  return true;
}

void GraphicsGL::CreateFrameTarget(int width, int height) {
  ReleaseFrameTarget();
  FrameWidth = width;
  FrameHeight = height;
  glGenTextures(1, &FrameTexture);
  glBindTexture(GL_TEXTURE_2D, FrameTexture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glGenFramebuffers(1, &FrameBuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, FrameBuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, FrameTexture, 0);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
    throw GraphicsDeviceException(String(NoHardwareMessage));
  glViewport(0, 0, width, height);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  // Stage 0's binding was changed behind the state cache's back.
  ApplyStageTexture(0, GetStageTexture(0), GetStageCoordinateSet(0));
}

void GraphicsGL::ReleaseFrameTarget() {
  if (FrameBuffer) glDeleteFramebuffers(1, &FrameBuffer);
  if (FrameTexture) glDeleteTextures(1, &FrameTexture);
  FrameBuffer = FrameTexture = 0;
}

void GraphicsGL::CreateBuffers() {
  try {
    const int bytes[3] = {IndexCapacity * 2, VertexACapacity * static_cast<int>(sizeof(QuadVertexA)),
                          VertexBCapacity * static_cast<int>(sizeof(QuadVertexB))};
    glGenBuffers(3, Buffers);
    for (int i = 0; i < 3; ++i) {
      glBindBuffer(GL_COPY_WRITE_BUFFER, Buffers[i]);
      glBufferData(GL_COPY_WRITE_BUFFER, bytes[i], nullptr, GL_DYNAMIC_DRAW);
    }
    if (glGetError() != GL_NO_ERROR || Buffers[BUFFER_Index] == 0)
      throw GraphicsDeviceException(String("glBufferData(index buffer) failed."));

    // One vertex array per layout; both read the one index buffer.
    glGenVertexArrays(3, VertexArrays);
    for (int format : {VERTEX_A, VERTEX_B}) {
      glBindVertexArray(VertexArrays[format]);
      glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, Buffers[BUFFER_Index]);
      BufferKind buffer = format == VERTEX_A ? BUFFER_VertexA : BUFFER_VertexB;
      glBindBuffer(GL_ARRAY_BUFFER, Buffers[buffer]);
      int stride = ItemSize(buffer);
      glEnableVertexAttribArray(0);
      glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(0));
      glEnableVertexAttribArray(1);
      glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, reinterpret_cast<void*>(16));
      glEnableVertexAttribArray(2);
      glVertexAttribPointer(2, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, reinterpret_cast<void*>(20));
      glEnableVertexAttribArray(3);
      glVertexAttribPointer(3, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(24));
      if (format == VERTEX_B) {
        glEnableVertexAttribArray(4);
        glVertexAttribPointer(4, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(32));
      }
    }
    glBindVertexArray(0);
    BoundFormat = VERTEX_None;

    glGenSamplers(4, &Samplers[0][0]);
    for (int stage = 0; stage < 2; ++stage) {
      glBindSampler(stage, Samplers[stage][0]);
      StageMipmapped[stage] = false;
    }
    try {
      for (int i = 0; i < NumCombiners; ++i)
        for (int tested = 0; tested < 2; ++tested)
          Programs[i][tested] = BuildGlProgram(static_cast<GlCombiner>(i), tested == 1);
    }
    TESSEL_TRACE("GraphicsGL::CompilePixelShader")
    CurrentProgram = nullptr;
    IsProgramStale = true;
  }
  TESSEL_TRACE("GraphicsGL::CreateBuffers")
}

void GraphicsGL::ReleaseBuffers() {
  glBindVertexArray(0);
  glUseProgram(0);
  for (auto& pair : Programs)
    for (GlProgram& program : pair) {
      if (program.Name) glDeleteProgram(program.Name);
      program = GlProgram();
    }
  CurrentProgram = nullptr;
  glDeleteSamplers(4, &Samplers[0][0]);
  glDeleteVertexArrays(3, VertexArrays);
  glDeleteBuffers(3, Buffers);
  std::memset(Samplers, 0, sizeof Samplers);
  std::memset(VertexArrays, 0, sizeof VertexArrays);
  std::memset(Buffers, 0, sizeof Buffers);
  BoundFormat = VERTEX_None;
}

void GraphicsGL::ApplyDefaultStates() {
  glDisable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_TRUE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  // Culling clockwise triangles of the y-down frame: counter-clockwise ones in OpenGL's terms.
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glCullFace(GL_FRONT);
  AlphaFunction = AlphaReference = 0;
  for (int stage = 0; stage < 2; ++stage) {
    SetSamplerStates(stage, 0);
    glActiveTexture(GL_TEXTURE0 + stage);
    glBindTexture(GL_TEXTURE_2D, 0);
    StageWords[stage] = 0;
  }
  Stage0Textured = false;
  CurrentShaderNumber = NoShader;
  IsProgramStale = true;
}

void GraphicsGL::BeginScene() {
  SDL_GL_MakeCurrent(Window, Context);
  glBindFramebuffer(GL_FRAMEBUFFER, FrameBuffer);
  glViewport(0, 0, FrameWidth, FrameHeight);
}

bool GraphicsGL::PresentTarget() {
  int windowWidth = 0, windowHeight = 0;
  SDL_GL_GetDrawableSize(Window, &windowWidth, &windowHeight);
  FrameViewport v = FrameViewport::Fit(FrameWidth, FrameHeight, windowWidth, windowHeight);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, FrameBuffer);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  // Row 0 of the target is the frame's top; the window's row 0 is its bottom.
  glBlitFramebuffer(0, 0, FrameWidth, FrameHeight, v.X, windowHeight - v.Y, v.X + v.Width,
                    windowHeight - v.Y - v.Height, GL_COLOR_BUFFER_BIT, GL_LINEAR);
  SDL_GL_SwapWindow(Window);
  glBindFramebuffer(GL_FRAMEBUFFER, FrameBuffer);
  return true;
}

void GraphicsGL::ClearTarget(uint32_t color) {
  glClearColor(((color >> 16) & 0xFF) / 255.0f, ((color >> 8) & 0xFF) / 255.0f, (color & 0xFF) / 255.0f,
               (color >> 24) / 255.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void GraphicsGL::CaptureTarget(ImageData& image, const ScreenRect& source, int width, int height) {
  if (!FrameBuffer) return;
  unsigned scaled = 0, scaledTexture = 0;
  glBindFramebuffer(GL_READ_FRAMEBUFFER, FrameBuffer);
  int sourceWidth = source.Right - source.Left, sourceHeight = source.Bottom - source.Top;
  int readX = source.Left, readY = source.Top;
  if (sourceWidth != width || sourceHeight != height) {
    glGenTextures(1, &scaledTexture);
    glBindTexture(GL_TEXTURE_2D, scaledTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glGenFramebuffers(1, &scaled);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, scaled);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, scaledTexture, 0);
    glBlitFramebuffer(source.Left, source.Top, source.Right, source.Bottom, 0, 0, width, height, GL_COLOR_BUFFER_BIT,
                      GL_LINEAR);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, scaled);
    readX = readY = 0;
  }
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
  glReadPixels(readX, readY, width, height, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
  bool ok = glGetError() == GL_NO_ERROR;
  if (scaled) {
    glDeleteFramebuffers(1, &scaled);
    glDeleteTextures(1, &scaledTexture);
  }
  glBindFramebuffer(GL_FRAMEBUFFER, FrameBuffer);
  // The binding of stage 0 was borrowed.
  ApplyStageTexture(0, GetStageTexture(0), GetStageCoordinateSet(0));
  if (!ok) return;
  image.Width = width;
  image.Height = height;
  image.Format = PIXEL_A8R8G8B8;
  image.Pixels = std::move(pixels);
}

void GraphicsGL::ApplyRenderState(uint32_t word, uint32_t changed) {
  if (changed & RenderStateBits::BlendFunction) {
    uint32_t function = word & RenderStateBits::BlendFunction;
    if (function == 0) {
      glDisable(GL_BLEND);
    } else {
      glEnable(GL_BLEND);
      glBlendEquation(function == 5 ? GL_FUNC_SUBTRACT : GL_FUNC_ADD);
      switch (function) {
        case 1: glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA); break;
        case 2: glBlendFunc(GL_DST_COLOR, GL_ZERO); break;
        case 3: glBlendFunc(GL_DST_COLOR, GL_SRC_COLOR); break;
        case 4:
        case 5: glBlendFunc(GL_ONE, GL_ONE); break;
        default: break;  // on, with the factors it had
      }
    }
  }
  if (changed & RenderStateBits::Wireframe)
    glPolygonMode(GL_FRONT_AND_BACK, word & RenderStateBits::Wireframe ? GL_LINE : GL_FILL);
  if (changed & RenderStateBits::NoCulling) {
    if (word & RenderStateBits::NoCulling)
      glDisable(GL_CULL_FACE);
    else
      glEnable(GL_CULL_FACE);
  }
  // The frame has no depth buffer: depth comparison, writes and bias have nothing to act on.
  if (changed & (RenderStateBits::AlphaFunction | RenderStateBits::AlphaReference)) {
    int function = static_cast<int>((word & RenderStateBits::AlphaFunction) >> 24);
    if ((function != 0) != (AlphaFunction != 0)) IsProgramStale = true;
    AlphaFunction = function;
    AlphaReference = static_cast<int>((word & RenderStateBits::AlphaReference) >> 16);
  }
}

void GraphicsGL::ApplyStageState(int stage, uint32_t word, uint32_t changed) {
  if (stage < 2) {
    StageWords[stage] = word;
    IsProgramStale = true;
    if (changed & (StageBits::ClampU | StageBits::ClampV | StageBits::PointFilter)) SetSamplerStates(stage, word);
  }
}

// Single-level textures get a filter without mip levels: sampling with a
// mip filter makes the software renderer work out a level for every pixel.
void GraphicsGL::SetSamplerStates(int stage, uint32_t word) {
  bool point = word & StageBits::PointFilter;
  for (int mipmapped = 0; mipmapped < 2; ++mipmapped) {
    unsigned sampler = Samplers[stage][mipmapped];
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, word & StageBits::ClampU ? GL_CLAMP_TO_EDGE : GL_REPEAT);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, word & StageBits::ClampV ? GL_CLAMP_TO_EDGE : GL_REPEAT);
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, point ? GL_NEAREST : GL_LINEAR);
    GLint minify = mipmapped ? (point ? GL_NEAREST_MIPMAP_NEAREST : GL_LINEAR_MIPMAP_NEAREST) : (point ? GL_NEAREST : GL_LINEAR);
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, minify);
  }
}

void GraphicsGL::ApplyStageTexture(int stage, const CachedTexture* texture, int coordinateSet) {
  if (stage >= 2) return;
  glActiveTexture(GL_TEXTURE0 + stage);
  glBindTexture(GL_TEXTURE_2D, texture ? texture->Handle : 0);
  bool mipmapped = texture && texture->HasMipmaps;
  if (mipmapped != StageMipmapped[stage]) {
    StageMipmapped[stage] = mipmapped;
    glBindSampler(stage, Samplers[stage][mipmapped]);
  }
  if (stage == 0) Stage0Textured = texture && texture->Handle;
  if (stage == 1) Stage1CoordinateSet = coordinateSet;
  IsProgramStale = true;
}

void GraphicsGL::ApplyVertexFormat(VertexFormat format) {
  if (format == BoundFormat) return;
  BoundFormat = format;
  glBindVertexArray(VertexArrays[format]);
}

void* GraphicsGL::LockBuffer(BufferKind buffer, int first, int count, bool discard) {
  glBindBuffer(GL_COPY_WRITE_BUFFER, Buffers[buffer]);
  GLbitfield access = GL_MAP_WRITE_BIT | (discard ? GL_MAP_INVALIDATE_BUFFER_BIT
                                                  : GL_MAP_UNSYNCHRONIZED_BIT | GL_MAP_INVALIDATE_RANGE_BIT);
  void* data = glMapBufferRange(GL_COPY_WRITE_BUFFER, static_cast<GLintptr>(first) * ItemSize(buffer),
                                static_cast<GLsizeiptr>(count) * ItemSize(buffer), access);
  if (!data && buffer == BUFFER_Index) throw GraphicsDeviceException(String("glMapBufferRange(index buffer) failed."));
  if (!data) throw Exception(GlErrorText(glGetError()));
  return data;
}

void GraphicsGL::UnlockBuffer(BufferKind buffer) {
  glBindBuffer(GL_COPY_WRITE_BUFFER, Buffers[buffer]);
  glUnmapBuffer(GL_COPY_WRITE_BUFFER);
}

void GraphicsGL::BindProgram() {
  if (IsProgramStale || CurrentShaderNumber != GetPixelShader()) {
    CurrentShaderNumber = GetPixelShader();
    GlProgram* program =
        &Programs[ChooseCombiner(CurrentShaderNumber, StageWords[0], StageWords[1], Stage0Textured)][AlphaFunction != 0];
    if (program != CurrentProgram) {
      CurrentProgram = program;
      glUseProgram(program->Name);
    }
    IsProgramStale = false;
  }
  GlProgram& p = *CurrentProgram;
  if (p.FrameWidth != FrameWidth || p.FrameHeight != FrameHeight) {
    p.FrameWidth = static_cast<float>(FrameWidth);
    p.FrameHeight = static_cast<float>(FrameHeight);
    glUniform2f(p.FrameSize, p.FrameWidth, p.FrameHeight);
  }
  if (p.Function != AlphaFunction) glUniform1i(p.AlphaFunction, p.Function = AlphaFunction);
  if (p.Reference != AlphaReference) glUniform1f(p.AlphaReference, static_cast<float>(p.Reference = AlphaReference));
  if (p.CoordinateSet != Stage1CoordinateSet) glUniform1i(p.Stage1CoordinateSet, p.CoordinateSet = Stage1CoordinateSet);
}

void GraphicsGL::DrawIndexed(PrimitiveKind primitive, int baseVertex, int vertexCount, int firstIndex,
                             int primitiveCount) {
  BindProgram();
  bool triangles = primitive == PRIMITIVE_Triangles;
  glDrawElementsBaseVertex(triangles ? GL_TRIANGLES : GL_LINES, triangles ? 3 * primitiveCount : 2 * primitiveCount,
                           GL_UNSIGNED_SHORT, reinterpret_cast<void*>(static_cast<intptr_t>(firstIndex) * 2),
                           baseVertex);
}

bool GraphicsGL::SupportsTextureFormat(int format) {
  if (IsCompressedFormat(format)) return HasS3tc;
  return InternalFormat(format) != 0;
}

uint32_t GraphicsGL::CreateTextureObject(int width, int height, int format, bool mipmaps, String* error) {
  while (glGetError() != GL_NO_ERROR) {
  }
  unsigned name = 0;
  glGenTextures(1, &name);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, mipmaps ? 1000 : 0);
  if (!IsCompressedFormat(format))
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(InternalFormat(format)), width, height, 0, GL_BGRA,
                 GL_UNSIGNED_BYTE, nullptr);
  GLenum result = glGetError();
  if (result != GL_NO_ERROR) {
    glDeleteTextures(1, &name);
    name = 0;
    if (error) *error = GlErrorText(result);
  }
  // Stage 0's binding was borrowed.
  const CachedTexture* bound = GetStageTexture(0);
  glBindTexture(GL_TEXTURE_2D, bound ? bound->Handle : 0);
  return name;
}

void GraphicsGL::UploadTextureObject(uint32_t handle, int width, int height, int format, const uint8_t* pixels) {
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, handle);
  if (IsCompressedFormat(format))
    glCompressedTexImage2D(GL_TEXTURE_2D, 0, InternalFormat(format), width, height, 0,
                           static_cast<GLsizei>(GetImageByteSize(format, width, height)), pixels);
  else
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
  GLenum result = glGetError();
  const CachedTexture* bound = GetStageTexture(0);
  glBindTexture(GL_TEXTURE_2D, bound ? bound->Handle : 0);
  if (result != GL_NO_ERROR) throw Exception(GlErrorText(result));
}

void GraphicsGL::GenerateMipmaps(uint32_t handle) {
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, handle);
  glGenerateMipmap(GL_TEXTURE_2D);
  const CachedTexture* bound = GetStageTexture(0);
  glBindTexture(GL_TEXTURE_2D, bound ? bound->Handle : 0);
}

void GraphicsGL::ReleaseTextureObject(uint32_t handle) { glDeleteTextures(1, &handle); }

void GraphicsGL::GetDeviceInfo(DeviceInfo& info) {
  info.ApiName = Context ? String(GlString(GL_VERSION)) : String("OpenGL");
  if (!Context) return;
  info.AdapterDescription = GlString(GL_RENDERER);
  info.Driver = Format("%s, version %s", GlString(GL_VENDOR), GlString(GL_VERSION));
}

void GraphicsGL::GetCaps(DeviceCaps& caps) {
  caps.MaxTextureWidth = caps.MaxTextureHeight = MaxTextureSize;
  caps.MaxSimultaneousTextures = 2;
  caps.PixelShaderVersion = 0x0303;  // GLSL 3.30
  caps.VertexShaderVersion = 0x0303;
}

}  // namespace Tessel
