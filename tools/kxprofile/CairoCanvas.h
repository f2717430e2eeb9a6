#pragma once
// The drawing through cairo, for PNG and PDF. The canvas draws on a cairo context whose user space
// is the page in millimetres.

#include <string>

#include "Canvas.h"

typedef struct _cairo cairo_t;

namespace kx::tool {

class CairoCanvas : public Canvas {
 public:
  explicit CairoCanvas(cairo_t* cr);

  void Line(Point a, Point b, Ink ink) override;
  void Polyline(const std::vector<Point>& points, bool closed, Ink ink) override;
  // A parabola as the cubic Bezier equal to its quadratic one; a circle's arc as a unit circle
  // arc under the scales rx and ry (the path is built scaled, and stroked unscaled).
  void Curve(const CurveShape& curve, Ink ink) override;
  void Text(Point at, const std::string& text, const TextStyle& style, Ink ink) override;

 private:
  void Stroke(Ink ink);
  cairo_t* cr_;
};

class ProfileDrawing;

// Renders the drawing into a PNG file of pixelsPerMm pixels a millimetre, or into a PDF file.
// "" on success, else the reason.
std::string WritePng(const ProfileDrawing& drawing, const std::string& path, double pixelsPerMm);
std::string WritePdf(const ProfileDrawing& drawing, const std::string& path);

}  // namespace kx::tool
