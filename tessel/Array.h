#pragma once
// Array<T>: growable array that enlarges its block by a fixed growth step
// (32 elements unless the owner sets another), which keeps reallocations rare
// for the small tables of this system without doubling their memory.
//
// Elements are relocated by moving them; only trivially copyable types are
// relocated as raw bytes (std::u16string, for one, points into itself).

#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "tessel/Exception.h"

namespace Tessel {

template <typename T>
class Array {
public:
  explicit Array(int growthStep = 32) : GrowthStep(growthStep > 0 ? growthStep : 1) {}
  Array(const Array& other) : GrowthStep(other.GrowthStep) { CopyFrom(other); }
  Array(Array&& other) noexcept { Swap(other); }
  ~Array() {
    DestroyRange(0, Count);
    ::operator delete(Data);
  }

  Array& operator=(const Array& other) {
    if (this != &other) {
      Array copy(other);
      Swap(copy);
    }
    return *this;
  }
  Array& operator=(Array&& other) noexcept {
    if (this != &other) {
      Array empty(GrowthStep);
      Swap(empty);
      Swap(other);
    }
    return *this;
  }

  int GetSize() const { return Count; }
  int GetCapacity() const { return Capacity; }
  int GetGrowthStep() const { return GrowthStep; }
  void SetGrowthStep(int step) { GrowthStep = step > 0 ? step : 1; }
  bool IsEmpty() const { return Count == 0; }

  // No bounds check, as for a plain array.
  T& operator[](int index) { return Data[index]; }
  const T& operator[](int index) const { return Data[index]; }

  T* begin() { return Data; }
  T* end() { return Data + Count; }
  const T* begin() const { return Data; }
  const T* end() const { return Data + Count; }

  // Grows by the growth step until the capacity holds newSize, fills new slots
  // with copies of fill; shrinking keeps the block and its capacity.
  void SetSize(int newSize, const T& fill = T()) {
    TESSEL_ASSERT_AT(newSize >= 0, "tessel/Array", 165);
    if (newSize > Capacity) {
      long long capacity = Capacity;
      while (capacity < newSize) capacity += GrowthStep;
      if (capacity > 0x7FFFFFFF) throw std::bad_alloc();
      Grow(static_cast<int>(capacity), newSize, fill);
    } else {
      for (int i = Count; i < newSize; ++i) new (Data + i) T(fill);
      DestroyRange(newSize, Count);
    }
    Count = newSize;
  }

  void Add(const T& item) { SetSize(Count + 1, item); }
  // The same as SetSize(0): the elements go, the block and capacity stay.
  void Clear() {
    DestroyRange(0, Count);
    Count = 0;
  }

  // Removes one element, keeping the order of the others.
  void RemoveAt(int index) {
    TESSEL_ASSERT(index >= 0 && index < Count);
    for (int i = index; i + 1 < Count; ++i) Data[i] = std::move(Data[i + 1]);
    DestroyRange(Count - 1, Count);
    --Count;
  }

  int IndexOf(const T& item) const {
    for (int i = 0; i < Count; ++i)
      if (Data[i] == item) return i;
    return -1;
  }

  void Swap(Array& other) noexcept {
    std::swap(Data, other.Data);
    std::swap(Count, other.Count);
    std::swap(Capacity, other.Capacity);
    std::swap(GrowthStep, other.GrowthStep);
  }

private:
  // Fills the new slots before the old block goes away: fill may be one of
  // this array's own elements.
  void Grow(int capacity, int newSize, const T& fill) {
    T* block = static_cast<T*>(::operator new(sizeof(T) * static_cast<size_t>(capacity)));
    int filled = Count;
    try {
      for (; filled < newSize; ++filled) new (block + filled) T(fill);
    } catch (...) {
      for (int i = Count; i < filled; ++i) block[i].~T();
      ::operator delete(block);
      throw;
    }
    if constexpr (std::is_trivially_copyable_v<T>) {
      if (Count > 0) std::memcpy(static_cast<void*>(block), Data, sizeof(T) * static_cast<size_t>(Count));
    } else {
      for (int i = 0; i < Count; ++i) {
        new (block + i) T(std::move(Data[i]));
        Data[i].~T();
      }
    }
    ::operator delete(Data);
    Data = block;
    Capacity = capacity;
  }

  void DestroyRange(int from, int to) {
    if constexpr (!std::is_trivially_destructible_v<T>)
      for (int i = from; i < to; ++i) Data[i].~T();
  }

  void CopyFrom(const Array& other) {
    if (other.Count == 0) return;
    Data = static_cast<T*>(::operator new(sizeof(T) * static_cast<size_t>(other.Count)));
    Capacity = other.Count;
    for (; Count < other.Count; ++Count) new (Data + Count) T(other.Data[Count]);
  }

  T* Data = nullptr;
  int Count = 0;
  int Capacity = 0;
  int GrowthStep = 32;
};

}  // namespace Tessel
