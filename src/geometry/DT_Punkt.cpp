#include "kx/geometry/DT_Punkt.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "containers/Edits.h"
#include "foundation/Format.h"
#include "geometry/Shared.h"
#include "kx/foundation/KxBasicAPI.h"
#include "kx/numbers/DT_Double.h"
#include "kx/text/Streng.h"
#include "numbers/NumberText.h"

namespace {

using kx::detail::OperationResult;

// The results that belong to the operations, not to a point (see OperationResult).
OperationResult<DT_Double> gDistance;
OperationResult<DT_Double> gAngle;
OperationResult<Streng> gText;

struct SharedResultsLifetime {
  ~SharedResultsLifetime() {
    gDistance.Unload();
    gAngle.Unload();
    gText.Unload();
  }
};
const SharedResultsLifetime gSharedResultsLifetime;

// Two points that differ by less than this (Manhattan, in the plane measured) have no direction.
constexpr double kSamePlace = 1e-9;
// An angle less than this below 0 is left as it is rather than turned into one just below 2*pi.
constexpr double kAngleAccuracy = 1e-9;

constexpr int kMaxShownDecimals = 255;

// Which coordinate differences a plane selector keeps, for Lik and for AvstandTil.
struct Kept {
  bool x, y, z;
};

Kept KeptByLik(int planes) {
  // Indexed by the selector 1 to 6 (Lik ignores z, x, y, y and z, x and z, x and y); every other
  // selector keeps all three.
  static constexpr Kept kKept[] = {{true, true, true},  {true, true, false},  {false, true, true},
                                   {true, false, true}, {true, false, false}, {false, true, false},
                                   {false, false, true}};
  return planes >= 1 && planes <= 6 ? kKept[planes] : kKept[0];
}

// AvstandTil drops one coordinate for the selectors 1 to 3, as Lik does, and none for the others.
Kept KeptByDistance(int planes) {
  return planes >= 1 && planes <= 3 ? KeptByLik(planes) : Kept{true, true, true};
}

// The plane AngleTo measures in: the coordinates along its first and second axis, and the Lik
// selector that ignores the third coordinate (to tell whether the points coincide in the plane).
struct Plane {
  int along, across, likPlanes;
};

Plane PlaneOfAngle(int planes) {
  switch (planes) {
    case 1:
      return {0, 2, 3};  // x-z
    case 2:
      return {1, 2, 2};  // y-z
    default:
      return {0, 1, 1};  // x-y
  }
}

// Stores value in result (its hook runs) and returns it; without result, in the operation's own
// object.
DT_Double* Deliver(OperationResult<DT_Double>& own, double value, DT_Double* result) {
  DT_Double* target = result != nullptr ? result : &own.Get();
  target->Init(value);
  return target;
}

// Formats x, y and z with a caller's format into buffer (size bytes, cut at size - 1). The format
// is cut before each conversion after the first, and each piece is formatted with its own
// coordinate by the number classes' checked formatting, which accepts one floating conversion or
// none. So any format that would read something other than up to three doubles is refused: buffer
// becomes "" and the result is false.
bool FormatCoordinates(char* buffer, std::size_t size, const char* fmt, const double (&xyz)[3]) {
  const char* starts[3] = {fmt, nullptr, nullptr};  // where the pieces start
  int conversions = 0;
  for (const char* p = fmt; *p != '\0'; ++p) {
    if (*p != '%') continue;
    if (p[1] == '%') {  // a literal percent sign
      ++p;
      continue;
    }
    if (conversions == 3) {  // a fourth conversion: nothing left to give it
      buffer[0] = '\0';
      return false;
    }
    if (conversions > 0) starts[conversions] = p;
    ++conversions;
  }
  std::string text;
  const int pieces = conversions > 0 ? conversions : 1;
  for (int i = 0; i < pieces; ++i) {
    const char* end = i + 1 < pieces ? starts[i + 1] : fmt + std::strlen(fmt);
    const std::string piece(starts[i], end);
    char part[kx::detail::kTextBufferSize];
    if (!kx::detail::FormatFloating(part, sizeof part, piece.c_str(), xyz[i])) {
      buffer[0] = '\0';
      return false;
    }
    text += part;
  }
  kx::detail::CopyBounded(buffer, size, text.c_str());
  return true;
}

}  // namespace

namespace kx::detail {
std::uint64_t gPointEdits = 0;
}  // namespace kx::detail

// The tracking flags live in the padding after the decimals count.
static_assert(sizeof(void*) != 8 || sizeof(DT_Punkt) == 48, "DT_Punkt grew");

void DT_Punkt::Changed(bool handedOut) {
  if (handedOut) tracking_ |= kHandedOut;
  if ((tracking_ & kWatched) != 0) ++kx::detail::gPointEdits;
}

DT_Punkt::DT_Punkt(double x, double y, double z) : coords_{x, y, z} {}

