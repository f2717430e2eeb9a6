#include "support/Table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>

namespace kx::test {

const std::string& Row::S(std::size_t c, std::size_t w) const {
  static const std::string kNone;
  if (w < Words(c)) return cells[c][w];
  ADD_FAILURE() << where << ": no word " << w << " in cell " << c;
  return kNone;
}

double Number(const std::string& s, bool* ok) {
  if (ok != nullptr) *ok = true;
  if (s == "min" || s == "max") return s == "min" ? INT_MIN : INT_MAX;
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() && std::string(end) == "pi") return v * 3.141592653589793;
  if (ok != nullptr) *ok = end != s.c_str() && *end == '\0';
  return v;
}

namespace {

// "{N*c}" at line[i]: c N times added to word, i moved to the '}'; false for anything else.
bool Repeat(const std::string& line, std::size_t& i, std::string& word) {
  char* end = nullptr;
  const unsigned long n = std::strtoul(line.c_str() + i + 1, &end, 10);
  const std::size_t star = static_cast<std::size_t>(end - line.c_str());
  if (star == i + 1 || star + 2 >= line.size() || line[star] != '*' || line[star + 2] != '}') return false;
  word.append(n, line[star + 1]);
  i = star + 2;
  return true;
}

}  // namespace

double Row::D(std::size_t c, std::size_t w) const {
  const std::string& s = S(c, w);
  bool ok = false;
  const double v = Number(s, &ok);
  if (!ok) ADD_FAILURE() << where << ": '" << s << "' is no number";
  return v;
}

std::vector<std::string> Row::Head() const {
  std::vector<std::string> head{kind};
  head.insert(head.end(), cells[0].begin(), cells[0].end());
  return head;
}

std::vector<double> Row::Ds(std::size_t c) const {
  std::vector<double> values;
  for (std::size_t w = 0; w < Words(c); ++w) values.push_back(D(c, w));
  return values;
}

std::vector<Row> Table(const std::string& file, const std::string& kind) {
  std::ifstream in(std::string(KX_TEST_DATA_DIR) + "/" + file);
  std::vector<Row> rows;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    Row r{file + ":" + std::to_string(n), "", {{}}};
    std::string word;
    bool inWord = false, quoted = false;
    for (std::size_t i = 0; i <= line.size(); ++i) {
      const char c = line[i];  // line[size()] is the NUL that ends the line
      if (c == '"') {
        quoted = !quoted, inWord = true;
      } else if (c == '\\' && i + 1 < line.size()) {
        const char e = line[++i];
        const std::size_t named = std::string("nrt").find(e);
        if (e == 'x') {
          word += static_cast<char>(std::strtol(line.substr(i + 1, 2).c_str(), nullptr, 16));
        } else if (named != std::string::npos) {
          word += "\n\r\t"[named];
        } else if (e == '\\' || e == '"') {
          word += e;
        } else {
          word += '\\', --i;  // a backslash before anything else stands for itself
        }
        i += e == 'x' ? 2 : 0;
        inWord = true;
      } else if (c == '{' && Repeat(line, i, word)) {
        inWord = true;
      } else if (quoted && c != '\0') {
        word += c;
      } else if (c == '\0' || c == '#' || c == '|' || c == ' ' || c == '\t' || c == '\r') {
        if (inWord) r.cells.back().push_back(word);
        word.clear(), inWord = false;
        if (c == '|') r.cells.emplace_back();
        if (c == '#' || c == '\0') break;
      } else {
        word += c, inWord = true;
      }
    }
    if (quoted) ADD_FAILURE() << r.where << ": an unfinished quote";
    if (r.cells[0].empty()) continue;
    r.kind = r.cells[0].front();
    r.cells[0].erase(r.cells[0].begin());
    if (kind.empty() || r.kind == kind) rows.push_back(std::move(r));
  }
  if (rows.empty()) ADD_FAILURE() << file << ": no rows" << (kind.empty() ? "" : " of " + kind);
  return rows;
}

std::vector<std::string> Words(const std::string& file, const std::string& kind) {
  std::vector<std::string> words;
  for (const Row& r : Table(file, kind)) words.insert(words.end(), r.cells[0].begin(), r.cells[0].end());
  return words;
}

}  // namespace kx::test
