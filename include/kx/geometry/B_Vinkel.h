#pragma once
// B_Vinkel: an angle in radians, counter-clockwise from the positive x axis.
//
// A DT_Double (with all its number behaviour: tolerance comparisons, Init, InitRel, text form)
// that can bring itself into [0, 2*pi) and tell whether it lies in a sector between two other
// angles. Construction never normalises.

#include "kx/numbers/DT_Double.h"

class KX_API B_Vinkel : public DT_Double {
 public:
  // The angle v, in radians (implicit, like DT_Double's).
  B_Vinkel(double v);
  template <typename I, kx::IfInteger<I> = 0>
  B_Vinkel(I v) : B_Vinkel(static_cast<double>(v)) {}
  // v's value, 0.0 for null; the default constructor.
  explicit B_Vinkel(const DT_Double* v = nullptr);
  // Copy construction and assignment copy the angle and the spare number; neither runs the hook.
  B_Vinkel(const B_Vinkel& other) = default;
  B_Vinkel& operator=(const B_Vinkel& other) = default;
  ~B_Vinkel() override;
  // Identity: -1 and "B_Vinkel".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Brings the angle into [0, 2*pi) (2*pi taken as 6.283185307179586) by whole turns; an angle
  // within 1e-9 below a whole turn becomes 0.0. Returns 1; the hook runs once when the value
  // changes. Any size of angle is brought in at once (the remainder after whole turns is exact).
  // A NaN or infinite angle has no place in a turn: 0 with last error code -1, value unchanged.
  int InitMellom0og2PI();

  // Is this angle in the sector that runs counter-clockwise from vink2 to vink1? 1 when it is (the
  // vink1 end exactly included, the vink2 end within 1e-5). With bothWays not 0, also 2 when the
  // opposite direction (this angle + pi) lies in it, or at once when the sector is wider than pi.
  // 0 when neither. All three angles may lie outside [0, 2*pi). A pass that does not decide brings
  // this angle into [0, 2*pi) (InitMellom0og2PI), so it may change when the answer is 0 or 2.
  // Null vink1 or vink2: the error box "ERROR: B_Vinkel::Mellom vink1=NULL." (or "...
  // vink2=NULL.", title "Message") and 0; the last error code is not changed. A NaN or infinite
  // angle lies in no sector: 0, with last error code -1 from the normalisation.
  int Mellom(const DT_Double* vink1, const DT_Double* vink2, int bothWays);

 private:
  DT_Double spare_;  // 0.0; kept and copied with the angle, used by no operation
};
