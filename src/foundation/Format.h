#pragma once
// Bounded text formatting and copying, shared by every class that formats messages.

#include <cstdarg>
#include <cstddef>

namespace kx::detail {

// The size of the library's message and formatting buffers, terminator included.
inline constexpr std::size_t kTextBufferSize = 512;

// Formats fmt with args by the printf rules into buffer (size bytes). A longer result is cut at
// size - 1 characters; the buffer is always terminated. Returns buffer.
char* FormatV(char* buffer, std::size_t size, const char* fmt, va_list args);
char* Format(char* buffer, std::size_t size, const char* fmt, ...)
#if defined(__GNUC__) || defined(__clang__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

// Copies src into buffer (size bytes), cut at size - 1 characters; a null src gives "".
char* CopyBounded(char* buffer, std::size_t size, const char* src);

// A constant text handed to a virtual member whose slot takes `char*` (the host-overridable
// signature); those members never write through it.
inline char* Mutable(const char* text) { return const_cast<char*>(text); }

// The format that passes an already formatted text through a printf-style member unchanged.
inline char* AsIs() { return Mutable("%s"); }

}  // namespace kx::detail

// Formats the variadic arguments that follow fmt in the calling function into the array buffer
// (cut at its size - 1 characters). For the library's variadic "format and pass on" members.
#define KX_FORMAT_VARARGS(buffer, fmt)                                   \
  do {                                                                   \
    va_list kx_format_args_;                                             \
    va_start(kx_format_args_, fmt);                                      \
    ::kx::detail::FormatV(buffer, sizeof(buffer), fmt, kx_format_args_); \
    va_end(kx_format_args_);                                             \
  } while (0)
