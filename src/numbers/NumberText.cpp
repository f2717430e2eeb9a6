#include "numbers/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "foundation/Format.h"
#include "kx/foundation/HovedObjekt.h"

namespace kx::detail {

namespace {

// What a caller's format reads.
enum class Reads { Nothing, Int, Long, LongLong, Double, LongDouble, Refused };

// The widest field and the longest precision a format may ask for: the text is cut at 511
// characters anyway, and a larger one only makes printf work (for minutes at "%.2147483000f").
constexpr int kMaxField = 511;

// Skips the digits at p; false when they give a number above kMaxField.
bool SkipField(const char*& p) {
  int value = 0;
  for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
    value = std::min(value * 10 + (*p - '0'), kMaxField + 1);
  }
  return value <= kMaxField;
}

// Scans fmt for the conversions it holds. At most one is accepted, of the given kind, with a width
// and a precision of at most 511.
Reads ScanFormat(const char* fmt, bool integer) {
  Reads reads = Reads::Nothing;
  for (const char* p = fmt; *p != '\0'; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    if (reads != Reads::Nothing) return Reads::Refused;  // a second conversion
    while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr) ++p;
    if (!SkipField(p)) return Reads::Refused;
    if (*p == '.' && !SkipField(++p)) return Reads::Refused;
    // The length: 0 none, 'h' h or hh, 'l' l, 'q' ll, 'L' L.
    char length = 0;
    if (*p == 'h') {
      length = 'h';
      if (*++p == 'h') ++p;
    } else if (*p == 'l') {
      length = 'l';
      if (*++p == 'l') {
        length = 'q';
        ++p;
      }
    } else if (*p == 'L') {
      length = 'L';
      ++p;
    }
    if (*p == '\0') return Reads::Refused;  // a lone or unfinished '%'
    if (integer) {
      if (std::strchr("diouxX", *p) == nullptr || length == 'L') return Reads::Refused;
      reads = length == 'l' ? Reads::Long : length == 'q' ? Reads::LongLong : Reads::Int;
    } else {
      if (std::strchr("fFeEgGaA", *p) == nullptr || length == 'h' || length == 'q') {
        return Reads::Refused;
      }
      reads = length == 'L' ? Reads::LongDouble : Reads::Double;
    }
  }
  return reads;
}

bool Refuse(char* buffer, std::size_t size) {
  if (size > 0) buffer[0] = '\0';
  return false;
}

}  // namespace

// A format that reads nothing is given the value all the same: printf ignores arguments that the
// format does not read.
bool FormatFloating(char* buffer, std::size_t size, const char* fmt, double value) {
  switch (ScanFormat(fmt, false)) {
    case Reads::Nothing:
    case Reads::Double:
      Format(buffer, size, fmt, value);
      return true;
    case Reads::LongDouble:
      Format(buffer, size, fmt, static_cast<long double>(value));
      return true;
    default:
      return Refuse(buffer, size);
  }
}

bool FormatInteger(char* buffer, std::size_t size, const char* fmt, std::int32_t value) {
  switch (ScanFormat(fmt, true)) {
    case Reads::Nothing:
    case Reads::Int:
      Format(buffer, size, fmt, static_cast<int>(value));
      return true;
    case Reads::Long:
      Format(buffer, size, fmt, static_cast<long>(value));
      return true;
    case Reads::LongLong:
      Format(buffer, size, fmt, static_cast<long long>(value));
      return true;
    default:
      return Refuse(buffer, size);
  }
}

std::int32_t ParseInt32(const char* text) {
  // strtoll limits at the 64-bit range; the 32-bit limits follow.
  const long long read = std::strtoll(text, nullptr, 10);
  if (read > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  if (read < std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(read);
}

std::int32_t Low32(long long value) {
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(static_cast<unsigned long long>(value)));
}

void ShowPrompt(HovedObjekt& object, const char* prompt, const char* current) {
  if (prompt == nullptr) return;
  object.Printf("%s", prompt);
  if (current != nullptr) object.Printf(" <%s>", current);
  object.Printf(" : ");
}

}  // namespace kx::detail
