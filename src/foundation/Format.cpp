#include "foundation/Format.h"

#include <cstdio>
#include <cstring>

namespace kx::detail {

char* FormatV(char* buffer, std::size_t size, const char* fmt, va_list args) {
  if (size == 0) return buffer;
  buffer[0] = '\0';
  if (fmt == nullptr) return buffer;
  // vsnprintf never writes more than size bytes and terminates what it writes.
  if (std::vsnprintf(buffer, size, fmt, args) < 0) buffer[0] = '\0';
  return buffer;
}

char* Format(char* buffer, std::size_t size, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  FormatV(buffer, size, fmt, args);
  va_end(args);
  return buffer;
}

char* CopyBounded(char* buffer, std::size_t size, const char* src) {
  if (size == 0) return buffer;
  if (src == nullptr) src = "";
  std::size_t n = 0;
  while (n + 1 < size && src[n] != '\0') ++n;
  std::memcpy(buffer, src, n);
  buffer[n] = '\0';
  return buffer;
}

}  // namespace kx::detail
