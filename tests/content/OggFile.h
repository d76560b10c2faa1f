#pragma once
// Decodes an Ogg Vorbis file the way the game's mixer will read it.

#include <string>
#include <vector>

namespace Content {

struct DecodedAudio {
  bool Opened = false;
  int Channels = 0;
  long Rate = 0;
  std::vector<std::vector<float>> Samples;  // per channel
  double Seconds() const { return Rate ? double(Samples.empty() ? 0 : Samples[0].size()) / double(Rate) : 0; }
};

DecodedAudio DecodeOgg(const std::string& path);

double PeakOf(const DecodedAudio& audio);
// RMS of the loudest window (of the whole file when shorter), over all channels.
double LoudestWindowRms(const DecodedAudio& audio, double window);

}  // namespace Content
