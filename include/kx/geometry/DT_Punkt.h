#pragma once
// DT_Punkt: the three-dimensional point of the library.
//
// Three coordinates x, y, z (plain doubles in the caller's length unit, stored contiguously in this
// order) and the number of decimals its text form shows. Lines hold points by value, circles are
// points (their centre), point lists and profiles are lists of them. A point owns nothing on the
// heap: copying it is cheap, and so are constructing it and Init(x, y, z).
//
// The hook: every successful setting operation (the Init and InitRel forms, InitPolar, the
// coordinate setters x/y/z with an object, and Les when it succeeds) calls the virtual
// UtforEtterInit once, after the coordinates are written, so that a derived class (a circle, a
// profile vertex) can keep derived state in step. Nothing else calls it: not the constructors,
// copying, Get(), operator[] or Transformer.
//
// The plane selector of Lik, AvstandTil and AngleTo says which coordinate differences take part:
//   planes  Lik ignores   AvstandTil ignores   AngleTo measures in
//   1       z             z                    the x-z plane
//   2       x             x                    the y-z plane
//   3       y             y                    the x-y plane
//   4       y and z       nothing              the x-y plane
//   5       x and z       nothing              the x-y plane
//   6       x and y       nothing              the x-y plane
//   other   nothing       nothing              the x-y plane (0 is the usual value)
//
// Watched points: a vertical profile's compiled curve table keeps a copy of its vertices and
// watches their points. Every change of a watched point (the Init and InitRel forms, InitPolar, the
// coordinate setters, assignment, Les, Transformer) and every non-const raw access (Get(),
// operator[]) is counted process-wide before the hook runs, so that the table compares its copy on
// its next query. A raw access also marks the point for good: the caller may keep the array and
// write through it later, so a table compares such a point at every query. The host writes
// through the array only during Les and Transformer. Points that no table watches are not
// counted; copies of a point are not watched.
//
// Shared results: AvstandTil and AngleTo without a result object return a DT_Double that belongs
// to the operation (one for each operation, shared by all points), and SomChar returns the text of
// one Streng that belongs to it. The next call of the same operation overwrites them; the caller
// copies what it keeps and never frees them.

#include <cstddef>
#include <cstdint>

#include "kx/foundation/DataType.h"

class DT_Double;
namespace kx::detail {
struct PointAccess;
}  // namespace kx::detail

class KX_API DT_Punkt : public DataType {
 public:
  // (x, y, z), two decimals shown.
  DT_Punkt(double x, double y, double z);
  // A copy of other's coordinates (its shown decimals are not copied: two are shown); (0, 0, 0)
  // when other is null. The default constructor.
  explicit DT_Punkt(const DT_Punkt* other = nullptr);
  // (0, 0, 0): DT_Punkt(nullptr) means "a copy of no point", not "no array".
  explicit DT_Punkt(std::nullptr_t);
  // (xyz[0], xyz[1], xyz[2]), two decimals shown; (0, 0, 0) for a null array.
  explicit DT_Punkt(const double xyz[3]);
  // Copy construction and assignment copy the class type, the coordinates and the shown decimals.
  // Neither runs the hook. Assignment counts as a change of this point (see Watched points).
  DT_Punkt(const DT_Punkt& other);
  DT_Punkt& operator=(const DT_Punkt& other);
  ~DT_Punkt() override;
  // Identity: -1 and "DT_Punkt".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Text form (virtual) ------------------------------------------------------------------------

  // The point as text, in the buffer of one Streng shared by every point and overwritten by the
  // next SomChar of any point: copy the text to keep it. Without fmt: "x,y,z" with
  // AntDesimalerSomVises() decimals each ("1.00,2.50,-3.00" by default). With fmt: fmt formatted by
  // the printf rules with x, y and z; it may read them with up to three conversions of the kinds
  // f F e E g G a A (with flags, width, precision and the length l or L), in that order, and may
  // hold any other text and "%%". Any other format (a fourth conversion, an integer or text
  // conversion, '*', a lone '%', a width or precision above 511) gives an empty text and last error
  // code -1. Cut at 511 characters.
  virtual char* SomChar(char* fmt = nullptr);
  template <typename C, kx::IfConstChar<C> = 0>
  char* SomChar(C* fmt) {
    return SomChar(const_cast<char*>(fmt));
  }

  // Setting (virtual) --------------------------------------------------------------------------

  // Init(xyz[0], xyz[1], xyz[2]) through the virtual table; its result. A null array gives 0 and
  // changes nothing.
  virtual int Init(const double xyz[3]);
  // Copies other's coordinates (not its shown decimals); 1 (hook). Null: 0, nothing changed.
  virtual int Init(DT_Punkt* other);
  // Sets the three coordinates; 1 (hook).
  virtual int Init(double x, double y, double z);
  // Init(DT_Punkt*) for a constant point (it is only read).
  template <typename P, kx::IfConstOf<P, DT_Punkt> = 0>
  int Init(P* other) {
    return Init(const_cast<DT_Punkt*>(static_cast<const DT_Punkt*>(other)));
  }

  // Setting ------------------------------------------------------------------------------------

