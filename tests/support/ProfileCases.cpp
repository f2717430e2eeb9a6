#include "support/ProfileCases.h"

#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace kx::test {

namespace {

using Words = std::vector<std::string>;

// A height or range line: where it asks and what it expects.
struct Check {
  int line;
  std::string text;  // the line without its comment, for the report
  bool range;
  std::vector<std::optional<double>> args;  // X, or FROM TO STEP
  bool fails;
  int code;
  std::vector<double> values;  // H, or MIN MAX
  double tolerance;
};

struct Case {
  int line;
  std::string name;
  std::vector<CurveShape> shapes;
  std::vector<ProfileVertex> vertices;
  std::vector<Check> checks;
};

// What each keyword expects, for the report of a malformed line.
const std::map<std::string, std::string> kUsage = {
    {"mode", "'mode circular', 'mode parabolic' or 'mode both', once in a case"},
    {"vertex", "'vertex X Y R'"},
    {"tolerance", "'tolerance T', T positive"},
    {"height", "'height X H [T]' (T or an earlier 'tolerance T') or 'height X fails CODE'"},
    {"range",
     "'range FROM TO STEP MIN MAX [T]' or 'range FROM TO STEP fails CODE' ('-' leaves one of "
     "FROM, TO, STEP out)"},
};

std::string Join(const Words& w, std::size_t from) {
  std::string s;
  for (std::size_t i = from; i < w.size(); ++i) s += (i > from ? " " : "") + w[i];
  return s;
}

// The shortest text that reads back as v.
std::string Text(double v) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
}

bool Number(const std::string& word, double* value) {
  char* end = nullptr;
  *value = std::strtod(word.c_str(), &end);
  return *end == '\0' && std::isfinite(*value);
}

bool Code(const std::string& word, int* code) {
  char* end = nullptr;
  const long v = std::strtol(word.c_str(), &end, 10);
  *code = static_cast<int>(v);
  return *end == '\0' && v >= INT_MIN && v <= INT_MAX;
}

// A height or range line (w[0]), with the case's current tolerance (0 when the case set none);
// false when malformed.
bool ParseCheck(const Words& w, double tolerance, Check* c) {
  c->range = w[0] == "range";
  const std::size_t at = c->range ? 4 : 2;  // after the chainages
  const std::size_t valueCount = c->range ? 2 : 1;
  if (w.size() <= at) return false;
  for (std::size_t i = 1; i < at; ++i) {
    double v = 0.0;
    if (c->range && w[i] == "-") {
      c->args.emplace_back();
    } else if (Number(w[i], &v)) {
      c->args.emplace_back(v);
    } else {
      return false;
    }
  }
  c->fails = w[at] == "fails";
  if (c->fails) return w.size() == at + 2 && Code(w[at + 1], &c->code);
  if (w.size() < at + valueCount || w.size() > at + valueCount + 1) return false;
  c->values.resize(valueCount);
  for (std::size_t i = 0; i < valueCount; ++i) {
    if (!Number(w[at + i], &c->values[i])) return false;
  }
  if (w.size() > at + valueCount && !Number(w.back(), &c->tolerance)) return false;
  if (w.size() == at + valueCount) c->tolerance = tolerance;
  return c->tolerance > 0.0;
}

bool Meets(const Check& c, const CaseAnswer& a) {
  if (c.fails || !a.ok) return c.fails && !a.ok && a.code == c.code;
  if (a.values.size() != c.values.size()) return false;
  for (std::size_t i = 0; i < a.values.size(); ++i) {
    if (!(std::fabs(a.values[i] - c.values[i]) <= c.tolerance)) return false;
  }
  return true;
}

std::string Got(const Check& c, const CaseAnswer& a) {
  if (!a.ok) return "a failure with code " + std::to_string(a.code);
  std::string s;
  for (double v : a.values) s += (s.empty() ? "" : " ") + Text(v);
  return c.fails ? s : s + " (tolerance " + Text(c.tolerance) + ")";
}

// The cases of a case file; a malformed line is reported through fail and left out.
std::vector<Case> ReadCases(std::istream& in,
                            const std::function<void(int, const std::string&)>& fail) {
  std::vector<Case> cases;
  double tolerance = 0.0;  // none set in the current case
  std::string text;
  for (int n = 1; std::getline(in, text); ++n) {
    std::istringstream stream(text.substr(0, text.find('#')));
    const Words w{std::istream_iterator<std::string>(stream), std::istream_iterator<std::string>()};
    if (w.empty()) continue;
    if (w[0] == "case") {
      if (w.size() < 2) fail(n, "a case needs a name: 'case NAME'");
      cases.push_back({n, Join(w, 1), {}, {}, {}});
      tolerance = 0.0;
      continue;
    }
    const auto usage = kUsage.find(w[0]);
    if (cases.empty() || usage == kUsage.end()) {
      fail(n, "'" + w[0] +
                  (cases.empty() ? "' outside a case (a case starts with 'case NAME')"
                                 : "' is no keyword of a case file"));
      continue;
    }
    Case& c = cases.back();
    double v[3];
    Check check{n, Join(w, 0), false, {}, false, 0, {}, 0.0};
    bool ok = true;
    if (w[0] == "mode") {
      ok = w.size() == 2 && c.shapes.empty() &&
           (w[1] == "circular" || w[1] == "parabolic" || w[1] == "both");
      if (ok && w[1] != "parabolic") c.shapes.push_back(CurveShape::Circular);
      if (ok && w[1] != "circular") c.shapes.push_back(CurveShape::Parabolic);
    } else if (w[0] == "vertex") {
      ok = w.size() == 4 && Number(w[1], &v[0]) && Number(w[2], &v[1]) && Number(w[3], &v[2]);
      if (ok) c.vertices.push_back({v[0], v[1], v[2]});
    } else if (w[0] == "tolerance") {
      ok = w.size() == 2 && Number(w[1], &v[0]) && v[0] > 0.0;
      if (ok) tolerance = v[0];
    } else {
      ok = ParseCheck(w, tolerance, &check);
      if (ok) c.checks.push_back(check);
    }
    if (!ok) fail(n, "expected " + usage->second);
  }
  return cases;
}

}  // namespace

int RunProfileCases(const std::string& path, const MakeProfileUnderTest& make) {
  const auto fail = [&path](int line, const std::string& what) {
    ADD_FAILURE_AT(path.c_str(), line) << what;
  };
  std::ifstream in(path);
  if (!in) fail(0, "cannot read the case file");
  const std::vector<Case> cases = ReadCases(in, fail);
  if (cases.empty()) fail(0, "no cases");

  int checks = 0;
  for (const Case& c : cases) {
    if (c.shapes.empty() || c.checks.empty()) {
      fail(c.line, "case '" + c.name + "' needs a mode line and a height or range line");
    }
    for (CurveShape shape : c.shapes) {
      const std::string name = c.name + (c.shapes.size() == 1            ? ""
                                         : shape == CurveShape::Circular ? " (circular)"
                                                                         : " (parabolic)");
      const ProfileUnderTest profile = make(c.vertices, shape);
      for (const Check& k : c.checks) {
        CaseAnswer a;
        {
          // Failures that the profile under test reports itself point here too.
          const ::testing::ScopedTrace trace(path.c_str(), k.line, "case '" + name + "'");
          a = k.range ? profile.range(k.args[0], k.args[1], k.args[2]) : profile.height(*k.args[0]);
        }
        if (!Meets(k, a)) fail(k.line, "case '" + name + "', " + k.text + ": got " + Got(k, a));
        ++checks;
      }
    }
  }
  return checks;
}

}  // namespace kx::test
