#pragma once
// The profile drawing as road drawings show it: the vertex polygon thin and dashed, the designed
// line thick with its vertical curves, the tangent points marked, every vertex labelled with its
// chainage, height and radius, every grade in per cent, a chainage axis with ticks every 100 m, a
// height axis, and under the drawing a band with the designed height at every band station.
//
// Page units are millimetres. The horizontal scale is a round 1:N chosen so that the band
// stations lie at least 4 mm apart (1:5000 for stations every 20 m), and the drawing is at most
// 2 m wide; the vertical scale is the horizontal one times the exaggeration.

#include <string>
#include <vector>

#include "Canvas.h"
#include "ProfileView.h"

class QP_LinjePaalegg;

namespace kx::tool {

struct PlotOptions {
  double exaggeration = 10.0;  // vertical scale over horizontal scale
  double bandStep = 20.0;      // metres between the heights of the band
  std::string title;           // the first line of the title block
};

class ProfileDrawing {
 public:
  // Lays out the drawing of profile (at least two vertices, finite coordinates).
  ProfileDrawing(QP_LinjePaalegg& profile, const PlotOptions& options);

  double Width() const { return width_; }    // mm
  double Height() const { return height_; }  // mm
  // The horizontal scale 1:N.
  double ScaleDenominator() const { return scale_; }
  // The page point of a profile point (chainage, height).
  Point ToPage(double chainage, double height) const;

  void Draw(Canvas& canvas) const;

 private:
  void DrawTitle(Canvas& canvas) const;
  void DrawAxes(Canvas& canvas) const;
  void DrawBand(Canvas& canvas) const;
  void DrawPolygon(Canvas& canvas) const;
  void DrawDesignLine(Canvas& canvas) const;
  void DrawGrades(Canvas& canvas) const;
  CurveShape ShapeOf(const kx::ProfileCurve& curve) const;

  ProfileView view_;
  PlotOptions options_;
  std::vector<double> bandChainages_;
  std::vector<kx::HeightAt> bandHeights_;
  double first_ = 0.0, last_ = 0.0;  // chainage range
  double datum_ = 0.0, top_ = 0.0;   // height range of the plot area
  double heightTick_ = 1.0;
  double scale_ = 1.0, sx_ = 1.0, sy_ = 1.0;
  double x0_ = 0.0, plotTop_ = 0.0, plotBottom_ = 0.0, plotRight_ = 0.0;
  double width_ = 0.0, height_ = 0.0;
};

// The round numbers 1, 2, 2.5 and 5 times a power of ten: the largest not above value, and the
// smallest not below it (of 1, 2, 5 times a power of ten).
double RoundScaleBelow(double value);
double RoundStepAbove(double value);

}  // namespace kx::tool
