#include "SvgCanvas.h"

#include <cstdio>

#include "Text.h"

namespace kx::tool {
namespace {

std::string N(double v) { return Fixed(v, 2); }
std::string P(Point p) { return N(p.x) + " " + N(p.y); }

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Colour(unsigned rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", rgb & 0xFFFFFFu);
  return text;
}

}  // namespace

SvgCanvas::SvgCanvas(double width, double height) : width_(width), height_(height) {}

void SvgCanvas::Path(const std::string& d, Ink ink) {
  body_ += "<path class=\"" + std::string(InkStyleOf(ink).name) + "\" d=\"" + d + "\"/>\n";
}

void SvgCanvas::Line(Point a, Point b, Ink ink) { Path("M" + P(a) + " L" + P(b), ink); }

void SvgCanvas::Polyline(const std::vector<Point>& points, bool closed, Ink ink) {
  if (points.empty()) return;
  std::string d = "M" + P(points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) d += " L" + P(points[i]);
  Path(closed ? d + " Z" : d, ink);
}

void SvgCanvas::Curve(const CurveShape& c, Ink ink) {
  if (!c.elliptic) {
    Path("M" + P(c.start) + " Q" + P(c.control) + " " + P(c.end), ink);
    return;
  }
  // The arc never reaches half a turn; it runs the way the angle t runs, which on a page with y
  // downwards is SVG's positive (sweep 1) direction when t grows.
  Path("M" + P(c.start) + " A" + N(c.rx) + " " + N(c.ry) + " 0 0 " + (c.t1 > c.t0 ? "1 " : "0 ") +
           P(c.end),
       ink);
}

void SvgCanvas::Text(Point at, const std::string& text, const TextStyle& style, Ink ink) {
  static const char* const kAnchor[] = {"", " text-anchor=\"middle\"", " text-anchor=\"end\""};
  body_ += "<text class=\"" + std::string(InkStyleOf(ink).name) + "\" x=\"" + N(at.x) + "\" y=\"" +
           N(at.y) + "\" font-size=\"" + N(style.size) + "\"" +
           kAnchor[static_cast<int>(style.anchor)];
  // SVG turns clockwise on its downward y axis: the page's counter-clockwise angle is negated.
  if (style.angle != 0.0) body_ += " transform=\"rotate(" + N(-style.angle) + " " + P(at) + ")\"";
  body_ += ">" + Escaped(text) + "</text>\n";
}

std::string SvgCanvas::Document() const {
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + N(width_) + "mm\" height=\"" +
         N(height_) + "mm\" viewBox=\"0 0 " + N(width_) + " " + N(height_) + "\">\n<style>\n";
  svg += "path{fill:none;stroke-linecap:round;stroke-linejoin:round}\n";
  svg += "text{font-family:'DejaVu Sans',Verdana,sans-serif}\n";
  for (const Ink ink : kInks) {
    const InkStyle& s = InkStyleOf(ink);
    svg += "." + std::string(s.name) + "{";
    if (s.width > 0.0) {
      svg += "stroke:" + Colour(s.rgb) + ";stroke-width:" + N(s.width);
      if (s.dashed)
        svg += ";stroke-dasharray:" + N(kDashOn) + " " + N(kDashOff) + ";stroke-linecap:butt";
    } else {
      svg += "fill:" + Colour(s.rgb);
    }
    svg += "}\n";
  }
  svg += "</style>\n<rect width=\"" + N(width_) + "\" height=\"" + N(height_) +
         "\" fill=\"#ffffff\"/>\n";
  return svg + body_ + "</svg>\n";
}

}  // namespace kx::tool
