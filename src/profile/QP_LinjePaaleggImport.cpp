// QP_LinjePaalegg: reading a profile from a NYLP or a PRF file.

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "foundation/Format.h"
#include "kx/files/TekstFil.h"
#include "kx/geometry/B_Linje.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "numbers/Tolerance.h"

namespace {

constexpr int kNylp = 1;
constexpr int kPrf = 2;
// NYLP: the lines before the vertices, whatever they hold.
constexpr long long kNylpHeaderLines = 5;
// PRF: a radius within this of 0 starts no curve.
constexpr double kNoRadius = 1e-9;

constexpr char kNylpMessage[] =
    "Error importing NYLP-file:\n\nUnable to read line %d in \"%s\".\n\n[%s]\n\nThe format of a "
    "NYLP-line should be:\n\nProfile  Height  Radius    (all decimal numbers).";
constexpr char kPrfMessage[] = "Error importing PRF-file:\n\nUnable to read line %d in \"%s\".\n\n[%s].";

// Shows the message fmt about line number of the file name, quoting line, through Error1. The
// message must fit the 511 characters of the message buffer whole, its closing words included:
// when the name and the line do not both fit, each gets at least half of the room left (the other
// taking what the shorter leaves), and what is cut is marked with "...": the name keeps its end,
// where the file's own name stands, the line its start.
void ShowLineError(QP_LinjePaalegg& profile, const char* fmt, long long number, const char* name,
                   const char* line) {
  const int shown = number > INT_MAX ? INT_MAX : static_cast<int>(number);
  const int fixed = std::snprintf(nullptr, 0, fmt, shown, "", "");
  const std::size_t room = kx::detail::kTextBufferSize - 1 - static_cast<std::size_t>(fixed);
  std::string n = name, l = line;
  if (n.size() + l.size() > room) {
    const std::size_t half = room / 2;
    const std::size_t nameRoom =
        n.size() <= half ? n.size() : l.size() <= room - half ? room - l.size() : half;
    if (n.size() > nameRoom) n = "..." + n.substr(n.size() - (nameRoom - 3));
    if (l.size() > room - n.size()) l = l.substr(0, room - n.size() - 3) + "...";
  }
  profile.Error1(fmt, shown, n.c_str(), l.c_str());
}

// NYLP: from the sixth line on, "chainage height radius" (text after the third number ignored).
bool ReadNylpLine(QP_LinjePaalegg& profile, Streng& line, long long number, const char* name) {
  if (number <= kNylpHeaderLines) return true;
  line.FjernBlanke(1, 1);
  if (line.IsEmpty()) return true;
  // Single precision, as the format has always been read: the values are widened afterwards.
  float x = 0.0f, y = 0.0f, r = 0.0f;
  const int read = std::sscanf(line.Get(), "%f %f %f", &x, &y, &r);
  // A NaN, an infinity or a number beyond single precision cannot be a vertex: such a line is
  // refused like one without three numbers.
  if (read < 3 || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(r)) {
    ShowLineError(profile, kNylpMessage, number, name, line.Get());
    profile.ErrorKode(-3);
    return false;
  }
  profile.LeggTil(new DT_Punkt(x, y, r));
  return true;
}

// One PRF row: number, chainage, height, grade, radius and the distance to the next row (not used).
struct PrfRow {
  int n = 0;
  double x = 0.0, y = 0.0, grade = 0.0, radius = 0.0, length = 0.0;
  bool Finite() const {
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(grade) && std::isfinite(radius);
  }
};

constexpr int kEmptyLine = -100;

// Trims line and turns its commas into blanks, then reads it: the number of values read, or
// kEmptyLine for a line that is then empty.
int ParsePrf(Streng& line, PrfRow& row) {
  line.FjernBlanke(1, 1);
  line.ByttAlleAmedB(',', ' ');
  if (line.IsEmpty()) return kEmptyLine;
  return std::sscanf(line.Get(), "%d %lf %lf %lf %lf %lf", &row.n, &row.x, &row.y, &row.grade,
                     &row.radius, &row.length);
}

// The PRF reader. The header's one number is the line number of the last row; the first row
// (number 1) and the last give their points; a row with a radius starts a curve, whose vertex is
// where the grade arriving at it (through the previous row's point) meets the grade leaving the
// row that follows it (the curve's end); the other rows add nothing.
class PrfReader {
 public:
  PrfReader(QP_LinjePaalegg& profile, TekstFil& file, const char* name)
      : profile_(profile), file_(file), name_(name) {}

