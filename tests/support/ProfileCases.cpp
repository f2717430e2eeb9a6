#include "support/ProfileCases.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kx::test {

namespace {

constexpr const char* kHeightUsage = "expected 'height X H [T]' or 'height X fails CODE'";
constexpr const char* kRangeUsage =
    "expected 'range FROM TO STEP MIN MAX [T]' or 'range FROM TO STEP fails CODE'";

class Parser {
 public:
  explicit Parser(std::string file) : file_(std::move(file)) {}

  void Line(int number, const std::string& text) {
    line_ = number;
    std::istringstream words(text.substr(0, text.find('#')));
    std::vector<std::string> t;
    for (std::string w; words >> w;) t.push_back(w);
    if (t.empty()) return;
    const std::string& key = t[0];
    if (key == "case") return Open(t);
    if (!case_) return Error("'" + key + "' outside a case (a case starts with 'case NAME')");
    if (key == "mode") return Mode(t);
    if (key == "vertex") {
      double v[3];
      if (t.size() != 4) return Error("expected 'vertex X Y R'");
      if (Numbers(t, 1, 3, v)) case_->vertices.push_back({v[0], v[1], v[2]});
      return;
    }
    if (key == "tolerance") {
      double v;
      if (t.size() != 2) return Error("expected 'tolerance T'");
      if (!Numbers(t, 1, 1, &v)) return;
      if (!(v > 0.0)) return Error("a tolerance must be positive");
      tolerance_ = v;
      return;
    }
    if (key == "height") return Height(t);
    if (key == "range") return Range(t);
    Error("unknown keyword '" + key + "'");
  }

  ProfileCaseFile Finish() {
    Close();
    return std::move(out_);
  }

 private:
  using Words = std::vector<std::string>;
  enum class Shapes { None, Circular, Parabolic, Both };

  void Error(const std::string& message) { out_.errors.push_back({file_, line_, message}); }

  void Open(const Words& t) {
    Close();
    std::string name;
    for (std::size_t i = 1; i < t.size(); ++i) name += (i > 1 ? " " : "") + t[i];
    if (name.empty()) Error("a case needs a name: 'case NAME'");
    case_ = ProfileCase{file_, line_, name, CurveShape::Circular, {}, {}, {}};
    shapes_ = Shapes::None;
    tolerance_.reset();
  }

  // Files the current case, one per shape.
  void Close() {
    if (!case_) return;
    ProfileCase c = std::move(*case_);
    case_.reset();
    const int at = line_;
    line_ = c.line;
    if (shapes_ == Shapes::None) {
      Error("case '" + c.name + "' has no mode line");
    } else if (c.heights.empty() && c.ranges.empty()) {
      Error("case '" + c.name + "' has no height or range line");
    } else if (shapes_ == Shapes::Both) {
      for (CurveShape shape : {CurveShape::Circular, CurveShape::Parabolic}) {
        ProfileCase one = c;
        one.shape = shape;
        one.name += shape == CurveShape::Circular ? " (circular)" : " (parabolic)";
        out_.cases.push_back(std::move(one));
      }
    } else {
      c.shape = shapes_ == Shapes::Circular ? CurveShape::Circular : CurveShape::Parabolic;
      out_.cases.push_back(std::move(c));
    }
    line_ = at;
  }

  void Mode(const Words& t) {
    const std::string word = t.size() == 2 ? t[1] : "";
    const Shapes s = word == "circular"    ? Shapes::Circular
                     : word == "parabolic" ? Shapes::Parabolic
                     : word == "both"      ? Shapes::Both
                                           : Shapes::None;
    if (s == Shapes::None) return Error("expected 'mode circular', 'mode parabolic' or 'mode both'");
    if (shapes_ != Shapes::None) return Error("a second mode line in the case");
    shapes_ = s;
  }

  bool Number(const std::string& word, double* value) {
    char* end = nullptr;
    const double v = std::strtod(word.c_str(), &end);
    if (*end != '\0' || !std::isfinite(v)) {
      Error("'" + word + "' is not a number");
      return false;
    }
    *value = v;
    return true;
  }

  bool Numbers(const Words& t, std::size_t from, std::size_t count, double* values) {
    for (std::size_t i = 0; i < count; ++i) {
      if (!Number(t[from + i], &values[i])) return false;
    }
    return true;
  }

  bool Code(const std::string& word, int* code) {
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || v < INT_MIN || v > INT_MAX) {
      Error("'" + word + "' is not an error code (an integer)");
      return false;
    }
    *code = static_cast<int>(v);
    return true;
  }

  // The tolerance written at t[at] when present, else the case's current one.
  bool Tolerance(const Words& t, std::size_t at, double* tolerance) {
    if (t.size() > at) {
      if (!Numbers(t, at, 1, tolerance)) return false;
      if (*tolerance > 0.0) return true;
      Error("a tolerance must be positive");
      return false;
    }
    if (tolerance_) *tolerance = *tolerance_;
    else Error("no tolerance: add 'tolerance T' before this line or a tolerance at its end");
    return tolerance_.has_value();
  }

