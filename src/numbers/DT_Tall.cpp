#include "kx/numbers/DT_Tall.h"

#include "foundation/Format.h"
#include "foundation/Host.h"
#include "kx/text/Streng.h"

DT_Tall::DT_Tall() = default;

int DT_Tall::KlasseType() const { return -1; }

char* DT_Tall::KlasseNavn() const {
  static char name[] = "DT_Tall";
  return name;
}

DT_Tall::~DT_Tall() = default;

int DT_Tall::Init(char*) {
  return Error1(
      "DT_Tall::Init( char *NumberAsString ) should not be called.There has to be a virtual "
      "function i a derived class.");
}

char* DT_Tall::SomChar(char*) {
  kx::detail::ShowApplicationMessage(
      "ERROR: DT_Tall::SomChar()\n You can't call this function directly.");
  // Copied into the class's own buffer rather than handed out as a literal, so that a caller who
  // writes into the text it got (as it may with any SomChar text) writes into writable memory.
  static char text[kx::detail::kTextBufferSize];
  return kx::detail::CopyBounded(text, sizeof text, "DT_Tall=NULL");
}

int DT_Tall::Init(Streng* text) {
  if (text == nullptr) return ErrorKode(-1);
  return Init(text->Get());
}
