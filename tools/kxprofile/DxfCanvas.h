#pragma once
// DXF (AutoCAD R12, plain text) written by our own code, byte for byte the same for the same
// drawing: LINE, POLYLINE and TEXT entities in drawing units (millimetres of the page, y upwards
// from the page's bottom edge), one layer per Ink with its colour and line type (DASHED for the
// vertex polygon). A curve becomes a polyline that follows it within 0.05 mm.

#include <string>

#include "Canvas.h"

namespace kx::tool {

class DxfCanvas : public Canvas {
 public:
  DxfCanvas(double width, double height);  // mm

  void Line(Point a, Point b, Ink ink) override;
  void Polyline(const std::vector<Point>& points, bool closed, Ink ink) override;
  void Curve(const CurveShape& curve, Ink ink) override;
  void Text(Point at, const std::string& text, const TextStyle& style, Ink ink) override;

  std::string Document() const;

 private:
  void Group(int code, const std::string& value);
  void Group(int code, double value);
  void Coordinates(int code, Point p);  // code, code + 10 and code + 20 (x, y, z)

  double width_, height_;
  std::string entities_;
};

}  // namespace kx::tool
