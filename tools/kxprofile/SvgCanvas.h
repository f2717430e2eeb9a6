#pragma once
// SVG written by our own code, byte for byte the same for the same drawing: every number with two
// decimals (0.01 mm), no dates, no generator comment. Strokes and fills come from a style sheet
// with one class per Ink.

#include <string>

#include "Canvas.h"

namespace kx::tool {

class SvgCanvas : public Canvas {
 public:
  SvgCanvas(double width, double height);  // mm

  void Line(Point a, Point b, Ink ink) override;
  void Polyline(const std::vector<Point>& points, bool closed, Ink ink) override;
  // A parabola as the path command Q, a circle's arc as A with the radii R·sx and R·sy.
  void Curve(const CurveShape& curve, Ink ink) override;
  void Text(Point at, const std::string& text, const TextStyle& style, Ink ink) override;

  // The whole document.
  std::string Document() const;

 private:
  void Path(const std::string& d, Ink ink);

  double width_, height_;
  std::string body_;
};

}  // namespace kx::tool
