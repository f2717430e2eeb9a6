// QP_LinjePaalegg: writing a profile as a NYLP or a PRF file.

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "kx/containers/DT_Node.h"
#include "kx/files/TekstFil.h"
#include "kx/geometry/B_Linje.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "numbers/Tolerance.h"
#include "profile/ProfileMath.h"

namespace {

// A radius within this of 0 starts no curve (the grade of its row is then the one leaving it).
constexpr double kNoRadius = 1e-9;

// Writes fmt formatted with the arguments to file, however long (a number of 300 digits is
// written whole, never cut).
void Write(TekstFil& file, const char* fmt, ...)
#if defined(__GNUC__) || defined(__clang__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
void Write(TekstFil& file, const char* fmt, ...) {
  char buffer[1024];
  va_list args, again;
  va_start(args, fmt);
  va_copy(again, args);
  const int length = std::vsnprintf(buffer, sizeof buffer, fmt, args);
  if (length >= 0 && static_cast<std::size_t>(length) < sizeof buffer) {
    file.LeggTilLinje(buffer);
  } else if (length >= 0) {
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(&text[0], text.size(), fmt, again);
    file.LeggTilLinje(text.c_str());
  }
  va_end(again);
  va_end(args);
}

struct Row {
  double x, y, z;
};

bool Finite(const Row& r) { return std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.z); }

void WriteNylp(TekstFil& file, const std::vector<Row>& vertices) {
  Write(file, "\n\n\n\n%.4f 10.0 %.4f", vertices.front().x, vertices.back().x);
  for (const Row& v : vertices) Write(file, "\n%.4f %.4f %.4f", v.x, v.y, v.z);
}

void WritePrf(TekstFil& file, const std::vector<Row>& rows) {
  const int count = static_cast<int>(rows.size());
  // The header: the line number of the last row, padded to 125 characters.
  Streng header;
  header.Init("%d", count + 1);
  header.FyllBlankeTilLengdeEr(125, 1);
  header.Add(",\n");
  file.LeggTilLinje(&header);
  int n = 1;
  double gOut = 0.0;  // the grade leaving the previous row (0 before the first)
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& cur = rows[i];
    if (i > 0) {
      const Row& prev = rows[i - 1];
      double gIn = gOut;
      gOut = kx::detail::Grade({prev.x, prev.y}, {cur.x, cur.y});
      if (kx::detail::Lik(prev.z, 0.0, kNoRadius)) gIn = gOut;
      Write(file,
            "%d,%12.4f,%12.4f,%11.6f,%12.4f,%10.4f,   0.000000,   0.000000,     0.0000,     "
            "0.0000,             ,\n",
            n, prev.x, prev.y, gIn, prev.z, cur.x - prev.x);
      ++n;
    }
    if (n == count) {
      Write(file,
            "%d,%12.4f,%12.4f,   0.000000,      0.0000,    0.0000,   0.000000,   0.000000,     "
            "0.0000,     0.0000,             ,\n",
            n, cur.x, cur.y);
    }
  }
}

}  // namespace

int QP_LinjePaalegg::CreateAsciiFile(TekstFil* file) {
  if (CheckCurve() == 0) return 0;
  if (file == nullptr) return ErrorKode(-1);
  std::vector<Row> vertices;
  for (HovedObjekt* node = AktiverForste(1); node != nullptr; node = AktiverNeste(1)) {
    if (const auto* p = static_cast<const DT_Punkt*>(static_cast<DT_Node*>(node)->GetDette())) {
      vertices.push_back({p->x(), p->y(), p->z()});
    }
  }
  // Decisions of our own: a profile without vertices has nothing to write (there is no first
  // chainage for the NYLP header, no first row for PRF); a vertex that is no finite number would
  // be written as text that no reader takes back ("nan"). Both are refused before anything is
  // written.
  if (vertices.empty()) return ErrorKode(-2);
  for (const Row& v : vertices) {
    if (!Finite(v)) return ErrorKode(-3);
  }
  if (file->FilNavn()->Ext()->Lik(".PRF", -1, 0) == 0) {
    WriteNylp(*file, vertices);
    return 1;
  }

  // PRF: the rows are the points where the line is travelled from grade to curve and back: the
  // first point, then for each vertex the start of its curve (with its radius) and the point it
  // leaves from towards the next vertex (the curve's end, or the vertex itself when it has no
  // curve), and last the last vertex.
  const bool parabolic = Modes(1, 1) != 0;
  std::vector<Row> rows;
  rows.reserve(2 * vertices.size() + 1);
  Row from = vertices.front();
  for (std::size_t i = 2; i < vertices.size(); ++i) {
    const Row& b = vertices[i - 1];
    const Row& c = vertices[i];
    const DT_Punkt vertex(b.x, b.y, b.z), previous(from.x, from.y, from.z), next(c.x, c.y, c.z);
    B_Linje in(&vertex, &previous), out(&vertex, &next);
    DT_Double radius(b.z), angle;
    rows.push_back({from.x, from.y, 0.0});
    if (CalculateTangPoints(in, out, radius, &angle) != 0) {
      // The sign of the radius column: + where the grade leaving the vertex rises, - otherwise,
      // as the files the host programs exchange have always carried it (reading drops it).
      const double rising = out.StigningsTall(1.0, 1)->Get();
      const double sign = rising > out.StigningsTall(1.0, 0)->Get() ? 1.0 : -1.0;
      const DT_Punkt& t1 = *in.SluttPunkt();
      // Parabolic tangent points carry no radius; the vertex's own is written, so that the file
      // keeps its curves (a row with radius 0 would start none when read back).
      rows.push_back({t1.x(), t1.y(), (parabolic ? b.z : t1.z()) * sign});
      const DT_Punkt& t2 = *out.SluttPunkt();
      from = {t2.x(), t2.y(), 0.0};
    } else {
      from = {b.x, b.y, 0.0};
    }
  }
  rows.push_back(from);
  rows.push_back(vertices.back());
  for (const Row& r : rows) {
    if (!Finite(r)) return ErrorKode(-3);
  }
  WritePrf(*file, rows);
  return 1;
}
