// QP_LinjePaalegg: reading a profile from a NYLP or a PRF file.

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "foundation/Format.h"
#include "kx/files/TekstFil.h"
#include "kx/geometry/B_Linje.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "numbers/Tolerance.h"
#include "profile/ProfileMath.h"

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
constexpr char kPrfMessage[] =
    "Error importing PRF-file:\n\nUnable to read line %d in \"%s\".\n\n[%s].";

// The numbers of almost every line are plain: an optional sign, digits and at most one decimal
// point, standing between blanks. Those are read here with strtol/strtod/strtof, which give the
// very values scanf gives (scanf hands the same characters to them); any other line (exponents,
// "nan", hexadecimal, a number running into other text) is left to sscanf itself, so that what a
// line reads as never depends on the path taken. scanf costs several times strtod per number.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The plain number that starts at p after blanks, or nullptr when it is not plain (an integer:
// no point, at most nine digits, so that it fits an int as scanf stores it).
const char* PlainNumber(const char* p, bool integer, const char** end) {
  while (IsBlank(*p)) ++p;
  const char* q = p;
  if (*q == '+' || *q == '-') ++q;
  int digits = 0, points = 0;
  for (;; ++q) {
    if (*q >= '0' && *q <= '9') {
      ++digits;
    } else if (*q == '.' && !integer && points == 0) {
      ++points;
    } else {
      break;
    }
  }
  if (digits == 0 || (integer && digits > 9) || (*q != '\0' && !IsBlank(*q))) return nullptr;
  *end = q;
  return p;
}

// Reads count plain numbers from text, read(i, start, end) converting the i-th (the characters from
// start to end) and telling whether the conversion took them all; false when one is not plain.
template <typename Read>
bool ReadPlain(const char* text, int count, bool firstIsInteger, Read read) {
  for (int i = 0; i < count; ++i) {
    const char* end = nullptr;
    const char* start = PlainNumber(text, firstIsInteger && i == 0, &end);
    if (start == nullptr || !read(i, start, end)) return false;
    text = end;
  }
  return true;
}

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
    const std::size_t nameRoom = n.size() <= half          ? n.size()
                                 : l.size() <= room - half ? room - l.size()
                                                           : half;
    if (n.size() > nameRoom) n = "..." + n.substr(n.size() - (nameRoom - 3));
    if (l.size() > room - n.size()) l.replace(room - n.size() - 3, std::string::npos, "...");
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
  float* values[] = {&x, &y, &r};
  const bool plain = ReadPlain(line.Get(), 3, false, [&](int i, const char* start, const char* end) {
    char* stop = nullptr;
    *values[i] = std::strtof(start, &stop);
    return stop == end;
  });
  const int read = plain ? 3 : std::sscanf(line.Get(), "%f %f %f", &x, &y, &r);
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

// Reads a PRF line: trimmed of white space at both ends (as Streng::FjernBlanke trims) and its
// commas turned into blanks, in a copy (the line stays as read, for the message). The number of
// values read, or kEmptyLine for a line that is then empty.
int ParsePrf(const char* line, PrfRow& row) {
  const char* end = line + std::strlen(line);
  while (line < end && IsBlank(*line)) ++line;
  while (end > line && IsBlank(end[-1])) --end;
  if (line == end) return kEmptyLine;
  char text[kx::detail::kTextBufferSize];  // a line read holds at most 510 characters
  const std::size_t length = std::min(static_cast<std::size_t>(end - line), sizeof text - 1);
  std::replace_copy(line, line + length, text, ',', ' ');
  text[length] = '\0';
  double* values[] = {nullptr, &row.x, &row.y, &row.grade, &row.radius, &row.length};
  const bool plain = ReadPlain(text, 6, true, [&](int i, const char* start, const char* stop) {
    char* at = nullptr;
    if (i == 0) {
      row.n = static_cast<int>(std::strtol(start, &at, 10));
    } else {
      *values[i] = std::strtod(start, &at);
    }
    return at == stop;
  });
  if (plain) return 6;
  return std::sscanf(text, "%d %lf %lf %lf %lf %lf", &row.n, &row.x, &row.y, &row.grade,
                     &row.radius, &row.length);
}

// The intersection of the two grade lines of a curve row, as B_Linje::SkjaeringMed(other, result,
// 1) gives it for the lines from (x1, y1) to (x1 + 1, y1 + g1) and from (x2, y2) to (x2 + 1, y2 +
// g2), on plain doubles: the same operations in the same order (a file holds tens of thousands of
// curves). Only where the lines are plain: ends within 1e15, so that each line runs one unit in x
// and every length and slope is finite; false elsewhere (the objects then decide). Otherwise true
// with *met and, when met, the point (x, y); *code is the last error code SkjaeringMed records.
bool PlainIntersection(double x1, double y1, double g1, double x2, double y2, double g2, bool* met,
                       double* x, double* y, int* code) {
  constexpr double kPlain = 1e15, kAccuracy = 5e-9, kTurn = 1e-9;
  for (double v : {x1, y1, g1, x2, y2, g2}) {
    if (!(std::fabs(v) < kPlain)) return false;
  }
  using kx::detail::Lik;
  using kx::detail::Plan;
  const Plan a1{x1, y1}, a2{x1 + 1.0, y1 + g1}, b1{x2, y2}, b2{x2 + 1.0, y2 + g2};
  double dA = kx::detail::LineDirection(a1, a2);
  double dB = kx::detail::LineDirection(b1, b2);
  if (Lik(dA, kx::detail::kTwoPi, kAccuracy)) dA = 0.0;
  if (Lik(dB, kx::detail::kTwoPi, kAccuracy)) dB = 0.0;
  double opposite = std::fmod(dB + kx::detail::kPi, kx::detail::kTwoPi);  // B_Vinkel's turn
  if (opposite < 0.0) opposite += kx::detail::kTwoPi;
  if (Lik(opposite, kx::detail::kTwoPi, kTurn)) opposite = 0.0;
  *met = false;
  *code = 1;
  if (Lik(dA, dB, kAccuracy) || Lik(dA, opposite, kAccuracy)) return true;  // parallel
  const double slopeA = (a2.y - a1.y) / (a2.x - a1.x), slopeB = (b2.y - b1.y) / (b2.x - b1.x);
  const double interceptA = a1.y - a1.x * slopeA, interceptB = b1.y - b1.x * slopeB;
  const double px = (interceptB - interceptA) / (slopeA - slopeB);
  const double py = slopeA * px + interceptA;
  // The heights there (0 on both lines) are numbers only where the point lies at a finite
  // distance from each line's start.
  const Plan at{px, py};
  if (!std::isfinite(px) || !std::isfinite(py) || !std::isfinite(kx::detail::Distance(a1, at)) ||
      !std::isfinite(kx::detail::Distance(b1, at))) {
    return true;
  }
  *met = true;
  *code = 0;
  *x = px;
  *y = py;
  return true;
}

