#pragma once
// DT_Tall: the abstract root of the number objects.
//
// Numbers are library objects, not bare values: each one carries the object machinery of DataType,
// sets itself from text (Init) and gives its value as text (SomChar). DT_Tall itself holds no
// value; its two placeholders report that a derived class has to provide them.

#include <cstddef>
#include <type_traits>

#include "kx/foundation/DataType.h"

class Streng;

namespace kx {

// Enables the integer forms that the number classes add beside their floating-point and object
// forms. A literal 0 converts equally well to a double and to a pointer, so d.Lik(0, 1e-9) or
// DT_Double(0) would otherwise be ambiguous; these forms make an integer argument mean a number.
//
// One integer type is left out where the compiler's NULL has it (long on 64-bit g++ and clang,
// where NULL is __null; not where NULL is a plain 0): there d.Lik(NULL, t) stays ambiguous and the
// compiler asks whether a null object (nullptr) or the number 0.0 is meant, instead of silently
// comparing with 0.0. Values of that type still convert to double as usual; only a constant zero
// of it (0L) is ambiguous.
template <typename I>
inline constexpr bool kIsNumberArgument =
    std::is_integral_v<I> &&
    !(std::is_same_v<I, decltype(NULL)> && !std::is_same_v<decltype(NULL), int>);

template <typename I>
using IfInteger = std::enable_if_t<kIsNumberArgument<I>, int>;

}  // namespace kx

class KX_API DT_Tall : public DataType {
 public:
  DT_Tall();
  ~DT_Tall() override;
  // Identity: -1 and "DT_Tall".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Sets the value from text. Not provided here: reports "DT_Tall::Init( char *NumberAsString )
  // should not be called.There has to be a virtual function i a derived class." through Error1 and
  // returns 0.
  virtual int Init(char* NumberAsString);
  // The value as text. Not provided here: shows "ERROR: DT_Tall::SomChar()\n You can't call this
  // function directly." in the application's message box (OK button only) and returns
  // "DT_Tall=NULL". The text lies in a buffer shared by every DT_Tall; copy it to keep it.
  virtual char* SomChar(char* fmt = nullptr);

  // Init and SomChar for constant texts (literals): the virtual members above.
  template <typename C, kx::IfConstChar<C> = 0>
  int Init(C* NumberAsString) {
    return Init(const_cast<char*>(NumberAsString));
  }
  template <typename C, kx::IfConstChar<C> = 0>
  char* SomChar(C* fmt) {
    return SomChar(const_cast<char*>(fmt));
  }

  // Sets the value from a string: the virtual Init(char*) with the string's text and its
  // result. A null string gives 0 with last error code -1.
  int Init(Streng* text);
};
