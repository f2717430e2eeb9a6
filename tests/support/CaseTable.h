#pragma once
// Tables of cases in text files: one case a line, fields separated by '|' (kept as written: no
// trimming, no escapes: backslashes are literal, an empty field is empty), blank lines and lines
// starting with '#' skipped.

#include <fstream>
#include <string>
#include <vector>

namespace kx::test {

struct CaseRow {
  int line;                         // line number in the file, for messages
  std::vector<std::string> fields;  // at least one
};

// The rows of path; an unreadable file gives none (check that a table is not empty).
inline std::vector<CaseRow> ReadCaseTable(const std::string& path) {
  std::vector<CaseRow> rows;
  std::ifstream in(path);
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (text.empty() || text[0] == '#') continue;
    CaseRow row{line, {}};
    for (std::size_t start = 0;;) {
      const std::size_t bar = text.find('|', start);
      row.fields.push_back(text.substr(start, bar - start));
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace kx::test
