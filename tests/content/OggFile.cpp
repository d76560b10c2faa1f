#include "content/OggFile.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>

namespace Content {

DecodedAudio DecodeOgg(const std::string& path) {
  DecodedAudio audio;
  OggVorbis_File file;
  if (ov_fopen(path.c_str(), &file) != 0) return audio;
  vorbis_info* info = ov_info(&file, -1);
  audio.Opened = true;
  audio.Channels = info->channels;
  audio.Rate = info->rate;
  audio.Samples.resize(size_t(info->channels));
  for (;;) {
    float** pcm = nullptr;
    int section = 0;
    long frames = ov_read_float(&file, &pcm, 4096, &section);
    if (frames <= 0) break;
    for (int c = 0; c < audio.Channels; ++c) audio.Samples[size_t(c)].insert(audio.Samples[size_t(c)].end(), pcm[c], pcm[c] + frames);
  }
  ov_clear(&file);
  return audio;
}

double PeakOf(const DecodedAudio& audio) {
  double peak = 0;
  for (const auto& channel : audio.Samples)
    for (float v : channel) peak = std::max(peak, double(std::fabs(v)));
  return peak;
}

double LoudestWindowRms(const DecodedAudio& audio, double window) {
  double best = 0;
  for (const auto& s : audio.Samples) {
    size_t n = std::min(s.size(), std::max<size_t>(1, size_t(window * double(audio.Rate))));
    if (s.empty()) continue;
    double sum = 0;
    for (size_t i = 0; i < n; ++i) sum += double(s[i]) * s[i];
    double loudest = sum;
    for (size_t i = n; i < s.size(); ++i) {
      sum += double(s[i]) * s[i] - double(s[i - n]) * s[i - n];
      loudest = std::max(loudest, sum);
    }
    best = std::max(best, std::sqrt(std::max(0.0, loudest) / double(n)));
  }
  return best;
}

}  // namespace Content
