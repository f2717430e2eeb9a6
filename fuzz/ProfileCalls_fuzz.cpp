// Fuzz target for the cost and the results of the profile's public calls: a profile from the
// input (a few vertices given one by one, or up to 40 000 generated in order, in a zigzag or at
// random; coordinates and radii from the input, NaN and infinity included), circular or
// parabolic, then heights, heights with the polygon's, min/max scans (tiny steps, huge ranges,
// ends that are no number), the curve check, the batch heights, grades and curve descriptions,
// the text forms of numbers and points with formats from the input, and edits between them.
//
// It runs with -timeout=2 (fuzz/options/profilecalls): no input, so no call, may take 2 seconds
// in the instrumented build. Each answer is held to what the calls promise: a height that
// succeeds is a finite number, a failure gives one of the documented codes, the batch gives
// HoydeIProfil's heights bit for bit, a curve lies between its tangent points, a text form never
// exceeds 511 characters.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/numbers/DT_Double.h"
#include "kx/profile/ProfileQueries.h"
#include "kx/profile/QP_LinjePaalegg.h"

namespace {

using kx::fuzz::Input;

// A number for a coordinate or a radius: mostly ordinary, sometimes any bit pattern.
double Coordinate(Input& in) {
  static const double kSpecial[] = {0.0,      -0.0,      1e-300, -1e-300, 1e300, -1e300, 1e9, -1e9,
                                    HUGE_VAL, -HUGE_VAL, NAN,    5e-324,  1e-9,  1e-6,   1e-4};
  switch (in.Small(8)) {
    case 0:
      return kSpecial[in.Small(sizeof kSpecial / sizeof kSpecial[0])];
    case 1:
      return in.Real();
    default:
      return static_cast<double>(static_cast<std::int16_t>(in.Int())) +
             static_cast<double>(in.Small(1000)) / 1000.0;
  }
}

// A chainage to ask: any number, or one near a vertex (tangent points and ends are near them).
double Chainage(Input& in, QP_LinjePaalegg& profile) {
  const int n = profile.Antall();
  if (n > 0 && in.Small(2) == 0) {
    DT_Punkt* p = nullptr;
    profile.GetIndex(&p, in.Small(n));
    static const double kNudge[] = {0.0, 1e-9, -1e-9, 1e-6, -1e-6, 2e-6, 1e-4, 0.5, -0.5, 20.0};
    if (p != nullptr) return p->x() + kNudge[in.Small(sizeof kNudge / sizeof kNudge[0])];
  }
  return Coordinate(in);
}

// A format for the text forms: mostly the characters a conversion is made of.
std::string Format(Input& in) {
  static const char* const kPieces[] = {
      "%",   "f", "e",  "g",    "a", "l", "L",          ".",         "5",  "511",
      "512", "-", "+",  " ",    "#", "0", "%%",         "d",         "s",  "n",
      "*",   "x", "%f", "%.3f", ",", "9", "2147483647", "%511.511f", "%e", "%g"};
  std::string format;
  for (int n = in.Small(10); n > 0; --n) {
    format += kPieces[in.Small(sizeof kPieces / sizeof kPieces[0])];
  }
  return format;
}

void Build(Input& in, QP_LinjePaalegg& profile) {
  const int kind = in.Small(4);
  if (kind == 0) {  // vertices one by one
    for (int n = in.Small(24); n > 0; --n) {
      const double x = Coordinate(in), y = Coordinate(in), z = Coordinate(in);
      profile.LeggTil(new DT_Punkt(x, y, z));
    }
    return;
  }
  // Generated: many vertices from a few numbers.
  const int n = 2 + in.Small(in.Small(4) == 0 ? 40000 : 400);
  const double start = Coordinate(in), dx = Coordinate(in), dy = Coordinate(in);
  const double radius = Coordinate(in);
  const int every = 1 + in.Small(4);  // a curve at every such vertex
  std::uint32_t seed = static_cast<std::uint32_t>(in.Int());
  for (int i = 0; i < n; ++i) {
    double x = start + dx * i;
    if (kind == 2 && i % 2 == 1) x -= 1.5 * dx;  // a zigzag: every other vertex steps back
    if (kind == 3) {                             // at random
      seed = seed * 1664525u + 1013904223u;
      x = start + dx * static_cast<double>(seed % static_cast<std::uint32_t>(n));
    }
    const double y = dy * static_cast<double>((i * 7) % 5);
    profile.LeggTil(new DT_Punkt(x, y, i % every == 0 ? radius : 0.0));
  }
}

bool IsHeightCode(int code) {
  return code == -5 || code == -4 || code == -7 || code == 0 || code == -6;
}

// scans: the min/max scans this input may still make. The longest scan allowed takes most of a
// second in this instrumented build, and an input gets 2 seconds in all, so it makes one.
void Step(Input& in, QP_LinjePaalegg& profile, int& scans) {
  const int op = in.Small(11);
  static const bool trace = std::getenv("KX_FUZZ_TRACE") != nullptr;
  if (trace) std::fprintf(stderr, "op %d on %d vertices\n", op, profile.Antall());  // timed below
  switch (op) {
    case 0: {
      DT_Double height(12345.0);
      const DT_Double x(Chainage(in, profile));
      const int result = profile.HoydeIProfil(&height, &x);
      if (result == 1) {
        KX_CHECK(std::isfinite(height.Get()));
      } else {
        KX_CHECK(result == 0 && height.Get() == 12345.0 && IsHeightCode(profile.ErrorKode(-9999)));
      }
      break;
    }
    case 1: {
      const DT_Double x(Chainage(in, profile));
      DT_Double line, height, difference;
      const int outputs = in.Small(8);
      const bool noChainage = in.Small(16) == 0;
      const int result = profile.GetHeightExt(
          noChainage ? nullptr : &x, (outputs & 1) ? &line : nullptr,
          (outputs & 2) ? &height : nullptr, (outputs & 4) ? &difference : nullptr);
      const int code = profile.ErrorKode(-9999);
      KX_CHECK(result == 1 || (code >= -4 && code <= -1) || (code <= -100 && code >= -107));
      break;
    }
    case 2: {  // a min/max scan: any range, any step (traced with its arguments)
      if (scans == 0) break;
      --scans;
      static const double kSteps[] = {10.0, 1.0, 1e-3, 1e-6, 1e-9, 1e-20, 1e-300, 0.0, -1.0, NAN};
      const DT_Double from(Chainage(in, profile)), to(Chainage(in, profile));
      const DT_Double step(in.Small(2) == 0 ? kSteps[in.Small(10)] : Coordinate(in));
      const int nulls = in.Small(16);
      DT_Double lowest, highest;
      const int result = profile.GetMaxMinHeigth(
          &lowest, (nulls & 8) ? nullptr : &highest, (nulls & 1) ? nullptr : &from,
          (nulls & 2) ? nullptr : &to, (nulls & 4) ? nullptr : &step);
      const int code = profile.ErrorKode(-9999);
      if (trace) {
        std::fprintf(stderr, "scan %.17g %.17g %.17g (nulls %d): %d, code %d\n", from.Get(),
                     to.Get(), step.Get(), nulls, result, code);
      }
      if (result == 1) {
        KX_CHECK(std::isfinite(lowest.Get()) && std::isfinite(highest.Get()));
      } else {
        KX_CHECK(result == 0 && ((code >= -4 && code <= -1) || (code <= -100 && code >= -107)));
      }
      break;
    }
    case 3: {
      const int result = profile.CheckCurve();
      KX_CHECK(result == 0 || result == 1);
      break;
    }
    case 4: {  // the batch gives HoydeIProfil's heights, bit for bit
      std::vector<double> xs(static_cast<std::size_t>(in.Small(64)));
      for (double& x : xs) x = Chainage(in, profile);
      if (in.Small(2) == 0) std::sort(xs.begin(), xs.end());
      std::vector<kx::HeightAt> out(xs.size());
      const std::size_t ok = kx::ProfileHeights(profile, xs.data(), xs.size(), out.data());
      std::size_t counted = 0;
      for (std::size_t i = 0; i < xs.size(); ++i) {
        DT_Double height;
        const DT_Double x(xs[i]);
        const int result = profile.HoydeIProfil(&height, &x);
        KX_CHECK((out[i].status == kx::HeightStatus::Ok) == (result == 1));
        if (result == 1) {
          const double walked = height.Get();
          KX_CHECK(std::memcmp(&out[i].height, &walked, sizeof walked) == 0);
          ++counted;
        } else {
          KX_CHECK(std::isnan(out[i].height));
        }
      }
      KX_CHECK(ok == counted);
      break;
    }
    case 5: {
      const double x = Chainage(in, profile);
      double grade = 777.0;
      const kx::HeightStatus status = kx::ProfileGrade(profile, x, &grade);
      DT_Double height;
      const DT_Double at(x);
      const int result = profile.HoydeIProfil(&height, &at);
      KX_CHECK((status == kx::HeightStatus::Ok || status == kx::HeightStatus::NoGrade) ==
               (result == 1));
      if (status != kx::HeightStatus::Ok) KX_CHECK(grade == 777.0);
      break;
    }
    case 6: {
      const int n = profile.Antall();
      for (const kx::ProfileCurve& c : kx::ProfileCurves(profile)) {
        KX_CHECK(c.vertex > 0 && c.vertex < n - 1);
        KX_CHECK(std::isfinite(c.t1Chainage) && std::isfinite(c.t2Chainage) &&
                 std::isfinite(c.t1Height) && std::isfinite(c.t2Height));
        KX_CHECK(c.t1Chainage <= c.t2Chainage && c.length == c.t2Chainage - c.t1Chainage);
        if (c.hasExtremum) {
          KX_CHECK(c.t1Chainage < c.extremumChainage && c.extremumChainage < c.t2Chainage);
        }
      }
      break;
    }
    case 7: {  // text forms with formats from the input
      const std::string format = Format(in);
      DT_Double number(Coordinate(in));
      const char* text = in.Small(4) == 0 ? number.SomChar() : number.SomChar(format.c_str());
      KX_CHECK(text != nullptr && std::strlen(text) <= 511);
      const double x = Coordinate(in), y = Coordinate(in), z = Coordinate(in);
      DT_Punkt point(x, y, z);
      point.AntDesimalerSomVises(in.Small(300) - 20);
      text = in.Small(4) == 0 ? point.SomChar() : point.SomChar(format.c_str());
      KX_CHECK(text != nullptr && std::strlen(text) <= 511);
      break;
    }
    case 8: {  // change a vertex, or the curve shape: the next query sees it
      DT_Punkt* p = nullptr;
      if (profile.Antall() > 0) profile.GetIndex(&p, in.Small(profile.Antall()));
      const DT_Double value(Coordinate(in));
      const int which = in.Small(4);
      if (p != nullptr && which == 0) p->x(&value);
      if (p != nullptr && which == 1) p->y(&value);
      if (p != nullptr && which == 2) p->z(&value);
      if (which == 3) profile.Modes(in.Small(2), kx::kModesReplace);
      break;
    }
    case 9: {  // a copy answers as the original
      if (profile.Antall() > 2000) break;
      QP_LinjePaalegg copy(profile);
      DT_Double a(1.0), b(2.0);
      const DT_Double x(Chainage(in, profile));
      const int ra = profile.HoydeIProfil(&a, &x), codeA = profile.ErrorKode(-9999);
      const int rb = copy.HoydeIProfil(&b, &x), codeB = copy.ErrorKode(-9999);
      KX_CHECK(ra == rb && codeA == codeB && (ra == 0 || a.Get() == b.Get()));
      break;
    }
    default: {  // a vertex added or removed
      if (in.Small(2) == 0) {
        const double x = Coordinate(in), y = Coordinate(in), z = Coordinate(in);
        profile.LeggTil(new DT_Punkt(x, y, z));
      } else if (profile.Antall() > 0) {
        profile.GetIndex(in.Small(profile.Antall()));
        delete profile.TaUtAktiv();  // SlettAktiv would leave the point to the caller
      }
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::Quiet();
  Input in(data, size);
  QP_LinjePaalegg profile;
  profile.Modes(in.Small(2), kx::kModesReplace);
  Build(in, profile);
  static const bool trace = std::getenv("KX_FUZZ_TRACE") != nullptr;
  if (trace) {
    std::fprintf(stderr,
                 "%s profile:", profile.Modes(0, kx::kModesRead) != 0 ? "parabolic" : "circular");
    DT_Punkt* p = nullptr;
    for (int i = 0; i < std::min(profile.Antall(), 50); ++i) {
      profile.GetIndex(&p, i);
      std::fprintf(stderr, " (%.17g %.17g %.17g)", p->x(), p->y(), p->z());
    }
    std::fprintf(stderr, "\n");
  }
  int scans = 1;
  for (int steps = 0; in.More() && steps < 40; ++steps) {
    const std::clock_t start = std::clock();
    Step(in, profile, scans);
    if (trace) std::fprintf(stderr, "  %.3f s\n", double(std::clock() - start) / CLOCKS_PER_SEC);
  }
  return 0;
}
