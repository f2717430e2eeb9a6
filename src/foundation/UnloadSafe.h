#pragma once
// A library-owned object that outlives the library's own clean-up.

#include <new>

namespace kx::detail {

// One object of type T that belongs to the library rather than to a caller (the built-in host
// interface, the shared result of an operation). It is built in static storage on first use and
// destroyed when the library is unloaded, by Unload() from a static guard. A host's static
// destructor may still reach it after that: it then gets a fresh object in the same storage, never
// destroyed, so that nothing touches a dead object and nothing is left unreachable.
//
// The type is trivially destructible and has no constructor: a global of it is zero-initialised
// before any code runs, so it works from other static initialisers and after its guard is gone.
template <typename T>
struct UnloadSafe {
  alignas(T) unsigned char storage[sizeof(T)];
  T* object;

  T& Get() {
    if (object == nullptr) object = new (storage) T();
    return *object;
  }
  // The object if it is alive, else null; builds nothing.
  T* Peek() const { return object; }
  void Unload() {
    T* dying = object;
    object = nullptr;
    if (dying != nullptr) dying->~T();
  }
};

}  // namespace kx::detail
