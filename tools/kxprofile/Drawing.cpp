#include "Drawing.h"

#include <algorithm>
#include <cmath>

#include "Text.h"
#include "kx/profile/QP_LinjePaalegg.h"

namespace kx::tool {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMargin = 10.0;      // round the page
constexpr double kLeftColumn = 30.0;  // height axis labels, band heading
constexpr double kTitleBlock = 14.0;
constexpr double kLabelRoom = 16.0;  // above the highest and below the lowest vertex
constexpr double kBandGap = 10.0;    // from the chainage axis to the band
constexpr double kBandHeight = 20.0;
constexpr double kMaxPlotWidth = 2000.0;
constexpr double kBandSpacing = 4.0;  // least distance of band stations on the page
constexpr double kLabelText = 2.2, kAxisText = 2.5, kBandText = 2.0;

// Index of the largest of the multiples of 100 m, from the first at or after first, that is not
// after last; with the first's index: ticks are first100 + 100·k for k in [0, count).
struct Ticks {
  double first;
  int count;
};
Ticks HundredMetreTicks(double first, double last) {
  const double start = std::ceil(first / 100.0 - 1e-9) * 100.0;
  const double count = std::floor((last - start) / 100.0 + 1e-9) + 1.0;
  return {start, count > 0.0 ? static_cast<int>(std::min(count, 1e6)) : 0};
}

int DecimalsFor(double step) {
  return std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
}

}  // namespace

double RoundScaleBelow(double value) {
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (const double m : {5.0, 2.5, 2.0, 1.0}) {
    if (m * power <= value * (1.0 + 1e-12)) return m * power;
  }
  return power;
}

double RoundStepAbove(double value) {
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (const double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * power >= value * (1.0 - 1e-12)) return m * power;
  }
  return 10.0 * power;
}

ProfileDrawing::ProfileDrawing(QP_LinjePaalegg& profile, const PlotOptions& options)
    : view_(DescribeProfile(profile)), options_(options) {
  first_ = last_ = view_.vertices.front().chainage;
  double low = view_.vertices.front().height, high = low;
  for (const Vertex& v : view_.vertices) {
    first_ = std::min(first_, v.chainage), last_ = std::max(last_, v.chainage);
    low = std::min(low, v.height), high = std::max(high, v.height);
  }
  const double length = std::max(last_ - first_, 1.0);

  // 1:N with the band stations kBandSpacing apart at least, unless the drawing would be wider than
  // kMaxPlotWidth; then the band labels are thinned out.
  scale_ = RoundScaleBelow(options_.bandStep * 1000.0 / kBandSpacing);
  if (length * 1000.0 / scale_ > kMaxPlotWidth) {
    scale_ = RoundStepAbove(length * 1000.0 / kMaxPlotWidth);
  }
  sx_ = 1000.0 / scale_;
  sy_ = sx_ * options_.exaggeration;

  heightTick_ = RoundStepAbove(8.0 / sy_);
  datum_ = std::floor((low - kLabelRoom / sy_) / heightTick_) * heightTick_;
  top_ = std::ceil((high + kLabelRoom / sy_) / heightTick_) * heightTick_;

  x0_ = kMargin + kLeftColumn;
  plotRight_ = x0_ + (last_ - first_) * sx_;
  plotTop_ = kMargin + kTitleBlock;
  plotBottom_ = plotTop_ + (top_ - datum_) * sy_;
  width_ = plotRight_ + kMargin + 10.0;
  height_ = plotBottom_ + kBandGap + kBandHeight + kMargin;

  const double firstStation = std::ceil(first_ / options_.bandStep - 1e-9) * options_.bandStep;
  bandChainages_ = Stations(firstStation, last_, options_.bandStep, false);
  bandHeights_.resize(bandChainages_.size());
  kx::ProfileHeights(profile, bandChainages_.data(), bandChainages_.size(), bandHeights_.data());
}

Point ProfileDrawing::ToPage(double chainage, double height) const {
  return {x0_ + (chainage - first_) * sx_, plotBottom_ - (height - datum_) * sy_};
}

void ProfileDrawing::Draw(Canvas& canvas) const {
  DrawTitle(canvas);
  DrawAxes(canvas);
  DrawBand(canvas);
  DrawPolygon(canvas);
  DrawDesignLine(canvas);
  DrawGrades(canvas);
}

