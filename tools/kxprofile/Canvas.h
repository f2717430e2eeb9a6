#pragma once
// The drawing surface of kxprofile: four primitives (line, polyline, curve, text) on a page
// measured in millimetres, x to the right and y down from the top left corner. The profile drawing
// is laid out once and drawn on any backend: SVG and DXF written by our own code, PNG and PDF
// through cairo.

#include <string>
#include <vector>

namespace kx::tool {

// A point on the page, millimetres.
struct Point {
  double x, y;
};

// What a stroke or a text shows; each backend maps it to its width, dash, colour (and DXF layer)
// through InkStyleOf.
enum class Ink { Design, Polygon, Tangent, Vertex, Axis, Band, Label, Grade, Title };
inline constexpr Ink kInks[] = {Ink::Design, Ink::Polygon, Ink::Tangent, Ink::Vertex, Ink::Axis,
                                Ink::Band,   Ink::Label,   Ink::Grade,   Ink::Title};

struct InkStyle {
  const char* name;  // SVG class and DXF layer
  double width;      // stroke width, mm
  bool dashed;
  unsigned rgb;   // 0xRRGGBB
  int dxfColour;  // AutoCAD colour index
};
const InkStyle& InkStyleOf(Ink ink);
// The dash pattern of dashed strokes: drawn, then gap, mm.
inline constexpr double kDashOn = 2.0;
inline constexpr double kDashOff = 1.2;

enum class Anchor { Start, Middle, End };

struct TextStyle {
  double size;                    // em size, mm
  Anchor anchor = Anchor::Start;  // where the point lies on the baseline
  double angle = 0.0;             // degrees, counter-clockwise on the page
};

// A vertical curve as it lies on the page. Under unequal horizontal and vertical scales a parabola
// with a vertical axis stays a parabola and is exactly the quadratic Bezier from its start to its
// end with the vertex (where its two tangents meet) as control point; a circle becomes an ellipse
// with semi-axes R·sx and R·sy, of which the curve is the arc (cx + rx·cos t, cy + ry·sin t) for t
// from t0 to t1.
struct CurveShape {
  bool elliptic = false;
  Point start{}, end{};
  Point control{};  // the parabola's control point
  Point centre{};   // the ellipse
  double rx = 0.0, ry = 0.0, t0 = 0.0, t1 = 0.0;

  // The point at u in [0, 1] along the curve (0 the start, 1 the end).
  Point At(double u) const;
  // How many straight pieces follow the curve within about 0.05 mm (at least 8, at most 1024).
  int Pieces() const;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void Line(Point a, Point b, Ink ink) = 0;
  virtual void Polyline(const std::vector<Point>& points, bool closed, Ink ink) = 0;
  virtual void Curve(const CurveShape& curve, Ink ink) = 0;
  virtual void Text(Point at, const std::string& text, const TextStyle& style, Ink ink) = 0;
};

}  // namespace kx::tool