DT_Punkt::DT_Punkt(const DT_Punkt& other)
    : DataType(other),
      coords_{other.coords_[0], other.coords_[1], other.coords_[2]},
      decimals_(other.decimals_) {}

// Assigning a point to itself copies its values onto themselves, and counts as an edit like any
// assignment.
// NOLINTNEXTLINE(bugprone-unhandled-self-assignment)
DT_Punkt& DT_Punkt::operator=(const DT_Punkt& other) {
  DataType::operator=(other);
  for (int i = 0; i < 3; ++i) coords_[i] = other.coords_[i];
  decimals_ = other.decimals_;
  Changed();
  return *this;
}

DT_Punkt::DT_Punkt(const DT_Punkt* other)
    : coords_{other != nullptr ? other->x() : 0.0, other != nullptr ? other->y() : 0.0,
              other != nullptr ? other->z() : 0.0} {}

DT_Punkt::DT_Punkt(std::nullptr_t) : DT_Punkt(static_cast<const DT_Punkt*>(nullptr)) {}

DT_Punkt::DT_Punkt(const double xyz[3])
    : coords_{xyz != nullptr ? xyz[0] : 0.0, xyz != nullptr ? xyz[1] : 0.0,
              xyz != nullptr ? xyz[2] : 0.0} {}

int DT_Punkt::KlasseType() const { return -1; }

char* DT_Punkt::KlasseNavn() const {
  static char name[] = "DT_Punkt";
  return name;
}

DT_Punkt::~DT_Punkt() = default;

char* DT_Punkt::SomChar(char* fmt) {
  char text[kx::detail::kTextBufferSize];
  if (fmt == nullptr) {
    // The shown decimals are kept within 0 to 255, so the precision is always a valid one.
    const int n = decimals_;
    kx::detail::Format(text, sizeof text, "%.*f,%.*f,%.*f", n, coords_[0], n, coords_[1], n,
                       coords_[2]);
  } else if (!FormatCoordinates(text, sizeof text, fmt, coords_)) {
    ErrorKode(-1);
  }
  Streng& shared = gText.Get();
  shared = text;
  return shared.Get();
}

int DT_Punkt::Init(const double xyz[3]) {
  if (xyz == nullptr) return 0;
  return Init(xyz[0], xyz[1], xyz[2]);
}

int DT_Punkt::Init(DT_Punkt* other) {
  if (other == nullptr) return 0;
  for (int i = 0; i < 3; ++i) coords_[i] = other->coords_[i];  // other may be this point
  Changed();
  UtforEtterInit();
  return 1;
}

int DT_Punkt::Init(double x, double y, double z) {
  coords_[0] = x;
  coords_[1] = y;
  coords_[2] = z;
  Changed();
  UtforEtterInit();
  return 1;
}

int DT_Punkt::InitRel(double dx, double dy, double dz) {
  coords_[0] += dx;
  coords_[1] += dy;
  coords_[2] += dz;
  Changed();
  UtforEtterInit();
  return 1;
}

int DT_Punkt::InitRel(const DT_Punkt* d) {
  if (d == nullptr) return 0;
  return InitRel(d->coords_);
}

int DT_Punkt::InitRel(const double d[3]) {
  if (d == nullptr) return 0;
  return InitRel(d[0], d[1], d[2]);
}

int DT_Punkt::InitPolar(double angle, double length, const double origin[3]) {
  if (origin != nullptr) std::memmove(coords_, origin, sizeof coords_);
  coords_[0] += std::cos(angle) * length;
  coords_[1] += std::sin(angle) * length;
  Changed();
  UtforEtterInit();
  return 1;
}

int DT_Punkt::InitPolar(const DT_Double* angle, const DT_Double* length, const DT_Punkt* origin) {
  if (angle == nullptr || length == nullptr) return 0;
  return InitPolar(angle->Get(), length->Get(), origin != nullptr ? origin->coords_ : nullptr);
}

double DT_Punkt::Coordinate(int i, const DT_Double* v) {
  if (v != nullptr) {
    coords_[i] = v->Get();
    Changed();
    UtforEtterInit();
  }
  return coords_[i];
}

double DT_Punkt::x(const DT_Double* v) { return Coordinate(0, v); }
double DT_Punkt::y(const DT_Double* v) { return Coordinate(1, v); }
double DT_Punkt::z(const DT_Double* v) { return Coordinate(2, v); }

double DT_Punkt::x() const { return coords_[0]; }
double DT_Punkt::y() const { return coords_[1]; }
double DT_Punkt::z() const { return coords_[2]; }


// An index other than 0, 1 or 2 must not read or write beside the array: it reads a NaN (never a
// plausible coordinate), and a write lands in a scratch value that the next bad index resets.
double DT_Punkt::operator[](unsigned i) const {
  return i < 3 ? coords_[i] : std::numeric_limits<double>::quiet_NaN();
}