  void Height(const Words& t) {
    HeightCheck h{line_, 0.0, false, 0.0, 0.0, 0};
    if (t.size() == 4 && t[2] == "fails") {
      h.fails = true;
      if (!Numbers(t, 1, 1, &h.x) || !Code(t[3], &h.code)) return;
    } else if (t.size() == 3 || t.size() == 4) {
      if (!Numbers(t, 1, 1, &h.x) || !Numbers(t, 2, 1, &h.height) || !Tolerance(t, 3, &h.tolerance))
        return;
    } else {
      return Error(kHeightUsage);
    }
    case_->heights.push_back(h);
  }

  void Range(const Words& t) {
    RangeCheck r{line_, {}, {}, {}, false, 0.0, 0.0, 0.0, 0};
    if (t.size() < 6 || t.size() > 7) return Error(kRangeUsage);
    std::optional<double>* given[] = {&r.from, &r.to, &r.step};
    for (std::size_t i = 0; i < 3; ++i) {
      double v;
      if (t[1 + i] == "-") continue;
      if (!Numbers(t, 1 + i, 1, &v)) return;
      *given[i] = v;
    }
    if (t[4] == "fails") {
      r.fails = true;
      if (t.size() != 6) return Error(kRangeUsage);
      if (!Code(t[5], &r.code)) return;
    } else if (!Numbers(t, 4, 1, &r.min) || !Numbers(t, 5, 1, &r.max) ||
               !Tolerance(t, 6, &r.tolerance)) {
      return;
    }
    case_->ranges.push_back(r);
  }

  std::string file_;
  int line_ = 0;
  ProfileCaseFile out_;
  std::optional<ProfileCase> case_;
  Shapes shapes_ = Shapes::None;
  std::optional<double> tolerance_;
};

// The shortest of 15 or 17 significant digits that reads back as v.
std::string Text(double v) {
  std::ostringstream s;
  s.precision(15);
  s << v;
  if (std::strtod(s.str().c_str(), nullptr) == v) return s.str();
  s.str("");
  s.precision(17);
  s << v;
  return s.str();
}

std::string Text(const std::optional<double>& v) { return v ? Text(*v) : "-"; }

// Empty when the answer meets the expectation, else what went wrong.
std::string Verdict(bool fails, int expectedCode, bool ok, int code, bool close,
                    const std::string& expected, const std::string& got) {
  if (fails && ok) return "expected a failure with code " + std::to_string(expectedCode) + ", got " + got;
  if (fails && code != expectedCode) {
    return "expected code " + std::to_string(expectedCode) + ", got code " + std::to_string(code);
  }
  if (!fails && !ok) return "expected " + expected + ", failed with code " + std::to_string(code);
  if (!fails && !close) return "expected " + expected + ", got " + got;
  return "";
}

bool Near(double got, double expected, double tolerance) {
  return std::fabs(got - expected) <= tolerance;
}

}  // namespace

ProfileCaseFile ParseProfileCases(std::istream& in, const std::string& fileName) {
  Parser parser(fileName);
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) parser.Line(number, text);
  return parser.Finish();
}

ProfileCaseFile LoadProfileCases(const std::string& path) {
  std::ifstream in(path);
  if (!in) return {{}, {{path, 0, "cannot read the case file"}}};
  return ParseProfileCases(in, path);
}

int RunProfileCases(const std::string& path,
                    const std::function<ProfileUnderTest(const ProfileCase&)>& makeProfile) {
  const ProfileCaseFile file = LoadProfileCases(path);
  for (const CaseFileError& e : file.errors) ADD_FAILURE_AT(e.file.c_str(), e.line) << e.message;
  if (file.cases.empty()) ADD_FAILURE() << path << ": no cases";
  int checks = 0;
  auto report = [](const ProfileCase& c, int line, const std::string& what,
                   const std::string& verdict) {
    if (!verdict.empty()) {
      ADD_FAILURE_AT(c.file.c_str(), line) << "case '" << c.name << "', " << what << ": " << verdict;
    }
  };
  for (const ProfileCase& c : file.cases) {
    const ProfileUnderTest profile = makeProfile(c);
    for (const HeightCheck& h : c.heights) {
      const HeightAnswer a = profile.height(h.x);
      report(c, h.line, "height at " + Text(h.x),
             Verdict(h.fails, h.code, a.ok, a.code, Near(a.value, h.height, h.tolerance),
                     Text(h.height) + " within " + Text(h.tolerance), Text(a.value)));
      ++checks;
    }
    if (!profile.range) continue;
    for (const RangeCheck& r : c.ranges) {
      const RangeAnswer a = profile.range(r.from, r.to, r.step);
      report(c, r.line, "range " + Text(r.from) + " " + Text(r.to) + " " + Text(r.step),
             Verdict(r.fails, r.code, a.ok, a.code,
                     Near(a.min, r.min, r.tolerance) && Near(a.max, r.max, r.tolerance),
                     "min " + Text(r.min) + " max " + Text(r.max) + " within " + Text(r.tolerance),
                     "min " + Text(a.min) + " max " + Text(a.max)));
      ++checks;
    }
  }
  return checks;
}

}  // namespace kx::test
