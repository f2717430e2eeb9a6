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

namespace {

struct StatusWords {
  const char* text;
  const char* code;
};

// Indexed by kx::HeightStatus.
const StatusWords& WordsOf(kx::HeightStatus status) {
  static const StatusWords kWords[] = {
      {"", "ok"},
      {"fewer than two vertices", "too-few-vertices"},
      {"before the first vertex", "before-start"},
      {"beyond the last vertex", "beyond-end"},
      {"outside the profile", "outside"},
      {"no grade line gives a height", "no-grade-line"},
      {"no grade", "no-grade"},
  };
  return kWords[static_cast<int>(status)];
}

}  // namespace

const char* StatusText(kx::HeightStatus status) { return WordsOf(status).text; }
const char* StatusCode(kx::HeightStatus status) { return WordsOf(status).code; }

}  // namespace kx::tool
