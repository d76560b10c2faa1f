#include "synth/OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace Synth {

namespace {

uint32_t SerialFor(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ uint8_t(c)) * 16777619u;
  return h & 0x7FFFFFFF;
}

void WritePages(std::FILE* file, ogg_stream_state& stream, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
    std::fwrite(page.header, 1, size_t(page.header_len), file);
    std::fwrite(page.body, 1, size_t(page.body_len), file);
  }
}

}  // namespace

void WriteOgg(const std::string& path, const Signal& left, const Signal& right, float quality) {
  const int channels = right.empty() ? 1 : 2;
  std::filesystem::path target(path);
  if (!target.parent_path().empty()) std::filesystem::create_directories(target.parent_path());
  std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) throw std::runtime_error("cannot write " + path);

  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, SampleRate, quality) != 0) {
    std::fclose(file);
    throw std::runtime_error("the Vorbis encoder refused its settings");
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "TITLE", target.stem().string().c_str());
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, int(SerialFor(path)));

  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  WritePages(file, stream, true);

  const size_t frames = std::max(left.size(), right.size());
  const size_t chunk = 4096;
  auto drain = [&]() {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        WritePages(file, stream, false);
      }
    }
  };
  for (size_t at = 0; at < frames; at += chunk) {
    size_t n = std::min(chunk, frames - at);
    float** buffer = vorbis_analysis_buffer(&dsp, int(n));
    for (size_t i = 0; i < n; ++i) {
      buffer[0][i] = at + i < left.size() ? left[at + i] : 0.0f;
      if (channels == 2) buffer[1][i] = at + i < right.size() ? right[at + i] : 0.0f;
    }
    vorbis_analysis_wrote(&dsp, int(n));
    drain();
  }
  vorbis_analysis_wrote(&dsp, 0);  // the end of the stream
  drain();
  WritePages(file, stream, true);
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  bool ok = std::fflush(file) == 0;
  std::fclose(file);
  if (!ok) throw std::runtime_error("cannot write " + path);
  std::filesystem::rename(temporary, path);
}

void Normalise(Signal& s, double targetRms, double ceiling) {
  double rms = LoudestWindowRms(s, 0.4);
  if (rms <= 0) return;
  double gain = targetRms / rms;
  double peak = Peak(s) * gain;
  if (peak > ceiling) gain *= ceiling / peak;
  Scale(s, gain);
}

void NormaliseStereo(Signal& left, Signal& right, double targetRms, double window, double ceiling) {
  double rms = std::max(LoudestWindowRms(left, window), LoudestWindowRms(right, window));
  if (rms <= 0) return;
  double gain = targetRms / rms;
  double peak = std::max(Peak(left), Peak(right)) * gain;
  if (peak > ceiling) gain *= ceiling / peak;
  Scale(left, gain);
  Scale(right, gain);
}

}  // namespace Synth
