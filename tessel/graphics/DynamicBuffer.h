#pragma once
// One dynamic buffer of the device (indices, or vertices of one layout). A
// frame appends batches behind each other and only throws the old contents
// away ("discard") at the frame's first batch or when the buffer is full, so
// the renderer never waits for a batch still in flight.

namespace Tessel {

class DynamicBuffer {
public:
  explicit DynamicBuffer(int capacity) : Capacity(capacity) {}

  int GetCapacity() const { return Capacity; }
  int GetPosition() const { return Position; }
  int GetFree() const { return Capacity - Position; }
  // The next batch starts again at 0 and discards.
  void Restart() {
    Position = 0;
    MustRestart = true;
  }
  // Takes n items; returns their first index and whether the lock discards.
  int Reserve(int n, bool& discard) {
    discard = MustRestart || Position + n > Capacity;
    if (discard) {
      Position = 0;
      MustRestart = false;
    }
    int first = Position;
    Position += n;
    return first;
  }

private:
  int Capacity;
  int Position = 0;
  bool MustRestart = true;
};

}  // namespace Tessel