// The PRF reader. The header's one number is the line number of the last row; the first row
// (number 1) and the last give their points; a row with a radius starts a curve, whose vertex is
// where the grade arriving at it (through the previous row's point) meets the grade leaving the
// row that follows it (the curve's end); the other rows add nothing.
class PrfReader {
 public:
  PrfReader(QP_LinjePaalegg& profile, TekstFil& file, const char* name)
      : profile_(profile), file_(file), name_(name) {}

  // Hands over the line a curve row read ahead, once, as the next line of the file.
  bool TakeAhead(Streng& line) {
    if (!ahead_.pending) return false;
    ahead_.pending = false;
    line = ahead_.raw.c_str();
    return true;
  }

  bool Line(Streng& line, long long number) {
    PrfRow row;
    int count;
    const char* raw = line.GetString();
    if (ahead_.valid) {
      // The row a curve row read ahead: its values are known.
      row = ahead_.row;
      count = ahead_.count;
    } else {
      count = ParsePrf(raw, row);
    }
    ahead_.valid = false;
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
    return Curve(line, row, number);
  }

 private:
  bool Refuse(long long number, const char* raw) {
    ShowLineError(profile_, kPrfMessage, number, name_, raw);
    profile_.ErrorKode(-3);
    return false;
  }

  // Records code as the last error code and gives false: the import stops there.
  bool Fails(int code) {
    profile_.ErrorKode(code);
    return false;
  }

  bool Curve(Streng& line, const PrfRow& row, long long number) {
    curveRaw_ = line.GetString();  // for the message
    // The row that follows, read ahead; it is then read in its turn from what was kept, so the
    // file is read once and need not be seekable.
    PrfRow next;
    // A curve row that ends the file has no end row: refused like one followed by a row that is
    // not six values, rather than reading the curve row itself as its own end.
    int count = 0;
    if (file_.LesNesteLinje(&line, nullptr, 0) != 0) {
      ahead_.raw = line.GetString();
      count = ParsePrf(ahead_.raw.c_str(), next);
      ahead_.valid = ahead_.pending = true;
      ahead_.row = next;
      ahead_.count = count;
    }
    if (count < 6 || !next.Finite()) return Fails(-4);

    // The grade arriving, from the previous row's point; the grade leaving, from the next row's.
    // Parallel grades (equal in the file, as for a curve whose grades differ by less than the
    // six decimals show) do not meet: the vertex is then the next row's point.
    work_.SluttPunkt(work_.StartPunkt());
    work_.SluttPunkt()->InitRel(1.0, row.grade, 0.0);
    double x = next.x, y = next.y;
    const DT_Punkt* from = work_.StartPunkt();
    bool met = false;
    int code = 0;
    if (PlainIntersection(from->x(), from->y(), row.grade, next.x, next.y, next.grade, &met, &x, &y,
                          &code)) {
      profile_.ErrorKode(code);
      if (!met) x = next.x, y = next.y;
    } else {
      const DT_Punkt end(next.x, next.y, 0.0);
      DT_Punkt ahead(end);
      ahead.InitRel(1.0, next.grade, 0.0);
      B_Linje leaving(&end, &ahead);
      DT_Punkt vertex(end);
      work_.SkjaeringMed(&leaving, &vertex, 1);
      x = vertex.x();
      y = vertex.y();
    }
    if (!std::isfinite(x) || !std::isfinite(y)) return Refuse(number, curveRaw_.c_str());
    profile_.LeggTil(new DT_Punkt(x, y, std::fabs(row.radius)));
    return true;
  }

  QP_LinjePaalegg& profile_;
  TekstFil& file_;
  const char* name_;
  B_Linje work_;
  long long lastLine_ = LLONG_MIN;  // no line has this number
  std::string curveRaw_;            // the curve row being read, as read
  // The line read ahead, as read, and its values.
  struct Ahead {
    bool valid;    // row and count hold the values of the next line Line gets
    bool pending;  // raw is still to be handed over by TakeAhead
    std::string raw;
    PrfRow row;
    int count;
  } ahead_{false, false, {}, {}, 0};
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
  for (long long number = 1; prf.TakeAhead(line) || file.LesNesteLinje(&line, nullptr, 0) != 0;
       ++number) {
    if (type != kNylp && type != kPrf) return ErrorKode(-1);
    const bool read =
        type == kNylp ? ReadNylpLine(*this, line, number, fileName.Get()) : prf.Line(line, number);
    if (!read) return 0;
  }
  // A read error part way is not the end of the file.
  if (std::ferror(file.Peker()) != 0) return ErrorKode(-2);
  return CheckCurve();
}
