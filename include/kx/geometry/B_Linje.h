#pragma once
// B_Linje: the straight line from a start point to an end point.
//
// It serves both as a bounded segment (lengths, positions between the ends) and as the carrier of
// an infinite line (direction, slope, intersection). Plan measures (direction, slope, the position
// at a given x or y) use x and y only; lengths use all three coordinates. The line owns no heap
// memory: building, copying and measuring it is cheap.
//
// Results: every measure that returns a DT_Double* or DT_Punkt* returns one of the line's own
// members, never something for the caller to free. It stays valid while the line lives and is
// overwritten by the next measure that uses the same holder:
//   result point     MidtPunkt
//   result number    Vinkel, Lengde, DX, DY, StigningsTall, LengdeFraStartTil, LengdeFraSluttTil
//                    (and SkjaeringMed and PosIoffsLangsLinje, which measure through Lengde and
//                    Vinkel)
//   distance result  DistTo3DLine
// So Lengde() followed by Vinkel() leaves only the angle; copy a result to keep it.
//
// Tolerances of the intersection and projection are fixed: 5e-9 for lengths, directions, heights
// and the on-segment tests, 1e-9 for coincident points and the height range of a vertical line.
// Every comparison is the strict tolerance comparison of DT_Double (a value exactly at the bound
// does not match).

#include "kx/foundation/DataType.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/numbers/DT_Double.h"

class KX_API B_Linje : public DataType {
 public:
  // A line from start to end: copies of their coordinates (the line never keeps the caller's
  // pointers); a null point gives (0, 0, 0). The result holders start at 0. The default
  // constructor is the line from (0, 0, 0) to (0, 0, 0).
  explicit B_Linje(const DT_Punkt* start = nullptr, const DT_Punkt* end = nullptr);
  // Copy construction and assignment copy both ends and the three result holders.
  B_Linje(const B_Linje& other) = default;
  B_Linje& operator=(const B_Linje& other) = default;
  ~B_Linje() override;
  // Identity: -1 and "B_Linje".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Setting ------------------------------------------------------------------------------------

  // Copies other's start and end coordinates (not its results); null changes nothing. Returns
  // this line.
  B_Linje* Init(const B_Linje* other);
  // Sets the start point from start and the end point from end, each only when not null. Returns
  // this line.
  B_Linje* Init(const DT_Punkt* start, const DT_Punkt* end);
  // With a non-null p, copies p's coordinates into the start point (the point's Init, so its hook
  // runs). Always returns the line's own start point, which the caller may read or change in place.
  DT_Punkt* StartPunkt(const DT_Punkt* p = nullptr);
  // The same for the end point.
  DT_Punkt* SluttPunkt(const DT_Punkt* p = nullptr);
  // The ends of a const line, to read.
  const DT_Punkt* StartPunkt() const;
  const DT_Punkt* SluttPunkt() const;

  // Measures -----------------------------------------------------------------------------------

  // The point halfway between the ends (all three coordinates), in the result point.
  DT_Punkt* MidtPunkt();
  // The plan direction from start to end in radians, counter-clockwise from the positive x axis,
  // in [0, 2*pi]; 0 when the ends coincide in plan (within 1e-9). In the result number.
  DT_Double* Vinkel();
  // The three-dimensional length, in the result number.
  DT_Double* Lengde();
  // end.x - start.x and end.y - start.y, in the result number.
  DT_Double* DX();
  DT_Double* DY();
  // The slope against the horizontal run: DY() * (s * factor) / |DX()|, with s = 1 when sign is
  // not 0 and -1 when it is. The run is taken without sign, so the result follows the rise from
  // start to end whichever way the line runs along x; factor 100 gives per cent. A line with
  // exactly equal x at both ends gives 999999999.0. In the result number.
  DT_Double* StigningsTall(double factor, int sign);
  // The three-dimensional distance from the start (the end) to p, in the result number. Null p:
  // null, nothing changed, no error code.
  DT_Double* LengdeFraStartTil(const DT_Punkt* p);
  DT_Double* LengdeFraSluttTil(const DT_Punkt* p);

