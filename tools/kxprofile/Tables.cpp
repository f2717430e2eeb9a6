#include "Tables.h"

#include <ostream>

#include "Text.h"
#include "kx/numbers/DT_Double.h"
#include "kx/profile/QP_LinjePaalegg.h"

namespace kx::tool {

void WriteInfo(std::ostream& out, const ProfileView& view, const std::string& source) {
  const std::size_t n = view.vertices.size();
  out << "profile   " << source << '\n'
      << "curves    " << (view.parabolic ? "parabolic" : "circular") << '\n'
      << "vertices  " << n << ", chainage " << Fixed(view.vertices.front().chainage, 3) << " to "
      << Fixed(view.vertices.back().chainage, 3) << "\n\n";

  TextTable vertices({"vertex", "chainage", "height", "radius", "grade after"});
  for (std::size_t i = 0; i < n; ++i) {
    const Vertex& v = view.vertices[i];
    vertices.Add({std::to_string(i + 1), Fixed(v.chainage, 3), Fixed(v.height, 3),
                  Fixed(v.radius, 3), i + 1 < n ? Percent(view.grades[i], 3) : ""});
  }
  vertices.Write(out);

  out << "\nvertical curves\n";
  TextTable curves(
      {"vertex", "kind", "radius", "T1 chainage", "T1 height", "T2 chainage", "T2 height", "length",
       "grade in", "grade out", "high/low point", "at chainage"},
      {false, true});
  std::string overlapping;
  for (const kx::ProfileCurve& c : view.curves) {
    const std::string vertex = std::to_string(c.vertex + 1);
    curves.Add({vertex, c.crest ? "crest" : "sag", Fixed(c.radius, 3), Fixed(c.t1Chainage, 3),
                Fixed(c.t1Height, 3), Fixed(c.t2Chainage, 3), Fixed(c.t2Height, 3),
                Fixed(c.length, 3), Percent(c.gradeIn, 3), Percent(c.gradeOut, 3),
                c.hasExtremum ? Fixed(c.extremumHeight, 3) : "-",
                c.hasExtremum ? Fixed(c.extremumChainage, 3) : "-"});
    if (c.overlaps) overlapping += (overlapping.empty() ? "" : ", ") + vertex;
  }
  if (view.curves.empty()) {
    out << "none\n";
  } else {
    curves.Write(out);
  }
  out << "\noverlapping curves: " << (overlapping.empty() ? "none" : "at vertices " + overlapping)
      << '\n';
}

void WriteHeights(std::ostream& out, QP_LinjePaalegg& profile, const std::vector<double>& chainages,
                  bool csv) {
  std::vector<kx::HeightAt> heights(chainages.size());
  kx::ProfileHeights(profile, chainages.data(), chainages.size(), heights.data());

  TextTable table({"chainage", "height", "polygon", "difference", ""},
                  {false, false, false, false, true});
  if (csv) WriteCsvRow(out, {"chainage", "height", "polygon", "difference", "status"});
  const int decimals = csv ? 4 : 3;
  for (std::size_t i = 0; i < chainages.size(); ++i) {
    std::vector<std::string> row = {Fixed(chainages[i], decimals), "-", "-", "-",
                                    StatusText(heights[i].status)};
    if (heights[i].status == kx::HeightStatus::Ok) {
      row[1] = Fixed(heights[i].height, decimals);
      // The polygon's height and the difference, as the library gives them beside the profile
      // height (the polygon may end where the profile's end grade is still extended by 1e-6).
      DT_Double chainage(chainages[i]), line, design, difference;
      if (profile.GetHeightExt(&chainage, &line, &design, &difference) == 1) {
        row[2] = Fixed(line.Get(), decimals);
        row[3] = Fixed(difference.Get(), decimals);
      }
    }
    if (csv) {
      for (std::size_t c = 1; c < 4; ++c) {
        if (row[c] == "-") row[c].clear();
      }
      row[4] = StatusCode(heights[i].status);
      WriteCsvRow(out, row);
    } else {
      table.Add(row);
    }
  }
  if (!csv) table.Write(out);
}

}  // namespace kx::tool