  // Adds (dx, dy, dz) to the coordinates; 1 (hook).
  int InitRel(double dx, double dy, double dz);
  // Adds d's coordinates; 1 (hook). Null: 0, nothing changed.
  int InitRel(const DT_Punkt* d);
  // Adds (d[0], d[1], d[2]); 1 (hook). Null: 0, nothing changed.
  int InitRel(const double d[3]);
  // The point at length from origin in the direction angle (radians, counter-clockwise from the
  // positive x axis) in the x-y plane: the coordinates become origin's (this point's own for a null
  // origin), then x += cos(angle) * length and y += sin(angle) * length; z stays origin's. 1
  // (hook).
  int InitPolar(double angle, double length, const double origin[3]);
  // The same with the values of angle and length and origin's coordinates (null origin: this
  // point). A null angle or length gives 0, nothing changed.
  int InitPolar(const DT_Double* angle, const DT_Double* length, const DT_Punkt* origin);

  // Coordinates --------------------------------------------------------------------------------

  // With a non-null v: the coordinate becomes v's value (hook). With null (x(nullptr), x(0)): only
  // reads. Returns the coordinate after the call.
  double x(const DT_Double* v);
  double y(const DT_Double* v);
  double z(const DT_Double* v);
  // The coordinate.
  double x() const;
  double y() const;
  double z() const;
  // The point's own array of three doubles (x, y, z). Writes through it bypass the hook. The
  // non-const form marks the point as handed out (see Watched points); read through a const point
  // to avoid that.
  double (*Get())[3];
  const double (*Get() const)[3] { return &coords_; }
  // Coordinate i for i = 0, 1, 2 (x, y, z). A write through the reference bypasses the hook; the
  // non-const form marks the point as handed out. Any other index reads a NaN, and writes through
  // its reference go nowhere (a scratch value).
  double operator[](unsigned i) const;
  double& operator[](unsigned i);

  // With n from 0 to 255: n becomes the number of decimals SomChar shows; any other n (-1 reads)
  // leaves it. Returns the number now stored (2 for a new point).
  int AntDesimalerSomVises(int n = -1);

  // Measures -----------------------------------------------------------------------------------

  // 1 when the sum of the absolute coordinate differences to other (a Manhattan distance) over the
  // coordinates that the plane selector keeps lies strictly below tolerance (DT_Double::Lik(0.0,
  // tolerance) of the sum), else 0: a tolerance of 0 never gives equality. Null other: 0 with last
  // error code -1.
  int Lik(const DT_Punkt* other, double tolerance, int planes = 0);
  // The Euclidean distance to enPos over the coordinates the plane selector keeps (1, 2 and 3 drop
  // z, x and y; every other value keeps all three), in the unit of the coordinates. With a result
  // object the distance is stored in it (its hook runs) and result is returned; without one, the
  // operation's own shared DT_Double holds it (see above). Null enPos: the error box
  // "DT_Punkt::AvstandTil: Argument enPos=NULL." (title "Message"), last error code 1, and the
  // distance 0.0 delivered the same way.
  DT_Double* AvstandTil(const DT_Punkt* enPos, int planes = 0, DT_Double* result = nullptr);
  // The direction from this point to enPos in radians, counter-clockwise from the first axis of the
  // plane the selector names (x-z: from x towards z; y-z: from y towards z; x-y: from x towards
  // y), in [0, 2*pi); a value less than 1e-9 below 0 is left as it is. 0.0 when the points
  // coincide in that plane within 1e-9 (Manhattan). Delivered as AvstandTil delivers. Null enPos:
  // the error box "DT_Punkt::AngleTo: Argument enPos=NULL." titled "Critical ERROR", last error
  // code -1, and 0.0. A NaN coordinate gives a NaN angle.
  DT_Double* AngleTo(const DT_Punkt* enPos, int planes = 0, DT_Double* result = nullptr);

  // Output, input and the host ------------------------------------------------------------------

  // Shows "\nX=%f, Y=%f, Z= %f" with the coordinates through Printf.
  void SkrivUt();
  // Lets the user pick the point through the host (API_PickPoint of API()). With a prompt, first
  // shows it unchanged, then " <x,y,z>" (SomChar()) when showCurrent is not 0, then " : ", each
  // through Printf. The host gets the point's own array to fill, no prompt, a copy of base's
  // coordinates (null without base) to draw from, and the flag 1 when flag is not 0, else 0.
  // Host answer 1 or more: the point holds what the host wrote; 1 (hook). Answer -2 (the user took
  // the default): the point keeps its coordinates; 1 (hook). Any other answer: 0, and the point
  // holds whatever the host left in the array (no hook).
  int Les(const char* prompt = nullptr, int showCurrent = 0, const DT_Punkt* base = nullptr,
          int flag = 0);
  // Hands the point's own array and from and to unchanged to the host's API_TranslatePoint, which
  // may rewrite the coordinates (a change of coordinate system); returns the host's answer. The
  // hook does not run.
  int Transformer(int from, int to);

 private:
  friend struct kx::detail::PointAccess;
  // The tracking flags: a compiled curve table watches the point; its array was handed out.
  static constexpr std::uint8_t kWatched = 1;
  static constexpr std::uint8_t kHandedOut = 2;

  // Coordinate i, set from a non-null v first (hook).
  double Coordinate(int i, const DT_Double* v);
  // Counts a change (or, with handedOut, a raw access) of a watched point; before the hook runs.
  void Changed(bool handedOut = false);

  double coords_[3];
  std::int32_t decimals_ = 2;
  // In the padding after the decimals: the point is no larger for it.
  std::uint8_t tracking_ = 0;
};
