#include "kx/numbers/DT_Float.h"

#include <cstdlib>

#include "foundation/Format.h"
#include "foundation/Host.h"
#include "numbers/NumberText.h"

DT_Float::DT_Float(float value) : value_(value) {}

DT_Float::DT_Float(const DT_Float* other) : value_(other != nullptr ? other->value_ : 0.0f) {}

int DT_Float::KlasseType() const { return -1; }

char* DT_Float::KlasseNavn() const {
  static char name[] = "DT_Float";
  return name;
}

DT_Float::~DT_Float() = default;

float DT_Float::Get() const { return value_; }

int DT_Float::Init(float value) {
  value_ = value;
  UtforEtterInit();
  return 1;
}

int DT_Float::Init(const DT_Float* other) {
  if (other == nullptr) return 0;
  return Init(other->value_);
}

int DT_Float::Init(char* text) {
  if (text == nullptr) return ErrorKode(-1);
  return Init(static_cast<float>(std::strtod(text, nullptr)));
}

int DT_Float::InitRel(float d) { return Init(value_ + d); }

int DT_Float::InitRel(const DT_Float* other) {
  if (other == nullptr) return 0;
  return InitRel(other->value_);
}

char* DT_Float::SomChar(char* fmt) {
  static char text[kx::detail::kTextBufferSize];
  if (!kx::detail::FormatFloating(text, sizeof text, fmt != nullptr ? fmt : "%f",
                                  static_cast<double>(value_))) {
    ErrorKode(-1);
  }
  return text;
}

int DT_Float::Les(const char*, int) {
  kx::detail::ShowApplicationMessage("DT_Float::Les() is not implemented (LBA)");
  return 0;
}