double (*DT_Punkt::Get())[3] {
  Changed(true);
  return &coords_;
}

double& DT_Punkt::operator[](unsigned i) {
  if (i < 3) {
    Changed(true);
    return coords_[i];
  }
  static double scratch;
  scratch = std::numeric_limits<double>::quiet_NaN();
  return scratch;
}

// Only counts that SomChar can show are stored (as for the number classes): a negative count
// would make an invalid format, and a huge one a text of no use.
int DT_Punkt::AntDesimalerSomVises(int n) {
  if (n >= 0 && n <= kMaxShownDecimals) decimals_ = n;
  return decimals_;
}

int DT_Punkt::Lik(const DT_Punkt* other, double tolerance, int planes) {
  if (other == nullptr) return ErrorKode(-1);
  const Kept kept = KeptByLik(planes);
  double sum = 0.0;
  if (kept.x) sum += std::fabs(coords_[0] - other->coords_[0]);
  if (kept.y) sum += std::fabs(coords_[1] - other->coords_[1]);
  if (kept.z) sum += std::fabs(coords_[2] - other->coords_[2]);
  return DT_Double(sum).Lik(0.0, tolerance);
}

DT_Double* DT_Punkt::AvstandTil(const DT_Punkt* enPos, int planes, DT_Double* result) {
  double distance = 0.0;
  if (enPos == nullptr) {
    Error1("DT_Punkt::AvstandTil: Argument enPos=NULL.");
    ErrorKode(1);
  } else {
    const Kept kept = KeptByDistance(planes);
    // Differences first: at road coordinates (x 100 000, y 6 000 000) they are exact for nearby
    // points, where squaring the coordinates themselves would lose the distance.
    const double dx = kept.x ? enPos->coords_[0] - coords_[0] : 0.0;
    const double dy = kept.y ? enPos->coords_[1] - coords_[1] : 0.0;
    const double dz = kept.z ? enPos->coords_[2] - coords_[2] : 0.0;
    distance = std::sqrt(dx * dx + dy * dy + dz * dz);
    // Squares of differences beyond about 1e154 overflow; hypot scales and finds the distance.
    if (std::isinf(distance)) distance = std::hypot(dx, dy, dz);
  }
  return Deliver(gDistance, distance, result);
}

DT_Double* DT_Punkt::AngleTo(const DT_Punkt* enPos, int planes, DT_Double* result) {
  double angle = 0.0;
  if (enPos == nullptr) {
    ErrBox("Critical ERROR", "%s", "DT_Punkt::AngleTo: Argument enPos=NULL.");
    ErrorKode(-1);
  } else {
    const Plane plane = PlaneOfAngle(planes);
    if (!Lik(enPos, kSamePlace, plane.likPlanes)) {
      angle = std::atan2(enPos->coords_[plane.across] - coords_[plane.across],
                         enPos->coords_[plane.along] - coords_[plane.along]);
    }
    // atan2 lies in [-pi, pi], so one turn added is enough; a loop would never end for a NaN,
    // which MindreEnn counts as below.
    if (DT_Double(angle).MindreEnn(0.0, kAngleAccuracy)) angle += kx::detail::kTwoPi;
  }
  return Deliver(gAngle, angle, result);
}

void DT_Punkt::SkrivUt() { Printf("\nX=%f, Y=%f, Z= %f", coords_[0], coords_[1], coords_[2]); }

int DT_Punkt::Les(const char* prompt, int showCurrent, const DT_Punkt* base, int flag) {
  double kept[3];
  std::memcpy(kept, coords_, sizeof kept);
  kx::detail::ShowPrompt(*this, prompt,
                         prompt != nullptr && showCurrent != 0 ? SomChar(nullptr) : nullptr);
  // The host gets a copy of the base point: it draws from it and must not change the caller's.
  double basePoint[3] = {0.0, 0.0, 0.0};
  if (base != nullptr) std::memcpy(basePoint, base->coords_, sizeof basePoint);
  const int answer = API(nullptr)->API_PickPoint(
      coords_, static_cast<char*>(nullptr), base != nullptr ? basePoint : nullptr, flag != 0 ? 1 : 0);
  // The host may have written the array, whatever it answered.
  Changed();
  if (answer >= 1) {
    UtforEtterInit();
    return 1;
  }
  // Any other answer but -2 fails, and the point holds whatever the host left in the array.
  if (answer != -2) return 0;
  // -2: the user took the default the prompt showed, the point as it was.
  std::memcpy(coords_, kept, sizeof coords_);
  UtforEtterInit();
  return 1;
}

int DT_Punkt::Transformer(int from, int to) {
  const int answer = API(nullptr)->API_TranslatePoint(coords_, from, to);
  Changed();
  return answer;
}
