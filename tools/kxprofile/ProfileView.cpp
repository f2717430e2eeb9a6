#include "ProfileView.h"

#include <cmath>
#include <limits>

#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"

namespace kx::tool {

bool ProfileView::Crest(std::size_t i) const {
  if (i < curveOf.size() && curveOf[i] >= 0) return curves[curveOf[i]].crest;
  if (i == 0 || i >= grades.size()) return true;
  return !(grades[i] > grades[i - 1]);
}

ProfileView DescribeProfile(QP_LinjePaalegg& profile) {
  ProfileView view;
  view.parabolic = profile.Modes(kx::kParabolicCurves, kx::kModesTest) != 0;
  for (HovedObjekt* o = profile.AktiverForste(); o != nullptr; o = profile.AktiverNeste()) {
    if (auto* p = dynamic_cast<DT_Punkt*>(o)) view.vertices.push_back({p->x(), p->y(), p->z()});
  }
  view.curves = kx::ProfileCurves(profile);
  view.curveOf.assign(view.vertices.size(), -1);
  for (std::size_t c = 0; c < view.curves.size(); ++c) {
    const int v = view.curves[c].vertex;
    if (v >= 0 && static_cast<std::size_t>(v) < view.vertices.size())
      view.curveOf[v] = static_cast<int>(c);
  }
  for (std::size_t i = 0; i + 1 < view.vertices.size(); ++i) {
    double grade = std::numeric_limits<double>::quiet_NaN();
    if (view.curveOf[i + 1] >= 0) {
      grade = view.curves[view.curveOf[i + 1]].gradeIn;
    } else if (view.curveOf[i] >= 0) {
      grade = view.curves[view.curveOf[i]].gradeOut;
    } else {
      // Neither end has a curve: the stretch is straight throughout.
      const double middle = 0.5 * (view.vertices[i].chainage + view.vertices[i + 1].chainage);
      double g;
      if (kx::ProfileGrade(profile, middle, &g) == kx::HeightStatus::Ok) grade = g;
    }
    view.grades.push_back(grade);
  }
  return view;
}

std::vector<double> Stations(double from, double to, double step, bool withEnd) {
  std::vector<double> at;
  if (!(from <= to) || !(step > 0.0)) return at;
  const double count = std::floor((to - from) / step + 1e-9);
  for (double i = 0.0; i <= count; i += 1.0) at.push_back(from + i * step);
  if (withEnd && at.back() < to - 1e-9) at.push_back(to);
  return at;
}

const char* StatusText(kx::HeightStatus status) {
  switch (status) {
    case kx::HeightStatus::Ok:
      return "";
    case kx::HeightStatus::TooFewVertices:
      return "fewer than two vertices";
    case kx::HeightStatus::BeforeStart:
      return "before the first vertex";
    case kx::HeightStatus::BeyondEnd:
      return "beyond the last vertex";
    case kx::HeightStatus::OutsideSegment:
      return "outside the profile";
    case kx::HeightStatus::NoGradeLine:
      return "no grade line gives a height";
    case kx::HeightStatus::NoGrade:
      return "no grade";
  }
  return "";
}

const char* StatusCode(kx::HeightStatus status) {
  switch (status) {
    case kx::HeightStatus::Ok:
      return "ok";
    case kx::HeightStatus::TooFewVertices:
      return "too-few-vertices";
    case kx::HeightStatus::BeforeStart:
      return "before-start";
    case kx::HeightStatus::BeyondEnd:
      return "beyond-end";
    case kx::HeightStatus::OutsideSegment:
      return "outside";
    case kx::HeightStatus::NoGradeLine:
      return "no-grade-line";
    case kx::HeightStatus::NoGrade:
      return "no-grade";
  }
  return "";
}

}  // namespace kx::tool
