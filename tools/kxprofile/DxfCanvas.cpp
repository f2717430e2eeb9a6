#include "DxfCanvas.h"

#include <cstdio>
#include <iterator>

#include "Text.h"

namespace kx::tool {
namespace {

void Append(std::string& to, int code, const std::string& value) {
  char text[8];
  std::snprintf(text, sizeof text, "%3d\n", code);
  to += text + value + "\n";
}

}  // namespace

DxfCanvas::DxfCanvas(double width, double height) : width_(width), height_(height) {}

void DxfCanvas::Group(int code, const std::string& value) { Append(entities_, code, value); }

void DxfCanvas::Group(int code, double value) { Group(code, Fixed(value, 3)); }

void DxfCanvas::Coordinates(int code, Point p) {
  Group(code, p.x);
  Group(code + 10, height_ - p.y);
  Group(code + 20, 0.0);
}

void DxfCanvas::Line(Point a, Point b, Ink ink) {
  Group(0, "LINE");
  Group(8, InkStyleOf(ink).name);
  Coordinates(10, a);
  Coordinates(11, b);
}

void DxfCanvas::Polyline(const std::vector<Point>& points, bool closed, Ink ink) {
  const std::string layer = InkStyleOf(ink).name;
  Group(0, "POLYLINE");
  Group(8, layer);
  Group(66, "1");
  Coordinates(10, {0.0, height_});
  Group(70, closed ? "1" : "0");
  for (const Point& p : points) {
    Group(0, "VERTEX");
    Group(8, layer);
    Coordinates(10, p);
  }
  Group(0, "SEQEND");
  Group(8, layer);
}

void DxfCanvas::Curve(const CurveShape& curve, Ink ink) {
  const int pieces = curve.Pieces();
  std::vector<Point> points;
  for (int k = 0; k <= pieces; ++k) points.push_back(curve.At(static_cast<double>(k) / pieces));
  Polyline(points, false, ink);
}

void DxfCanvas::Text(Point at, const std::string& text, const TextStyle& style, Ink ink) {
  Group(0, "TEXT");
  Group(8, InkStyleOf(ink).name);
  Coordinates(10, at);
  // DXF's text height is the height of a capital, about 0.72 of the em size.
  Group(40, style.size * 0.72);
  Group(1, text);
  if (style.angle != 0.0) Group(50, style.angle);
  if (style.anchor != Anchor::Start) {
    Group(72, style.anchor == Anchor::Middle ? "1" : "2");
    Coordinates(11, at);
  }
}

std::string DxfCanvas::Document() const {
  std::string dxf;
  const auto group = [&dxf](int code, const std::string& value) { Append(dxf, code, value); };
  group(0, "SECTION"), group(2, "HEADER");
  group(9, "$ACADVER"), group(1, "AC1009");
  group(9, "$INSUNITS"), group(70, "4");  // millimetres
  group(9, "$EXTMIN"), group(10, "0.000"), group(20, "0.000"), group(30, "0.000");
  group(9, "$EXTMAX"), group(10, Fixed(width_, 3)), group(20, Fixed(height_, 3)),
      group(30, "0.000");
  group(0, "ENDSEC");

  group(0, "SECTION"), group(2, "TABLES");
  group(0, "TABLE"), group(2, "LTYPE"), group(70, "2");
  group(0, "LTYPE"), group(2, "CONTINUOUS"), group(70, "0"), group(3, "Solid line");
  group(72, "65"), group(73, "0"), group(40, "0.000");
  group(0, "LTYPE"), group(2, "DASHED"), group(70, "0"), group(3, "Dashed __ __ __");
  group(72, "65"), group(73, "2"), group(40, Fixed(kDashOn + kDashOff, 3));
  group(49, Fixed(kDashOn, 3)), group(49, Fixed(-kDashOff, 3));
  group(0, "ENDTAB");
  group(0, "TABLE"), group(2, "LAYER"), group(70, std::to_string(std::size(kInks)));
  for (const Ink ink : kInks) {
    const InkStyle& s = InkStyleOf(ink);
    group(0, "LAYER"), group(2, s.name), group(70, "0");
    group(62, std::to_string(s.dxfColour)), group(6, s.dashed ? "DASHED" : "CONTINUOUS");
  }
  group(0, "ENDTAB");
  group(0, "ENDSEC");

  group(0, "SECTION"), group(2, "ENTITIES");
  dxf += entities_;
  group(0, "ENDSEC");
  group(0, "EOF");
  return dxf;
}

}  // namespace kx::tool
