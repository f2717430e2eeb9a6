#include "kx/numbers/DT_Int.h"

#include <cstdint>

#include "foundation/Format.h"
#include "numbers/NumberText.h"

static_assert(sizeof(int) == sizeof(std::int32_t), "DT_Int holds a 32-bit int");

DT_Int::DT_Int(int value) : value_(value) {}

DT_Int::DT_Int(const DT_Int* other) : value_(other != nullptr ? other->value_ : 0) {}

int DT_Int::KlasseType() const { return -1; }

char* DT_Int::KlasseNavn() const {
  static char name[] = "DT_Int";
  return name;
}

DT_Int::~DT_Int() = default;

int DT_Int::Get() const { return value_; }

int DT_Int::Init(int value) {
  value_ = value;
  UtforEtterInit();
  return 1;
}

int DT_Int::Init(const DT_Int* other) {
  if (other == nullptr) return 0;
  return Init(other->value_);
}

int DT_Int::Init(char* text) {
  if (text == nullptr) return ErrorKode(-1);
  return Init(kx::detail::ParseInt32(text));
}

int DT_Int::InitRel(int d) { return Init(kx::detail::Low32(static_cast<long long>(value_) + d)); }

int DT_Int::InitRel(const DT_Int* other) {
  if (other == nullptr) return 0;
  return InitRel(other->value_);
}

char* DT_Int::SomChar(char* fmt) {
  static char text[kx::detail::kTextBufferSize];
  if (!kx::detail::FormatInteger(text, sizeof text, fmt != nullptr ? fmt : "%d", value_)) {
    ErrorKode(-1);
  }
  return text;
}

int DT_Int::Les(const char* prompt, int showCurrent) {
  if (!kx::detail::ReadNumber(*this, value_, prompt, showCurrent, [this] { return SomChar(); })) {
    return 0;
  }
  UtforEtterInit();
  return 1;
}
