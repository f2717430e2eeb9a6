#pragma once
// DT_Double: a double-precision value object with tolerance comparisons, rounding and text forms.
//
// Every comparison of computed doubles in the library goes through the tolerance operations here.
// Lik(x, t) holds when x - t < value < x + t, both strict and each bound computed in double: t is
// always explicit, and an accuracy of 0 or less never matches (not even x == value). The other
// comparisons are built on Lik:
//   StorreEllerLik(x, t)  value > x, or Lik(x, t)        (greater or equal)
//   MindreEllerLik(x, t)  value < x, or Lik(x, t)        (less or equal)
//   StorreEnn(x, t)       not MindreEllerLik(x, t)       (greater)
//   MindreEnn(x, t)       not StorreEllerLik(x, t)       (less)
//   CompareWith(x, t)     0 when Lik(x, t), else 1 when value > x, else -1
// A NaN on either side makes Lik, StorreEllerLik and MindreEllerLik 0, so StorreEnn and MindreEnn
// are 1 and CompareWith is -1. An infinite value is never Lik anything, itself included.
//
// Dispatch: the comparisons built on Lik call it through the virtual table, so a class that
// redefines Lik(double, double) changes StorreEllerLik, MindreEllerLik, StorreEnn, MindreEnn and
// CompareWith with it. The forms that take a DT_Double* are different: Lik, StorreEllerLik and
// MindreEllerLik(DT_Double*, t) call DT_Double's own double form directly (never a
// redefinition of it), while StorreEnn and MindreEnn(DT_Double*, t) call the virtual
// MindreEllerLik and StorreEllerLik(DT_Double*, t). A null DT_Double* makes Lik,
// StorreEllerLik and MindreEllerLik 0, hence StorreEnn and MindreEnn 1.
//
// Integer arguments: a literal 0 converts equally well to a double and to a DT_Double*, so the
// value-or-object operations also take integers (see kx::IfInteger) and treat them as numbers:
// d.Lik(0, 1e-9), d.Init(0) and DT_Double(0) compare with, set and hold 0.0. A null object is
// written nullptr (or a typed null pointer); NULL stays ambiguous where the compiler allows telling
// it apart (g++, clang). Init(nullptr) is ambiguous too, on purpose: a null object and a null text
// fail differently, so the caller says which one is meant.
//
// Every operation that changes the value (Init in all forms, InitRel, InitMult, InitDiv,
// SnuFortegn when it flips, RundAv when it rounds, Les when it reads, Quotient and Remainder when
// they take a value) calls the virtual UtforEtterInit once, after the value is stored; nothing
// else calls it (not the constructors, assignment, or an operation that fails).

#include "kx/numbers/DT_Desimaltall.h"

class KX_API DT_Double : public DT_Desimaltall {
 public:
  // value, two decimals shown (implicit, so DT_Double d = 2.5; works).
  DT_Double(double value);
  template <typename I, kx::IfInteger<I> = 0>
  DT_Double(I value) : DT_Double(static_cast<double>(value)) {}
  // The other's value (only the value: two decimals shown), 0.0 for null; the default constructor.
  explicit DT_Double(const DT_Double* other = nullptr);
  ~DT_Double() override;
  // Identity: -1 and "DT_Double".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The value.
  double Get() const;
  // The magnitude of the value; the object is not changed.
  double Abs() const;
  // The value as float, rounded to the nearest float. Values beyond the float range (about
  // +-3.4e38) become +-infinity (within half a float step of the largest float: that float), and a
  // NaN stays a NaN.
  float SomFloat() const;

  using DT_Tall::Init;
  using DT_Tall::SomChar;
  // Sets the value; 1.
  int Init(double value);
  template <typename I, kx::IfInteger<I> = 0>
  int Init(I value) {
    return Init(static_cast<double>(value));
  }
  // Sets the other's value; null gives 0 with the value and the last error code unchanged.
  int Init(const DT_Double* other);
  // Sets the value read from the start of text as the C library reads a double (strtod): text
  // that is no number gives 0.0 and still succeeds, so "12abc" gives 12.0. Null text: 0 with last
  // error code -1, value unchanged.
  int Init(char* text) override;

