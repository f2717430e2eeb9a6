#pragma once
// Text in and out for the number classes: the shared checks behind SomChar and Init(const char*),
// and the interactive reading of DT_Double and DT_Int.

#include <cstddef>
#include <cstdint>

#include "kx/foundation/HovedObjekt.h"
#include "kx/foundation/IO_Enhet.h"

namespace kx::detail {

// Formats value with a caller's printf format into buffer (size bytes, cut at size - 1
// characters). The format must read the value with at most one conversion of the value's kind
// (floating: f F e E g G a A with no length, l or L; integer: d i o u x X with no length, hh, h, l
// or ll); it may hold flags, a width, a precision, other text and "%%". The integer is passed with
// the width the length asks for. A format that would read anything else ('*', a text or pointer
// conversion, %n, a second conversion, a lone '%') or has a width or precision above 511 (more
// than the buffers hold, and slow to format) is refused: buffer becomes "" and the result is false.
bool FormatFloating(char* buffer, std::size_t size, const char* fmt, double value);
bool FormatInteger(char* buffer, std::size_t size, const char* fmt, std::int32_t value);

// The integer at the start of text as atoi/atol read it (leading blanks, a sign, decimal digits;
// 0 when there is none), limited to the 32-bit range as the 32-bit conversions limit it.
std::int32_t ParseInt32(const char* text);

// A 64-bit integer's low 32 bits, as a signed value (no overflow: done in unsigned arithmetic).
std::int32_t Low32(long long value);

// The prompt of a number's Les: with a prompt, prints it unchanged (it is not used as a format),
// then " <current>" when current is not null, then " : ", through the object's Printf. Without a
// prompt prints nothing.
void ShowPrompt(HovedObjekt& object, const char* prompt, const char* current);

// A number's Les: asks the object's I/O device (IOEnhet; none when the current host interface is
// not an IO_Enhet: false), shows the prompt with currentText() when showCurrent is not 0, and reads
// with the device's LesTall straight into value. An answer above 0 is a number read (1 by the
// library's convention; a host that forwards its CAD system's status codes answers a positive code
// too). On a failed read value is put back as it was, so nothing changed. True when read.
template <typename Value, typename CurrentText>
bool ReadNumber(HovedObjekt& object, Value& value, const char* prompt, int showCurrent,
                CurrentText currentText) {
  IO_Enhet* device = object.IOEnhet();
  if (device == nullptr) return false;
  ShowPrompt(object, prompt, prompt != nullptr && showCurrent != 0 ? currentText() : nullptr);
  const Value kept = value;
  if (device->LesTall(&value) > 0) return true;
  value = kept;
  return false;
}

}  // namespace kx::detail
