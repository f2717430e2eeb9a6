#include "kx/numbers/DT_Longint.h"

#include "foundation/Format.h"
#include "foundation/Host.h"
#include "numbers/NumberText.h"

DT_Longint::DT_Longint(long value) : value_(kx::detail::Low32(value)) {}

DT_Longint::DT_Longint(const DT_Longint* other) : value_(other != nullptr ? other->value_ : 0) {}

int DT_Longint::KlasseType() const { return -1; }

char* DT_Longint::KlasseNavn() const {
  static char name[] = "DT_Longint";
  return name;
}

DT_Longint::~DT_Longint() = default;

long DT_Longint::Get() const { return value_; }

int DT_Longint::Init(long value) {
  value_ = kx::detail::Low32(value);
  UtforEtterInit();
  return 1;
}

int DT_Longint::Init(const DT_Longint* other) {
  if (other == nullptr) return 0;
  return Init(static_cast<long>(other->value_));
}

int DT_Longint::Init(char* text) {
  if (text == nullptr) return ErrorKode(-1);
  return Init(static_cast<long>(kx::detail::ParseInt32(text)));
}

// Both terms are reduced to 32 bits first, so the 64-bit sum cannot overflow and its low 32 bits
// are the 32-bit sum.
int DT_Longint::InitRel(long d) {
  return Init(
      static_cast<long>(kx::detail::Low32(static_cast<long long>(value_) + kx::detail::Low32(d))));
}

int DT_Longint::InitRel(const DT_Longint* other) {
  if (other == nullptr) return 0;
  return InitRel(static_cast<long>(other->value_));
}

char* DT_Longint::SomChar(char* fmt) {
  static char text[kx::detail::kTextBufferSize];
  if (!kx::detail::FormatInteger(text, sizeof text, fmt != nullptr ? fmt : "%ld", value_)) {
    ErrorKode(-1);
  }
  return text;
}

int DT_Longint::Les(const char*, int) {
  kx::detail::ShowApplicationMessage("DT_Longint::Les is not implemented (LBA).");
  return 1;
}