  bool Line(Streng& line, long long number) {
    char raw[kx::detail::kTextBufferSize];  // a line read holds at most 510 characters
    kx::detail::CopyBounded(raw, sizeof raw, line.Get());
    PrfRow row;
    const int count = ParsePrf(line, row);
    if (count == kEmptyLine) return true;
    if (count == 1) {
      lastLine_ = row.n;
      return true;
    }
    if (count != 6 || !row.Finite()) return Refuse(number, raw);
    // The work line moves on: from the previous row's point to this one's.
    work_.StartPunkt(work_.SluttPunkt());
    work_.SluttPunkt()->Init(row.x, row.y, 0.0);
    if (row.n == 1 || number == lastLine_) {
      profile_.LeggTil(new DT_Punkt(row.x, row.y, 0.0));
      return true;
    }
    if (kx::detail::Lik(row.radius, 0.0, kNoRadius)) return true;
    return Curve(line, row, number, raw);
  }

 private:
  bool Refuse(long long number, const char* raw) {
    ShowLineError(profile_, kPrfMessage, number, name_, raw);
    profile_.ErrorKode(-3);
    return false;
  }

  bool Curve(Streng& line, const PrfRow& row, long long number, const char* raw) {
    // The row that follows, read ahead and then read again in its turn.
    std::int64_t at = 0;
    if (file_.GetPos(&at) == 0) return profile_.ErrorKode(-2), false;
    PrfRow next;
    // A curve row that ends the file has no end row: refused like one followed by a row that is
    // not six values, rather than reading the curve row itself as its own end.
    const int count = file_.LesNesteLinje(&line, nullptr, 0) != 0 ? ParsePrf(line, next) : 0;
    if (count < 6 || !next.Finite()) return profile_.ErrorKode(-4), false;
    long back = static_cast<long>(at);
    if (file_.SetPos(&back, 0) == 0) return profile_.ErrorKode(-2), false;

    // The grade arriving, from the previous row's point; the grade leaving, from the next row's.
    // Parallel grades (equal in the file, as for a curve whose grades differ by less than the
    // six decimals show) do not meet: the vertex is then the next row's point.
    work_.SluttPunkt(work_.StartPunkt());
    work_.SluttPunkt()->InitRel(1.0, row.grade, 0.0);
    const DT_Punkt end(next.x, next.y, 0.0);
    DT_Punkt ahead(end);
    ahead.InitRel(1.0, next.grade, 0.0);
    B_Linje leaving(&end, &ahead);
    DT_Punkt vertex(end);
    work_.SkjaeringMed(&leaving, &vertex, 1);
    if (!std::isfinite(vertex.x()) || !std::isfinite(vertex.y())) return Refuse(number, raw);
    profile_.LeggTil(new DT_Punkt(vertex.x(), vertex.y(), std::fabs(row.radius)));
    return true;
  }

  QP_LinjePaalegg& profile_;
  TekstFil& file_;
  const char* name_;
  B_Linje work_;
  long long lastLine_ = LLONG_MIN;  // no line has this number
};

}  // namespace

int QP_LinjePaalegg::InitFromAsciiFile(Streng& fileName, int type) {
  TekstFil file(fileName.Get());
  if (file.Finnes(0) == 0) return ErrorKode(-2);
  // A name that exists but cannot be opened for reading (a directory, a file without read
  // permission) is refused as well: read as empty, it would give a profile that looks read.
  if (file.LukkOpp("rt") == 0) return ErrorKode(-2);
  PrfReader prf(*this, file, fileName.Get());
  Streng line;
  for (long long number = 1; file.LesNesteLinje(&line, nullptr, 0) != 0; ++number) {
    if (type != kNylp && type != kPrf) return ErrorKode(-1);
    const bool read = type == kNylp ? ReadNylpLine(*this, line, number, fileName.Get())
                                    : prf.Line(line, number);
    if (!read) return 0;
  }
  // A read error part way is not the end of the file.
  if (std::ferror(file.Peker()) != 0) return ErrorKode(-2);
  return CheckCurve();
}
