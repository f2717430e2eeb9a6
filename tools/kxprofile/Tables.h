#pragma once
// The tables of kxprofile: what is in a profile (info) and its heights (heights). Every number
// comes from the library: the vertices, its curve descriptions, its batch heights and the vertex
// polygon's heights.

#include <iosfwd>
#include <string>
#include <vector>

#include "ProfileView.h"

class QP_LinjePaalegg;

namespace kx::tool {

// The vertices with the grade after each, then every vertical curve: crest or sag, radius, the
// tangent points, length, grades in and out, the highest or lowest point when it lies on the
// curve; last whether curves overlap. source names the file and its format.
void WriteInfo(std::ostream& out, const ProfileView& view, const std::string& source);

// Chainage, designed height, vertex polygon height and their difference (polygon minus design:
// positive where the curve lies below the polygon) at every chainage, as an aligned table or CSV.
// A chainage without a height gets "-" (CSV: empty cells) and the reason.
void WriteHeights(std::ostream& out, QP_LinjePaalegg& profile, const std::vector<double>& chainages,
                  bool csv);

}  // namespace kx::tool
