#include "CairoCanvas.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>

#include "Drawing.h"
#include "Plot.h"

namespace kx::tool {

CairoCanvas::CairoCanvas(cairo_t* cr) : cr_(cr) {
  cairo_select_font_face(cr_, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
}

void CairoCanvas::Stroke(Ink ink) {
  const InkStyle& s = InkStyleOf(ink);
  cairo_set_source_rgb(cr_, ((s.rgb >> 16) & 0xFF) / 255.0, ((s.rgb >> 8) & 0xFF) / 255.0,
                       (s.rgb & 0xFF) / 255.0);
  cairo_set_line_width(cr_, s.width);
  const double dash[] = {kDashOn, kDashOff};
  cairo_set_dash(cr_, dash, s.dashed ? 2 : 0, 0.0);
  cairo_set_line_cap(cr_, s.dashed ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr_);
}

void CairoCanvas::Line(Point a, Point b, Ink ink) {
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, b.x, b.y);
  Stroke(ink);
}

void CairoCanvas::Polyline(const std::vector<Point>& points, bool closed, Ink ink) {
  if (points.empty()) return;
  cairo_move_to(cr_, points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr_, points[i].x, points[i].y);
  if (closed) cairo_close_path(cr_);
  Stroke(ink);
}

void CairoCanvas::Curve(const CurveShape& c, Ink ink) {
  cairo_new_path(cr_);
  if (!c.elliptic) {
    // The quadratic Bezier S, C, E is the cubic S, S + 2/3 (C - S), E + 2/3 (C - E), E.
    cairo_move_to(cr_, c.start.x, c.start.y);
    cairo_curve_to(cr_, c.start.x + 2.0 / 3.0 * (c.control.x - c.start.x),
                   c.start.y + 2.0 / 3.0 * (c.control.y - c.start.y),
                   c.end.x + 2.0 / 3.0 * (c.control.x - c.end.x),
                   c.end.y + 2.0 / 3.0 * (c.control.y - c.end.y), c.end.x, c.end.y);
  } else {
    cairo_save(cr_);
    cairo_translate(cr_, c.centre.x, c.centre.y);
    cairo_scale(cr_, c.rx, c.ry);
    if (c.t1 > c.t0) {
      cairo_arc(cr_, 0.0, 0.0, 1.0, c.t0, c.t1);
    } else {
      cairo_arc_negative(cr_, 0.0, 0.0, 1.0, c.t0, c.t1);
    }
    cairo_restore(cr_);
  }
  Stroke(ink);
}

void CairoCanvas::Text(Point at, const std::string& text, const TextStyle& style, Ink ink) {
  const InkStyle& s = InkStyleOf(ink);
  cairo_save(cr_);
  cairo_set_source_rgb(cr_, ((s.rgb >> 16) & 0xFF) / 255.0, ((s.rgb >> 8) & 0xFF) / 255.0,
                       (s.rgb & 0xFF) / 255.0);
  cairo_set_font_size(cr_, style.size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr_, text.c_str(), &extents);
  const double shift = style.anchor == Anchor::Start    ? 0.0
                       : style.anchor == Anchor::Middle ? -extents.x_advance / 2.0
                                                        : -extents.x_advance;
  cairo_translate(cr_, at.x, at.y);
  // cairo turns clockwise on the page's downward y axis: the counter-clockwise angle is negated.
  cairo_rotate(cr_, -style.angle * 3.14159265358979323846 / 180.0);
  cairo_move_to(cr_, shift, 0.0);
  cairo_show_text(cr_, text.c_str());
  cairo_new_path(cr_);
  cairo_restore(cr_);
}

namespace {

constexpr const char* kCannotWrite = "cannot write the file: ";

// Draws on surface (already scaled by scale to millimetres), white underneath; "" or the reason.
std::string Render(const ProfileDrawing& drawing, cairo_surface_t* surface, double scale) {
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, scale, scale);
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
  cairo_paint(cr);
  CairoCanvas canvas(cr);
  drawing.Draw(canvas);
  const cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  return status == CAIRO_STATUS_SUCCESS
             ? ""
             : std::string("cannot draw: ") + cairo_status_to_string(status);
}

// cairo and fontconfig keep their font caches until the process ends; a drawing releases them
// once its surface is gone, so that a leak checker sees every allocation returned.
void ReleaseFontCaches() {
  cairo_debug_reset_static_data();
  FcFini();
}

}  // namespace

std::string WritePng(const ProfileDrawing& drawing, const std::string& path, double pixelsPerMm) {
  const int width = PngPixels(drawing.Width(), pixelsPerMm);
  const int height = PngPixels(drawing.Height(), pixelsPerMm);
  // cairo's image surfaces hold at most 32767 pixels a side.
  if (width > 32767 || height > 32767) {
    return "the drawing is too large for a PNG (" + std::to_string(width) + " x " +
           std::to_string(height) + " pixels; at most 32767 a side): write SVG or PDF";
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  std::string error = Render(drawing, surface, pixelsPerMm);
  if (error.empty()) {
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
      error = std::string(kCannotWrite) + cairo_status_to_string(status);
  }
  cairo_surface_destroy(surface);
  ReleaseFontCaches();
  return error;
}

std::string WritePdf(const ProfileDrawing& drawing, const std::string& path) {
  constexpr double kPointsPerMm = 72.0 / 25.4;
  cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), drawing.Width() * kPointsPerMm,
                                                      drawing.Height() * kPointsPerMm);
  // A file that cannot be created leaves the surface in an error state from the start.
  std::string error = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS
                          ? Render(drawing, surface, kPointsPerMm)
                          : "";
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  if (error.empty() && status != CAIRO_STATUS_SUCCESS)
    error = std::string(kCannotWrite) + cairo_status_to_string(status);
  cairo_surface_destroy(surface);
  ReleaseFontCaches();
  return error;
}

}  // namespace kx::tool
