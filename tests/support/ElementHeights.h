#pragma once
// The profile height computed step by step with the library's geometry objects (B_Sirkel2, B_Linje,
// QP_LinjePaalegg::CalculateTangPoints), one object per step: the reference that the tests and
// benchmarks hold QP_LinjePaalegg::HoydeIProfil to, bit for bit and code for code. HoydeIProfil
// runs the same walk (src/profile/HeightWalk.h) on plain doubles.

class DT_Double;
class QP_LinjePaalegg;

namespace kx::test {

// HoydeIProfil's result, height and last error code, computed with the geometry objects.
int HeightWithElements(QP_LinjePaalegg& profile, DT_Double* height, const DT_Double* chainage);

}  // namespace kx::test