  // The point of the segment above x: out becomes (x, y on the line, 0.0) through its virtual
  // Init(x, y, z); returns 1. The ends are sorted by x first. x must lie inside [smaller x, larger
  // x] widened by tolerance (strictly: with tolerance 0 an end's own x is refused); a value within
  // the widening is extrapolated. A segment with exactly equal x at both ends gives the end
  // point's y (and, since 0 widening never matches, needs a tolerance above 0). Failures: 0, out
  // unchanged, last error code -1 x null, -2 out null, -3 x outside the segment, or a position
  // that is not a finite number (an end at infinity, an overflow).
  int GetPosI_X(const DT_Double* x, DT_Punkt* out, double tolerance);
  // The same with x and y exchanged: out becomes (x on the line, y, 0.0).
  int GetPosI_Y(const DT_Double* y, DT_Punkt* out, double tolerance);

  // Intersection and projection ----------------------------------------------------------------

  // The plan intersection of this line (A) with other (B), written to result with the height of
  // A there. Each line is a three-dimensional segment whose height runs linearly with the plan
  // distance from its start. With infinite not 0 the lines are infinite; with 0 the point must lie
  // on both segments. Returns 1 or 0 and sets the last error code:
  //   return code
  //   0      -3   other or result null
  //   0      -2   a line of (three-dimensional) length 0 within 5e-9, or with a coordinate that is
  //               not a finite number
  //   0       1   both lines are points in plan; parallel or anti-parallel in plan (also two lines
  //               that both run within 5e-9 of straight along y); or an intersection too far away
  //               to be a finite number
  //   0      -1   one line is a point in plan that does not lie on the other (infinite) line
  //   1       0   intersection found; both lines have the same height there (within 5e-9)
  //   1       1   intersection found in plan; the heights differ
  //   0    2..7   segments only: 2 on A not on B, 3 on B not on A, 4 on neither (heights agree);
  //               5, 6, 7 the same when the heights differ
  // Result is written (x, y, 0.0) through its virtual Init(x, y, z), then its z is set to A's
  // height through z(DT_Double*), also when the segment test fails (codes 2 to 7); on the other
  // failures it is unchanged. A point in plan is a line whose ends lie within 5e-9 of each other
  // in plan: in space, a vertical line, which meets the other only within its height range.
  // Measures both lines, so their result numbers are overwritten.
  int SkjaeringMed(B_Linje* other, DT_Punkt* result, int infinite);
  // The signed perpendicular distance from p to the infinite line in three dimensions: negative
  // when p lies left of the direction from start to end in plan, positive right of it or on it.
  // foot (when not null) receives the foot of the perpendicular, inside (when not null) 1 when the
  // foot lies on the segment (within 5e-9), else 0. When the line is a point (its ends within 1e-9,
  // Manhattan), the result is the unsigned distance to the start and the foot is the start; when p
  // lies on an end (within 1e-9), the result is 0 and the foot that end; inside is 1 in these
  // cases. In the distance result. A NaN coordinate gives a NaN distance and inside 0.
  DT_Double* DistTo3DLine(const DT_Punkt& p, DT_Punkt* foot = nullptr, int* inside = nullptr);
  // Sets normal to the line from a copy of from to its perpendicular foot on this line; 1. With
  // infinite 0 and the foot outside the segment: 0 with last error code 0, normal still set. from
  // or normal null: 0 with last error code -1, nothing changed.
  int NormalPaaLinjeFra(const DT_Punkt* from, B_Linje* normal, int infinite);
  // The point at distance (three-dimensional) from the start towards the end: out becomes start +
  // distance / Lengde() * (end - start) through its virtual Init(x, y, z); 1. A negative distance,
  // or one beyond the end, extrapolates. Null distance or out: 0, no error code. A line of length 0
  // within 5e-9 has no direction, and a point that is not a finite number is none: 0 with last
  // error code -1; out unchanged in every failure.
  int PosIoffsLangsLinje(const DT_Double* distance, DT_Punkt* out);

 private:
  // GetPosI_X (axis 0) and GetPosI_Y (axis 1).
  int PositionAt(int axis, const DT_Double* value, DT_Punkt* out, double tolerance);

  DT_Punkt start_;
  DT_Punkt end_;
  DT_Punkt resultPoint_;
  DT_Double resultNumber_;
  DT_Double distanceResult_;
};
