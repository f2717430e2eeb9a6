#pragma once
// Export macro for the kx shared library, and the small helpers every public header shares.
//
// The library is built with hidden visibility: only what carries KX_API is exported.
// KX_BUILDING_LIBRARY is defined (privately) while the library itself is compiled.

#if defined(_WIN32) || defined(__CYGWIN__)
#if defined(KX_BUILDING_LIBRARY)
#define KX_API __declspec(dllexport)
#else
#define KX_API __declspec(dllimport)
#endif
#elif defined(__GNUC__) || defined(__clang__)
#define KX_API __attribute__((visibility("default")))
#else
#define KX_API
#endif

// Marks a printf-style member or function so that the compiler checks the arguments against the
// format. fmtIndex and firstArg count the arguments from 1; for a member function the implicit
// object is argument 1.
#if defined(__GNUC__) || defined(__clang__)
#define KX_PRINTF(fmtIndex, firstArg) __attribute__((format(printf, fmtIndex, firstArg)))
#else
#define KX_PRINTF(fmtIndex, firstArg)
#endif

#include <type_traits>

namespace kx {

// Enables the constant-text form that a class adds beside a virtual member taking `char*`:
//
//   virtual int Lik(char* s, int n, int start);
//   template <typename C, kx::IfConstChar<C> = 0>
//   int Lik(C* s, int n, int start) { return Lik(const_cast<char*>(s), n, start); }
//
// The virtual slot keeps the signature a host class overrides; the template takes literals and
// other constant texts and hands them to that slot, which never writes through the pointer. A
// literal 0 or nullptr is no `const char*` to the template, so it goes to the slot unambiguously.
template <typename C>
using IfConstChar = std::enable_if_t<std::is_same_v<C, const char>, int>;

// The same for a virtual member taking a pointer to a library object (T* other): the template takes
// a pointer to a constant T, or to a constant object of a class derived from T.
template <typename P, typename T>
using IfConstOf = std::enable_if_t<std::is_const_v<P> && std::is_base_of_v<T, std::remove_cv_t<P>>, int>;

}  // namespace kx
