#include "kx/foundation/KxBaseClass.h"

#include <cstdarg>
#include <cstdint>

#include "foundation/Format.h"
#include "foundation/Host.h"
#include "kx/foundation/FlatExports.h"
#include "kx/foundation/KxBasicAPI.h"

using kx::detail::AsIs;
using kx::detail::kTextBufferSize;
using kx::detail::Mutable;

namespace {

// Process-wide values; 32 bits, zero when the library is loaded, unguarded.
std::int32_t gDebugFuncMode = 0;
std::int32_t gSystemPlattform = 0;

// The get-or-set rule of the process-wide values: -1 reads, anything else stores and hands back
// the previous value.
long ExchangeUnlessQuery(std::int32_t& slot, long value) {
  const std::int32_t previous = slot;
  if (value != -1) slot = static_cast<std::int32_t>(value);
  return previous;
}

// Flags that ErrBox hands to the host interface (an error icon with an OK button, for the host).
constexpr long kErrorBoxFlags = 0x100001;

}  // namespace

KxBaseClass::KxBaseClass() : classType_(0) {}

KxBaseClass::~KxBaseClass() = default;

int KxBaseClass::ClassType(int type) {
  if (type != -1) classType_ = type;
  return classType_;
}

char* KxBaseClass::ClassName() {
  static char name[] = "KxBaseClass";
  return name;
}

int KxBaseClass::Printf(char* fmt, ...) {
  if (fmt == nullptr) return ErrCode(-2);
  char text[kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  return API(nullptr)->API_Printf(text);
}

int KxBaseClass::MsgBox(long flags, char* title, char* fmt, ...) {
  if (fmt == nullptr) return ErrCode(-2);
  char text[kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  return API(nullptr)->API_MessageBox(text, title, flags);
}

int KxBaseClass::MsgBox(char* title, char* fmt, ...) {
  if (fmt == nullptr) return ErrCode(-2);
  char text[kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  // Through the virtual form, so that a derived class sees every box; "%s" keeps a percent sign
  // in the formatted text from being taken as a conversion a second time.
  return MsgBox(1L, title, AsIs(), text);
}

int KxBaseClass::ErrBox(char* title, char* fmt, ...) {
  if (fmt == nullptr) return ErrCode(-2);
  char text[kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  return API(nullptr)->API_ErrorBox(text, title, kErrorBoxFlags);
}

// The constant-text forms format here and pass the text on to the virtual member as "%s", so a
// redefinition of the virtual member sees the message exactly as formatted.

int KxBaseClass::Printf(const char* fmt, ...) {
  if (fmt == nullptr) return Printf(static_cast<char*>(nullptr));
  char text[kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  return Printf(AsIs(), text);
}

int KxBaseClass::MsgBox(long flags, const char* title, const char* fmt, ...) {
  if (fmt == nullptr) return MsgBox(flags, Mutable(title), static_cast<char*>(nullptr));
  char text[kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  return MsgBox(flags, Mutable(title), AsIs(), text);
}

int KxBaseClass::MsgBox(const char* title, const char* fmt, ...) {
  if (fmt == nullptr) return MsgBox(Mutable(title), static_cast<char*>(nullptr));
  char text[kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  return MsgBox(Mutable(title), AsIs(), text);
}

int KxBaseClass::ErrBox(const char* title, const char* fmt, ...) {
  if (fmt == nullptr) return ErrBox(Mutable(title), static_cast<char*>(nullptr));
  char text[kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  return ErrBox(Mutable(title), AsIs(), text);
}

int KxBaseClass::ErrCode(int code) { return WINKMR00_ErrCode(code); }

KxBasicAPI* KxBaseClass::API(KxBasicAPI* api) {
  if (api != nullptr) {
    auto* previous = reinterpret_cast<KxBasicAPI*>(DOVERO01_GetSystemLong(2));
    DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(api));
    return previous;
  }
  return kx::detail::CurrentAPI();
}

long KxBaseClass::SystemPlattform(long value) {
  return ExchangeUnlessQuery(gSystemPlattform, value);
}

long KxBaseClass::DebugFuncMode(long mode) { return ExchangeUnlessQuery(gDebugFuncMode, mode); }