void ProfileDrawing::DrawTitle(Canvas& canvas) const {
  canvas.Text({kMargin, kMargin + 4.0}, options_.title, {4.0}, Ink::Title);
  const std::string scales = "horizontal 1:" + Plain(scale_) +
                             "   vertical 1:" + Plain(scale_ / options_.exaggeration) +
                             "   vertical exaggeration " + Plain(options_.exaggeration) + ":1   " +
                             (view_.parabolic ? "parabolic" : "circular") + " vertical curves";
  canvas.Text({kMargin, kMargin + 9.5}, scales, {kAxisText}, Ink::Label);
}

void ProfileDrawing::DrawAxes(Canvas& canvas) const {
  // Height axis on the left edge, a tick and a label every heightTick_.
  canvas.Line({x0_, plotBottom_}, {x0_, plotTop_}, Ink::Axis);
  const int decimals = DecimalsFor(heightTick_);
  const int heightTicks = static_cast<int>(std::lround((top_ - datum_) / heightTick_));
  for (int k = 0; k <= heightTicks; ++k) {
    const double h = datum_ + k * heightTick_;
    const double y = ToPage(first_, h).y;
    canvas.Line({x0_ - 1.5, y}, {x0_, y}, Ink::Axis);
    canvas.Text({x0_ - 2.5, y + 0.9}, Fixed(h, decimals), {kAxisText, Anchor::End}, Ink::Label);
  }
  canvas.Text({kMargin + 3.0, (plotTop_ + plotBottom_) / 2.0}, "height (m)",
              {kAxisText, Anchor::Middle, 90.0}, Ink::Label);

  // Chainage axis along the datum, a tick every 100 m, labels at least 12 mm apart.
  canvas.Line({x0_, plotBottom_}, {plotRight_, plotBottom_}, Ink::Axis);
  const Ticks ticks = HundredMetreTicks(first_, last_);
  const int every = std::max(1, static_cast<int>(std::ceil(12.0 / (100.0 * sx_))));
  for (int k = 0; k < ticks.count; ++k) {
    const double chainage = ticks.first + 100.0 * k;
    const double x = ToPage(chainage, datum_).x;
    canvas.Line({x, plotBottom_}, {x, plotBottom_ + 1.5}, Ink::Axis);
    if (std::lround(chainage / 100.0) % every == 0) {
      canvas.Text({x, plotBottom_ + 5.0}, Fixed(chainage, 0), {kAxisText, Anchor::Middle},
                  Ink::Label);
    }
  }
  canvas.Text({kMargin, plotBottom_ + 5.0}, "chainage (m)", {kAxisText}, Ink::Label);
}

void ProfileDrawing::DrawBand(Canvas& canvas) const {
  const double top = plotBottom_ + kBandGap, bottom = top + kBandHeight;
  // The box reaches 3 mm past the first and the last station, so that their labels stand clear.
  const double left = x0_ - 3.0, right = plotRight_ + 3.0;
  canvas.Polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, true, Ink::Band);
  canvas.Text({kMargin, (top + bottom) / 2.0 - 1.0}, "design height", {kAxisText}, Ink::Label);
  canvas.Text({kMargin, (top + bottom) / 2.0 + 2.5}, "every " + Plain(options_.bandStep) + " m",
              {kAxisText}, Ink::Label);
  const int every =
      std::max(1, static_cast<int>(std::ceil(kBandSpacing / (options_.bandStep * sx_) - 1e-9)));
  for (std::size_t i = 0; i < bandChainages_.size(); i += static_cast<std::size_t>(every)) {
    if (bandHeights_[i].status != kx::HeightStatus::Ok) continue;
    const double x = ToPage(bandChainages_[i], datum_).x;
    canvas.Line({x, top}, {x, top + 1.5}, Ink::Band);
    // Read from below, centred on the station: the glyphs stand left of the baseline.
    canvas.Text({x + 0.35 * kBandText, bottom - 1.5}, Fixed(bandHeights_[i].height, 2),
                {kBandText, Anchor::Start, 90.0}, Ink::Label);
  }
}

