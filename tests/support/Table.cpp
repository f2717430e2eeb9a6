#include "support/Table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>

namespace kx::test {

namespace {

// Splits a line into cells of decoded words; false on an unfinished quote.
bool Split(const std::string& line, std::vector<std::vector<std::string>>& cells) {
  cells.assign(1, {});
  std::string word;
  bool inWord = false, quoted = false;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    const char c = line[i];  // line[size()] is the terminating NUL
    if (c == '"' || (!quoted && std::string(" \t\r|#", 6).find(c) != std::string::npos)) {
      if (c == '"') {
        quoted = !quoted;
        inWord = true;
        continue;
      }
      if (inWord) cells.back().push_back(word);
      word.clear();
      inWord = false;
      if (c == '|') cells.emplace_back();
      if (c == '#' || c == '\0') return !quoted;
    } else if (c == '\\') {
      const char e = line[++i];
      if (e == 'x') word += static_cast<char>(std::strtol(line.substr(i + 1, 2).c_str(), nullptr, 16));
      i += e == 'x' ? 2 : 0;
      if (e != 'x') word += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
      inWord = true;
    } else {
      word += c;
      inWord = true;
    }
  }
  return false;
}

}  // namespace

const std::string& Row::S(std::size_t c, std::size_t w) const {
  static const std::string kNone;
  if (w < Words(c)) return cells[c][w];
  ADD_FAILURE() << where << ": no word " << w << " in cell " << c;
  return kNone;
}

double Row::D(std::size_t c, std::size_t w) const {
  const std::string& s = S(c, w);
  if (s == "min" || s == "max") return s == "min" ? INT_MIN : INT_MAX;
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() && std::string(end) == "pi") return v * 3.141592653589793;
  if (end == s.c_str() || *end != '\0') ADD_FAILURE() << where << ": '" << s << "' is no number";
  return v;
}

std::vector<double> Row::Ds(std::size_t c) const {
  std::vector<double> values;
  for (std::size_t w = 0; w < Words(c); ++w) values.push_back(D(c, w));
  return values;
}

std::vector<Row> Table(const std::string& file, const std::string& kind) {
  std::ifstream in(std::string(KX_TEST_DATA_DIR) + "/" + file);
  std::vector<Row> rows;
  std::string text;
  for (int n = 1; std::getline(in, text); ++n) {
    Row r{file + ":" + std::to_string(n), "", {}};
    if (!Split(text, r.cells)) ADD_FAILURE() << r.where << ": an unfinished quote";
    if (r.cells[0].empty()) continue;
    r.kind = r.cells[0].front();
    r.cells[0].erase(r.cells[0].begin());
    if (kind.empty() || r.kind == kind) rows.push_back(std::move(r));
  }
  if (rows.empty()) ADD_FAILURE() << file << ": no rows" << (kind.empty() ? "" : " of " + kind);
  return rows;
}

}  // namespace kx::test
