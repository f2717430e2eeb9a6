#pragma once
// The profile height computed step by step with the library's geometry objects (B_Sirkel2, B_Linje,
// QP_LinjePaalegg::CalculateTangPoints), one object per step.
//
// Internal to the profile: QP_LinjePaalegg::HoydeIProfil runs the same walk on plain doubles, and
// the library's own tests and benchmarks hold it to this form, bit for bit and code for code. The
// header is here only so that they can reach it.

#include "kx/foundation/Export.h"

class DT_Double;
class QP_LinjePaalegg;

namespace kx::detail {

// HoydeIProfil's result, height and last error code, computed with the geometry objects.
KX_API int HeightWithElements(QP_LinjePaalegg& profile, DT_Double* height,
                              const DT_Double* chainage);

}  // namespace kx::detail
