#pragma once
// QP_LinjePaalegg: a vertical profile (line overlay), the height of a road or line along its
// chainage.
//
// The profile is a point list whose points are its vertices, in the order of the line:
//   x  the chainage of the vertex
//   y  its height (same length unit)
//   z  the radius of the vertical curve that rounds the vertex; 0 means a sharp grade break
// The radius of the first and of the last vertex has no effect. Nothing sorts the vertices: the
// height computation expects increasing chainage (see HoydeIProfil for what it does otherwise).
// The profile owns its vertices (AutoSlett 1) and deletes them with itself; a node whose point a
// caller cleared is passed over.
//
// Curve shape: bit value 1 of the modes word (Modes) selects parabolic vertical curves; when it is
// clear, vertical curves are circular arcs. The profile adds an identity text, a group number and a
// theme code for its host; none of them takes part in a computation.
//
// The heights: HoydeIProfil looks at the vertices through a window of three (A, B, C), in list
// order from the first, until a window holds the chainage, and answers on a grade line or on the
// curve of the middle vertex. Every query moves the list's cursor (to where a walk with the cursor
// would leave it) and changes no vertex, so a caller walking the list must not interleave its walk
// with queries.
//
// The compiled curve table: on first need the profile reads its vertices and fits the curve of
// every vertex once, with the same operations a query used to repeat, and keeps them. A query then
// finds its window by binary search on chainage and answers from the table: O(log n), no
// trigonometry, no allocation; the results, last error codes and cursor are exactly those of the
// walk (well inside a grade line or a curve of a profile in order, the table knows the walk's
// answer there and gives it at once). Vertices out of chainage order, repeated chainages,
// chainages that are no finite number or beyond ±1e9 are answered too, by looking at the table's
// windows in list order (O(n)).
// The table is never stale. It is rebuilt on the next query after any change of what it was built
// from: the list's members (appending, inserting, removing, Sorter, also through a DT_Nodeliste* or
// DT_PointList*), any call of a DT_Node setter (SetForrige, SetNeste, SetDette on any node),
// Modes, and a change of a vertex (DT_Punkt's setters, assignment, Les, Transformer, and writes
// through Get() or operator[]). Checking costs constant time when nothing changed; after a change
// of some point it compares its copy of the vertices (no trigonometry). A vertex whose array was
// handed out (non-const Get() or operator[], see DT_Punkt.h) is compared at every query, since it
// may change without notice. A copy or assignment of a profile starts without a table.
//
// Copying: the copy constructor and assignment make new vertices (as DT_PointList copies) and copy
// the group number, theme code, identity and modes.
//
// Queries of many heights, grades and curve descriptions on plain doubles: kx/profile/
// ProfileQueries.h, which also names the bits and operations of the modes word.
//
// Results: 1 for success, 0 for failure with the last error code (ErrorKode(-9999)) naming the
// cause, as each member says.

#include "kx/containers/DT_PointList.h"
#include "kx/numbers/DT_Double.h"
#include "kx/numbers/DT_Int.h"
#include "kx/text/Streng.h"

class B_Linje;
class DT_Punkt;
class TekstFil;
namespace kx::detail {
class CurveTable;
struct ProfileAccess;
}  // namespace kx::detail

class KX_API QP_LinjePaalegg : public DT_PointList {
 public:
  // An empty profile: group number and theme code 0.0, empty identity, modes 0 (circular curves).
  QP_LinjePaalegg();
  QP_LinjePaalegg(const QP_LinjePaalegg& other);
  QP_LinjePaalegg& operator=(const QP_LinjePaalegg& other);
  ~QP_LinjePaalegg() override;
  // Identity: -1 and "QP_LinjePaalegg".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The line identity; a non-null s is copied in first (Streng::Init). Returns the profile's own
  // member, which the caller never frees.
  Streng* LinjeIdentitet(const Streng* s = nullptr);
  // The group number; a non-null v is copied in first (DT_Double::Init). The profile's own member.
  DT_Double* GruppeNummer(const DT_Double* v = nullptr);
  // The theme code, as GruppeNummer.
  DT_Double* Temakode(const DT_Double* v = nullptr);

  // The modes word (bit value 1: parabolic curves). op 1 tests: 1 when modes AND flags is not 0,
  // else 0. op 2 sets bits: modes |= flags, returns the new word. op 3 replaces the word with flags
  // and returns it. Any other op reads the word. No operation clears single bits.
  int Modes(int flags, int op);

  // Hooks for a host's dialogs and line handles: they do nothing here and return 0.
  int InitVedInvoke(const Streng* text);
  int Overfor_VHA_Dialog(const Streng* text, const DT_Double* a, const DT_Double* b);
  int InitFromLineHandle(const Streng& handle, int flag);

