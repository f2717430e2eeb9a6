#pragma once
// Export macro for the kx shared library.
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
