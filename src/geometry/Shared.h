#pragma once
// What the geometry classes share: the angle constants and the result objects that belong to an
// operation rather than to an object.

#include <new>

namespace kx::detail {

// A full turn and a half turn in radians, as the geometry uses them everywhere.
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kPi = 3.141592653589793;

// One object of type T that belongs to an operation and is shared by every caller (the result of
// DT_Punkt::AvstandTil without a result object, say). It is built in static storage on first use
// and destroyed when the library is unloaded (by the Unload() of a static guard). A host's static
// destructor may still call the operation after that: it gets a fresh object in the same storage,
// never destroyed, so that nothing touches a dead object and nothing is left unreachable.
//
// The type is trivially destructible and has no constructor: a global of it is zero-initialised
// before any code runs, so it works from other static initialisers and after its guard is gone.
template <typename T>
struct OperationResult {
  alignas(T) unsigned char storage[sizeof(T)];
  T* object;

  T& Get() {
    if (object == nullptr) object = new (storage) T();
    return *object;
  }
  void Unload() {
    T* dying = object;
    object = nullptr;
    if (dying != nullptr) dying->~T();
  }
};

}  // namespace kx::detail