  // Heights ------------------------------------------------------------------------------------

  // The height of the profile at *chainage into *height: on the straight grade between vertices,
  // or on the vertical curve of a vertex with a radius (circular arc, or parabola in parabolic
  // mode). Returns 1 with *height set, or 0 with *height untouched and the last error code:
  //   -5  fewer than two vertices, or chainage or height null
  //   -4  chainage before the first vertex by 1e-6 or more (also a NaN chainage)
  //   -7  a two-vertex profile asked outside its segment by 1e-9 or more
  //    0  chainage beyond the last vertex by 1e-6 or more
  //   -6  the grade line chosen after leaving a curve gives no height there (in practice: a vertex
  //       whose height is not a finite number)
  // Within 1e-6 of either end (1e-9 for two vertices) the end grade is extended. A success can
  // still leave a code that a step on the way recorded: -3 when the height came from the second
  // grade line tried at a vertex without curve, 2 when (circular mode) a curve's circle did not
  // reach the chainage, the code of CalculateTangPoints' radius check after a parabolic curve was
  // examined (0; 1 for grades a hair apart, -2 for values that are no finite number); read it as
  // information, not as an error. A curve whose two grades are equal (tangent length 0 within 1e-9)
  // is a vertex without curve. A height that is not a finite number is never reported: a curve that
  // gives one does not hold the chainage, and a grade line that gives one fails.
  int HoydeIProfil(DT_Double* height, const DT_Double* chainage);
  // At *chainage: *profileHeight the profile height (HoydeIProfil), *lineHeight the height of the
  // bare vertex polygon (InterpolerMHP_X, radii ignored), *difference lineHeight - profileHeight
  // (positive where the curve lies below the polygon); each only when not null, in that order, so
  // a failure leaves the earlier outputs written. 0 with last error code -1 for a null chainage,
  // -2 when all three outputs are null, -3 when difference is asked without both heights, -4 when
  // the polygon has no point there, and HoydeIProfil's code minus 100 when the profile height
  // fails.
  int GetHeightExt(const DT_Double* chainage, DT_Double* lineHeight, DT_Double* profileHeight,
                   DT_Double* difference);
  // The lowest and the highest profile height met when sampling from *from (the first vertex's
  // chainage when null) at *step (10.0 when null): from, from + step, ... at every position at
  // least 1e-4 below *to (the last vertex's chainage when null), then *to itself. Writes *minHeight
  // and *maxHeight where not null. The running values start at 999999.9 and -999999.9, and a height
  // replaces them only when beyond them by 1e-9. 0 with last error code -1 when both outputs are
  // null, -2 for fewer than two vertices, -3 when from is not below to by more than 1e-9, when an
  // end is not a finite number, when step is not positive or a NaN, or when step is too small to
  // move the position on (the scan would never end), -4 when the scan would take more than
  // 2 000 000 steps ((to - from) / step above 2e6; a tenth of a second of heights at most; on a
  // profile whose heights look at its windows in list order, see above, steps times vertices - 2),
  // and a failing height's code minus 100 (outputs untouched). The cursor and the last error code
  // end as the last height asked left them. Each height costs O(1) for a scan in increasing
  // chainage.
  int GetMaxMinHeigth(DT_Double* minHeight, DT_Double* maxHeight, const DT_Double* from = nullptr,
                      const DT_Double* to = nullptr, const DT_Double* step = nullptr);

  // Tangent points ----------------------------------------------------------------------------

