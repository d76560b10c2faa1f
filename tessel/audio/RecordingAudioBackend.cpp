#include "tessel/audio/RecordingAudioBackend.h"

namespace Tessel {

void RecordingAudioBackend::PauseOutput() {
  IsOutputPaused = true;
  for (auto& [handle, channel] : Channels)
    if (channel.State == AUDIOCHANNEL_Playing) channel.State = AUDIOCHANNEL_Paused;
  Log.push_back("pause");
}

void RecordingAudioBackend::StartOutput() {
  IsOutputPaused = false;
  for (auto& [handle, channel] : Channels)
    if (channel.State == AUDIOCHANNEL_Paused) channel.State = AUDIOCHANNEL_Playing;
  Log.push_back("start");
}

RecordingAudioBackend::Channel* RecordingAudioBackend::Find(AudioHandle handle) {
  auto found = Channels.find(handle);
  return found == Channels.end() || found->second.IsTakenOver ? nullptr : &found->second;
}

AudioHandle RecordingAudioBackend::LoadSample(const String& path, int maxPlaybacks) {
  ++Loads;
  std::string name = path.CStr();
  if (FailingFiles.count(name)) return 0;
  AudioHandle handle = ++LastHandle;
  SampleTable[handle] = Sample{name, maxPlaybacks, {}};
  Log.push_back("load sample " + name + " " + std::to_string(maxPlaybacks));
  return handle;
}

void RecordingAudioBackend::FreeSample(AudioHandle sample) {
  auto found = SampleTable.find(sample);
  if (found == SampleTable.end()) return;
  for (AudioHandle playback : found->second.Playbacks) Channels.erase(playback);
  Log.push_back("free " + found->second.Path);
  SampleTable.erase(found);
}

AudioHandle RecordingAudioBackend::GetSampleChannel(AudioHandle sample) {
  auto found = SampleTable.find(sample);
  if (found == SampleTable.end()) return 0;
  Sample& s = found->second;
  for (AudioHandle playback : s.Playbacks)
    if (Channels[playback].State == AUDIOCHANNEL_Stopped && !Channels[playback].IsTakenOver) return playback;
  if (static_cast<int>(s.Playbacks.size()) < s.MaxPlaybacks) {
    AudioHandle handle = ++LastHandle;
    Channel channel;
    channel.Sample = sample;
    channel.Path = s.Path;
    Channels[handle] = channel;
    s.Playbacks.push_back(handle);
    return handle;
  }
  // All busy: the one that has played longest is taken over by a new handle.
  size_t oldest = 0;
  for (size_t i = 1; i < s.Playbacks.size(); ++i)
    if (Channels[s.Playbacks[i]].StartedAt < Channels[s.Playbacks[oldest]].StartedAt) oldest = i;
  Channels[s.Playbacks[oldest]].IsTakenOver = true;
  Channels[s.Playbacks[oldest]].State = AUDIOCHANNEL_Stopped;
  AudioHandle handle = ++LastHandle;
  Channel channel;
  channel.Sample = sample;
  channel.Path = s.Path;
  Channels[handle] = channel;
  s.Playbacks[oldest] = handle;
  return handle;
}

AudioHandle RecordingAudioBackend::LoadMusic(const String& path) {
  ++Loads;
  std::string name = path.CStr();
  if (FailingFiles.count(name)) return 0;
  AudioHandle handle = ++LastHandle;
  Channel channel;
  channel.Path = name;
  Channels[handle] = channel;
  Log.push_back("load music " + name);
  return handle;
}

void RecordingAudioBackend::FreeMusic(AudioHandle music) {
  auto found = Channels.find(music);
  if (found == Channels.end()) return;
  Log.push_back("free " + found->second.Path);
  Channels.erase(found);
}

bool RecordingAudioBackend::IsModule(AudioHandle music) {
  Channel* channel = Find(music);
  return channel && channel->Path.size() > 4 && channel->Path.compare(channel->Path.size() - 4, 4, ".mod") == 0;
}

AudioPlayResult RecordingAudioBackend::Play(AudioHandle handle, bool restart) {
  Channel* channel = Find(handle);
  if (!channel) return AUDIOPLAY_Failed;
  if (IsOutputPaused) return AUDIOPLAY_OutputNotStarted;
  if (channel->State == AUDIOCHANNEL_Playing && !restart) return AUDIOPLAY_Ok;
  channel->State = AUDIOCHANNEL_Playing;
  channel->StartedAt = ++PlayCounter;
  Log.push_back("play " + channel->Path + " " + std::to_string(channel->Volume) + (channel->Loop ? " loop" : ""));
  return AUDIOPLAY_Ok;
}

void RecordingAudioBackend::Stop(AudioHandle handle) {
  Channel* channel = Find(handle);
  if (!channel || channel->State == AUDIOCHANNEL_Stopped) return;
  channel->State = AUDIOCHANNEL_Stopped;
  Log.push_back("stop " + channel->Path);
}

void RecordingAudioBackend::SetVolume(AudioHandle handle, int volume) {
  if (Channel* channel = Find(handle)) channel->Volume = volume;
}

void RecordingAudioBackend::SetLoop(AudioHandle handle, bool loop) {
  if (Channel* channel = Find(handle)) channel->Loop = loop;
}

void RecordingAudioBackend::SetPosition(AudioHandle handle, int position) {
  if (Channel* channel = Find(handle)) channel->Position = position;
}

AudioChannelState RecordingAudioBackend::GetState(AudioHandle handle) {
  Channel* channel = Find(handle);
  return channel ? channel->State : AUDIOCHANNEL_Stopped;
}

const RecordingAudioBackend::Channel* RecordingAudioBackend::LastPlayOf(const std::string& path) const {
  const Channel* last = nullptr;
  for (const auto& [handle, channel] : Channels)
    if (channel.Path == path && channel.StartedAt > 0 && (!last || channel.StartedAt > last->StartedAt)) last = &channel;
  return last;
}

}  // namespace Tessel