  // Adds d (value + d); 1. The object form: null gives 0, nothing changed, no error code.
  int InitRel(double d);
  template <typename I, kx::IfInteger<I> = 0>
  int InitRel(I d) {
    return InitRel(static_cast<double>(d));
  }
  int InitRel(const DT_Double* other);
  // Multiplies by d; 1. The object form: null gives 0, nothing changed, no error code.
  int InitMult(double d);
  template <typename I, kx::IfInteger<I> = 0>
  int InitMult(I d) {
    return InitMult(static_cast<double>(d));
  }
  int InitMult(const DT_Double* other);
  // Divides by d; 1. d exactly 0.0 (or -0.0) gives 0 with last error code -1, value unchanged. A
  // NaN or infinite d divides as IEEE division does. The object form: null gives 0 with last
  // error code -2.
  int InitDiv(double d);
  template <typename I, kx::IfInteger<I> = 0>
  int InitDiv(I d) {
    return InitDiv(static_cast<double>(d));
  }
  int InitDiv(const DT_Double* other);

  // The value as text, in a 512-byte buffer shared by every DT_Double (and every class derived
  // from it) and overwritten by the next SomChar of any of them: copy the text to keep it. Without
  // fmt the value is shown fixed-point with AntDesimalerSomVises() decimals ("%.2lf" by default; no
  // decimal point for 0). With fmt the value is formatted by the printf rules; fmt must read the
  // value with exactly one of the conversions f F e E g G a A (optionally with flags, width,
  // precision and the length l or L) and may hold any other text and "%%". Any other format (an
  // integer or text conversion, '*', two conversions, a lone '%', a width or precision above 511)
  // gives an empty text and last error code -1. The text is cut at 511 characters.
  char* SomChar(char* fmt = nullptr) override;
  // The number of significant decimals of the value shown with six decimals ("%f"): the digits
  // after the point up to the last one that is not 0, so 0 to 6; 0 for NaN and infinities. So
  // 3.14 gives 2, 0.1234567 gives 6 and 1e-7 gives 0.
  int Decimals() const;

  // Reads the value through the current host interface (which must be an IO_Enhet): with a prompt,
  // prints the prompt (unchanged), then " <current value>" (SomChar()) when showCurrent is not 0,
  // then " : ", and reads with LesTall(double*). Returns 1 when a number was read (LesTall answered
  // above 0). Returns 0 with the value unchanged when the read fails (an answer of 0 or below) or
  // when the host interface is not an IO_Enhet.
  int Les(const char* prompt = nullptr, int showCurrent = 0);

  // Sign change; always 1. dir 1 asks for a value that is not negative, dir -1 for one that is not
  // positive: the value is negated when it has the other sign. Any other dir always negates.
  virtual int SnuFortegn(int dir);

  // The tolerance comparisons (see above), with accuracy t > 0 in the unit of the value. These are
  // the slots a derived class redefines.
  virtual int Lik(DT_Double* other, double t);
  virtual int Lik(double x, double t);
  virtual int StorreEllerLik(DT_Double* other, double t);
  virtual int StorreEllerLik(double x, double t);
  virtual int MindreEllerLik(DT_Double* other, double t);
  virtual int MindreEllerLik(double x, double t);
  virtual int StorreEnn(DT_Double* other, double t);
  virtual int StorreEnn(double x, double t);
  virtual int MindreEnn(DT_Double* other, double t);
  virtual int MindreEnn(double x, double t);