  // The tangent points of the curve of radius *radius at a vertex. in and out both start at the
  // vertex; in runs back towards the previous point, out on towards the next. In place: in's end
  // becomes the tangent point T1 on the incoming grade and out's end T2 on the outgoing grade.
  // *angle (when not null) gets direction(out) - direction(in), radians.
  //   Circular mode: both lie R·tan(δ/2) from the vertex along their grade (δ the deflection; the
  //   ends keep the vertex's z); 1. A tangent length 0 within 1e-9 (radius 0, grades that run on
  //   straight): both ends move onto the vertex, *angle = π, result 0. A negative radius: the
  //   trace text "QP_LinjePaalegg::CalculateTangPoints: ERROR !!!!!" (DOVERO01_TRACE1), the lines
  //   unchanged, result 1.
  //   Parabolic mode: T = R·|gOut - gIn|/2 in chainage, T1 = (xV - T, yV - T·gIn, 0), T2 = (xV +
  //   T, yV + T·gOut, 0); *radius is overwritten with the radius of curvature the two normals at
  //   T1 and T2 meet at (keep a copy of the radius you passed); 1. T 0 within 1e-9: as above, 0.
  // The parabolic radius check records the last error code of the normals' intersection (0 when
  // they meet).
  int CalculateTangPoints(B_Linje& in, B_Linje& out, DT_Double& radius, DT_Double* angle);
  // Checks that no curve starts before the end of the previous vertex's curve (or before the
  // previous vertex, when that has none), by more than 1e-4. On an overlap shows the host's text
  // number 17346, by default "Overlapped tangentpoints in sections between %.2f and %.2f !", with
  // the start of the curve and the end of the previous one, in the application's message box, and
  // returns 0. A host text that would read anything but two floating-point numbers (or asks for a
  // width or precision above 511) is not used: the default is shown. 1 when nothing overlaps, also for fewer than three vertices. Moves the cursor.
  int CheckCurve();
  // The tangent points of an unsymmetrical parabola at p2 (p1 the previous vertex, p3 the next):
  // T1 on p1-p2 at chainage p2.x - *iLeftTanDX/2, T2 on p2-p3 at p2.x + *iRightTanDX/2. Then p2
  // becomes T1, p4 a copy of p3, p3 becomes T2 (tangent points with z 0); 1. A null half-length:
  // the message "QP_LinjePaalegg::CalculateNonSymmetricalPoints\n\niLeftTanDX or iRightTanDX
  // can't be NULL in this version !" in the application's message box and 0 (the last error code
  // untouched). 0 with last error code -1 in circular mode, -3 when T1 lies outside p1-p2, -2 when
  // T2 lies outside p2-p3 (by 1e-9 or more); nothing written on failure.
  int CalculateNonSymmetricalPoints(const DT_Punkt& p1, DT_Punkt& p2, DT_Punkt& p3, DT_Punkt& p4,
                                    const DT_Double* iLeftTanDX, const DT_Double* iRightTanDX);

  // Files ------------------------------------------------------------------------------------
  // The two formats are described in the README ("Profile files").

  // Appends the vertices of the profile file fileName to the profile (which is not emptied first):
  // type 1 NYLP (five header lines, then "chainage height radius" a line, read in single
  // precision), type 2 PRF (a table of tangent points; each curve's vertex is rebuilt where its two
  // grades meet). Blank lines are skipped; a CR LF file reads as an LF file. Ends with CheckCurve
  // and returns its result: 1, or 0 after its overlap message (the code untouched). Failures: 0
  // with the last error code, the vertices read before the failing line kept:
  //   -2  the file does not exist or cannot be read
  //   -1  type is not 1 or 2 (an empty file returns CheckCurve's result first)
  //   -3  a line that cannot be read: a NYLP data line without three numbers, a PRF line with
  //       neither one nor six values, or a number that is no finite value. Shown first through
  //       Error1: "Error importing NYLP-file:\n\nUnable to read line %d in \"%s\".\n\n[%s]\n\n
  //       The format of a NYLP-line should be:\n\nProfile  Height  Radius    (all decimal
  //       numbers)." or "Error importing PRF-file:\n\nUnable to read line %d in \"%s\".\n\n[%s]."
  //       with the line number, fileName and the line; a name and line too long for the 511
  //       characters of a message are cut, marked with "..." (the name keeps its end, the line its
  //       start), so the message is always whole.
  //   -4  a PRF curve row (radius not 0) that is not followed directly by a row of six values (also
  //       when it is the file's last line)
  int InitFromAsciiFile(Streng& fileName, int type);
  // Writes the profile to file, which the caller has opened for writing (and closes): PRF when the
  // file name's extension is exactly ".PRF" (names given to the TekstFil constructor are upper-
  // cased), otherwise NYLP. Runs CheckCurve first. 1 when the text was produced (a failed write
  // is not reported). 0, nothing written: after CheckCurve's overlap message (the code
  // untouched); with last error code -1 for a null file, -2 for a profile without vertices, -3
  // for a vertex or a tangent point that is no finite number. Moves the cursor.
  int CreateAsciiFile(TekstFil* file);

 private:
  friend class kx::detail::CurveTable;
  friend struct kx::detail::ProfileAccess;
  // The compiled curve table, built on first need; a copy starts without one.
  class TableSlot {
   public:
    TableSlot() = default;
    TableSlot(const TableSlot&) {}
    TableSlot& operator=(const TableSlot&);
    ~TableSlot();
    kx::detail::CurveTable* table = nullptr;
  };

  DT_Double gruppeNummer_;
  DT_Double temakode_;
  Streng linjeIdentitet_;
  DT_Int modes_;
  TableSlot table_;
};
