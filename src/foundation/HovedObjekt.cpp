#include "kx/foundation/HovedObjekt.h"

#include <cstdarg>
#include <cstdint>

#include "foundation/Format.h"
#include "kx/foundation/IO_Enhet.h"
#include "kx/foundation/KxBasicAPI.h"

namespace {

// Process-wide object counters: signed 32 bits, zero when the library is loaded, unguarded.
// They wrap as 32-bit counters do (raised through unsigned arithmetic, so wrapping is defined).
std::int32_t gCreated = 0;
std::int32_t gDeleted = 0;

void Raise(std::int32_t& counter) {
  counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1u);
}

std::int32_t Difference() {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(gCreated) -
                                   static_cast<std::uint32_t>(gDeleted));
}

constexpr int kMainObjectClassType = 100;

}  // namespace

HovedObjekt::HovedObjekt() {
  Raise(gCreated);
  ClassType(kMainObjectClassType);
}

HovedObjekt::HovedObjekt(const HovedObjekt& other) : KxBaseClass(other) { Raise(gCreated); }

HovedObjekt::~HovedObjekt() { Raise(gDeleted); }

int HovedObjekt::KlasseType() const { return 0; }

char* HovedObjekt::KlasseNavn() const {
  static char name[] = "HovedObjekt";
  return name;
}

long HovedObjekt::DebugMode(long mode) { return DebugFuncMode(mode); }

char* HovedObjekt::GetTekstNr(long number, char* buffer) {
  return API(nullptr)->API_GetText(number, buffer);
}

int HovedObjekt::SkrivUtObj() { return 1; }

int HovedObjekt::LesCharStreng(char* buffer) {
  KxBasicAPI* api = API(nullptr);
  if (api == nullptr) return ErrorKode(0);
  return api->API_GetStr(buffer);
}

int HovedObjekt::ErrorKode(int code) { return ErrCode(code); }

IO_Enhet* HovedObjekt::IOEnhet(IO_Enhet* api) {
  // Only an IO_Enhet offers the reading operations (LesTall) that callers of IOEnhet use; a plain
  // KxBasicAPI answers null here rather than being handed out under the wrong type.
  return dynamic_cast<IO_Enhet*>(API(api));
}

namespace {

// Error1 and Error2: the formatted text in an error box titled "Message"; always 0, the last error
// code untouched. A null format shows nothing.
int ShowError(HovedObjekt& object, const char* fmt, va_list args) {
  if (fmt == nullptr) return 0;
  char text[kx::detail::kTextBufferSize];
  kx::detail::FormatV(text, sizeof text, fmt, args);
  object.ErrBox("Message", "%s", text);
  return 0;
}

}  // namespace

int HovedObjekt::Error1(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  ShowError(*this, fmt, args);
  va_end(args);
  return 0;
}

int HovedObjekt::Error2(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  ShowError(*this, fmt, args);
  va_end(args);
  return 0;
}

void HovedObjekt::VisObjektTellere() {
  Printf("\n[Obj Created=%10ld, Obj Deleted=%10ld,  Diff=%10ld]", static_cast<long>(gCreated),
         static_cast<long>(gDeleted), static_cast<long>(Difference()));
}

int HovedObjekt::VisMsgHvisObjektTellereUlike(const char* userMessage) {
  if (gCreated == gDeleted) return 1;
  MsgBox("Message", "Objects created  = %ld \nObjects deleted  = %ld \nDifference       = %ld\n%s",
         static_cast<long>(gCreated), static_cast<long>(gDeleted), static_cast<long>(Difference()),
         userMessage != nullptr ? userMessage : "No usermessage.");
  return ErrorKode(-1);
}

void HovedObjekt::NullstillObjektTellere() {
  gCreated = 0;
  gDeleted = 0;
}
