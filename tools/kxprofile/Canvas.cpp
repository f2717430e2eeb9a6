#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace kx::tool {

const InkStyle& InkStyleOf(Ink ink) {
  // Indexed by Ink. Strokes: the designed line is the heaviest; the vertex polygon is thin and
  // dashed, as road drawings show the construction lines.
  static const InkStyle kStyles[] = {
      {"design", 0.50, false, 0x000000, 7},  {"polygon", 0.18, true, 0x707070, 8},
      {"tangent", 0.25, false, 0xC00000, 1}, {"vertex", 0.25, false, 0x707070, 8},
      {"axis", 0.25, false, 0x000000, 7},    {"band", 0.18, false, 0x000000, 7},
      {"label", 0.0, false, 0x000000, 7},    {"grade", 0.0, false, 0x0050A0, 5},
      {"title", 0.0, false, 0x000000, 7},
  };
  return kStyles[static_cast<int>(ink)];
}

Point CurveShape::At(double u) const {
  if (elliptic) {
    const double t = t0 + u * (t1 - t0);
    return {centre.x + rx * std::cos(t), centre.y + ry * std::sin(t)};
  }
  const double a = (1.0 - u) * (1.0 - u), b = 2.0 * u * (1.0 - u), c = u * u;
  return {a * start.x + b * control.x + c * end.x, a * start.y + b * control.y + c * end.y};
}

int CurveShape::Pieces() const {
  constexpr double kTolerance = 0.05;  // mm between the curve and a chord
  double n;
  if (elliptic) {
    // A chord of an arc of angle h on a radius r lies at most r·h²/8 from it.
    n = std::abs(t1 - t0) * std::sqrt(std::max(rx, ry) / (8.0 * kTolerance));
  } else {
    // A quadratic Bezier's second derivative is 2(S - 2C + E): a chord over 1/n of the parameter
    // lies at most |S - 2C + E| / (4n²) from it.
    const double bend =
        std::hypot(start.x - 2.0 * control.x + end.x, start.y - 2.0 * control.y + end.y);
    n = std::sqrt(bend / (4.0 * kTolerance));
  }
  if (!(n < 1024.0)) return 1024;  // also a NaN
  return std::max(8, static_cast<int>(std::ceil(n)));
}

}  // namespace kx::tool