void ProfileDrawing::DrawPolygon(Canvas& canvas) const {
  std::vector<Point> polygon;
  for (const Vertex& v : view_.vertices) polygon.push_back(ToPage(v.chainage, v.height));
  canvas.Polyline(polygon, false, Ink::Polygon);

  const std::size_t n = view_.vertices.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Vertex& v = view_.vertices[i];
    const Point p = polygon[i];
    canvas.Polyline({{p.x - 1.0, p.y}, {p.x, p.y - 1.0}, {p.x + 1.0, p.y}, {p.x, p.y + 1.0}}, true,
                    Ink::Vertex);
    std::vector<std::string> lines = {"ch " + Fixed(v.chainage, 2), "h " + Fixed(v.height, 3)};
    const bool interior = i > 0 && i + 1 < n;
    if (interior && v.radius != 0.0) lines.push_back("R " + Fixed(v.radius, 0));
    // Crests are labelled above the vertex, sags below it; the ends inwards, on the side the line
    // leaves free (below where it rises away from the end).
    TextStyle style{kLabelText, interior ? Anchor::Middle : (i == 0 ? Anchor::Start : Anchor::End)};
    const double x = interior ? p.x : (i == 0 ? p.x + 1.5 : p.x - 1.5);
    const bool above = interior
                           ? view_.Crest(i)
                           : !(i == 0 ? view_.grades.front() > 0.0 : view_.grades.back() < 0.0);
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const double y = above ? p.y - 3.0 - 3.0 * static_cast<double>(lines.size() - 1 - k)
                             : p.y + 3.0 + kLabelText + 3.0 * static_cast<double>(k);
      canvas.Text({x, y}, lines[k], style, Ink::Label);
    }
  }
}

CurveShape ProfileDrawing::ShapeOf(const kx::ProfileCurve& curve) const {
  CurveShape shape;
  shape.start = ToPage(curve.t1Chainage, curve.t1Height);
  shape.end = ToPage(curve.t2Chainage, curve.t2Height);
  const Vertex& v = view_.vertices[curve.vertex];
  if (view_.parabolic) {
    // The parabola's tangents at its ends are the two grades, which meet at the vertex.
    shape.control = ToPage(v.chainage, v.height);
    return shape;
  }
  // The circle touches the incoming grade at T1; its centre lies the radius away on the normal,
  // above for a sag and below for a crest.
  shape.elliptic = true;
  const double side = curve.crest ? -1.0 : 1.0;
  const double norm = std::sqrt(1.0 + curve.gradeIn * curve.gradeIn);
  shape.centre = ToPage(curve.t1Chainage - side * curve.radius * curve.gradeIn / norm,
                        curve.t1Height + side * curve.radius / norm);
  shape.rx = curve.radius * sx_;
  shape.ry = curve.radius * sy_;
  shape.t0 = std::atan2((shape.start.y - shape.centre.y) / shape.ry,
                        (shape.start.x - shape.centre.x) / shape.rx);
  shape.t1 = std::atan2((shape.end.y - shape.centre.y) / shape.ry,
                        (shape.end.x - shape.centre.x) / shape.rx);
  return shape;
}

void ProfileDrawing::DrawDesignLine(Canvas& canvas) const {
  const std::size_t n = view_.vertices.size();
  Point at = ToPage(view_.vertices[0].chainage, view_.vertices[0].height);
  for (std::size_t i = 1; i < n; ++i) {
    const Vertex& v = view_.vertices[i];
    if (i + 1 < n && view_.curveOf[i] >= 0) {
      const CurveShape shape = ShapeOf(view_.curves[view_.curveOf[i]]);
      canvas.Line(at, shape.start, Ink::Design);
      canvas.Curve(shape, Ink::Design);
      for (const Point& t : {shape.start, shape.end}) {
        canvas.Line({t.x, t.y - 2.0}, {t.x, t.y + 2.0}, Ink::Tangent);
      }
      at = shape.end;
    } else {
      const Point p = ToPage(v.chainage, v.height);
      canvas.Line(at, p, Ink::Design);
      at = p;
    }
  }
}

void ProfileDrawing::DrawGrades(Canvas& canvas) const {
  for (std::size_t i = 0; i < view_.grades.size(); ++i) {
    const double grade = view_.grades[i];
    if (!std::isfinite(grade)) continue;
    // In the middle of the straight part of the stretch (between the curves at its ends), or of
    // the whole stretch when the curves leave none.
    const Vertex& a = view_.vertices[i];
    const Vertex& b = view_.vertices[i + 1];
    double from = a.chainage, to = b.chainage;
    if (view_.curveOf[i] >= 0) from = view_.curves[view_.curveOf[i]].t2Chainage;
    if (view_.curveOf[i + 1] >= 0) to = view_.curves[view_.curveOf[i + 1]].t1Chainage;
    if (!(to > from)) from = a.chainage, to = b.chainage;
    const double middle = (from + to) / 2.0;
    const Point p = ToPage(middle, a.height + grade * (middle - a.chainage));
    const double angle = std::atan2(grade * sy_, sx_);
    const Point at = {p.x - 1.2 * std::sin(angle), p.y - 1.2 * std::cos(angle)};
    canvas.Text(at, Percent(grade, 2), {kLabelText, Anchor::Middle, angle * 180.0 / kPi},
                Ink::Grade);
  }
}

}  // namespace kx::tool