  // The same comparisons on const objects, with constant other objects, and with integers (taken
  // as numbers): each calls the virtual member above, which does not change the object.
  int Lik(const DT_Double* other, double t) const { return Self()->Lik(Mutable(other), t); }
  int Lik(double x, double t) const { return Self()->Lik(x, t); }
  int StorreEllerLik(const DT_Double* other, double t) const {
    return Self()->StorreEllerLik(Mutable(other), t);
  }
  int StorreEllerLik(double x, double t) const { return Self()->StorreEllerLik(x, t); }
  int MindreEllerLik(const DT_Double* other, double t) const {
    return Self()->MindreEllerLik(Mutable(other), t);
  }
  int MindreEllerLik(double x, double t) const { return Self()->MindreEllerLik(x, t); }
  int StorreEnn(const DT_Double* other, double t) const {
    return Self()->StorreEnn(Mutable(other), t);
  }
  int StorreEnn(double x, double t) const { return Self()->StorreEnn(x, t); }
  int MindreEnn(const DT_Double* other, double t) const {
    return Self()->MindreEnn(Mutable(other), t);
  }
  int MindreEnn(double x, double t) const { return Self()->MindreEnn(x, t); }
  template <typename I, kx::IfInteger<I> = 0>
  int Lik(I x, double t) {
    return Lik(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int Lik(I x, double t) const {
    return Self()->Lik(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int StorreEllerLik(I x, double t) {
    return StorreEllerLik(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int StorreEllerLik(I x, double t) const {
    return Self()->StorreEllerLik(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int MindreEllerLik(I x, double t) {
    return MindreEllerLik(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int MindreEllerLik(I x, double t) const {
    return Self()->MindreEllerLik(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int StorreEnn(I x, double t) {
    return StorreEnn(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int StorreEnn(I x, double t) const {
    return Self()->StorreEnn(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int MindreEnn(I x, double t) {
    return MindreEnn(static_cast<double>(x), t);
  }
  template <typename I, kx::IfInteger<I> = 0>
  int MindreEnn(I x, double t) const {
    return Self()->MindreEnn(static_cast<double>(x), t);
  }

  // Rounds the value to a whole multiple of unit; 1. mode 0 rounds up, every other mode down; a
  // value within 1e-6 units of a multiple on the far side counts as that multiple (mode 0:
  // ceil(v / unit - 1e-6), else floor(v / unit + 1e-6), times unit). A negative unit mirrors the
  // direction. unit exactly 0.0: 1, nothing changed. A NaN or infinite unit, or a unit so small
  // that v / unit overflows, gives 0 with last error code -1 and the value unchanged.
  virtual int RundAv(double unit, int mode);

  // -1, 0 or 1 as above. The object form reports a null other through Error1
  // ("DT_Double::CompareWith( DT_Double *aDouble, double Accuracy )\nArgument aDouble = NULL") and
  // returns 0; it is not const, since reporting goes through the object.
  int CompareWith(double x, double t) const;
  // Not const either: a const and a non-const candidate would tie on a literal 0.
  template <typename I, kx::IfInteger<I> = 0>
  int CompareWith(I x, double t) {
    return CompareWith(static_cast<double>(x), t);
  }
  int CompareWith(const DT_Double* other, double t);

  // The whole part of the value (of x, stored first, when useX is not 0), with the sign of the
  // value; a fraction within 1e-9 below 1 counts as 1, so 7.9999999999 gives 8 (but -7.9999999999
  // gives -7: only a fraction near +1 is taken up). The object form: null splits the own value,
  // otherwise the other's value is stored and split.
  double Quotient(double x, int useX);
  double Quotient(const DT_Double* other);
  // The fraction that Quotient leaves: 0 or negative for a negative value, and 0.0 where Quotient
  // took a fraction up to 1.
  double Remainder(double x, int useX);
  double Remainder(const DT_Double* other);

 private:
  // The const forms call the virtual comparisons, which read the object and change nothing.
  DT_Double* Self() const { return const_cast<DT_Double*>(this); }
  static DT_Double* Mutable(const DT_Double* other) { return const_cast<DT_Double*>(other); }

  double value_;
};
