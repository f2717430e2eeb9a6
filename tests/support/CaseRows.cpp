#include "support/CaseRows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kx::test {

std::vector<CaseRow> ReadCaseRows(const std::string& path) {
  std::vector<CaseRow> rows;
  std::ifstream in(path);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    std::istringstream words(line.substr(0, line.find('#')));
    CaseRow row{path + ":" + std::to_string(n), {{}}};
    for (std::string w; words >> w;) {
      if (w == "|") {
        row.parts.emplace_back();
        continue;
      }
      if (w == "\"\"") w.clear();
      for (std::size_t at = w.find("\\x"); at != std::string::npos; at = w.find("\\x", at + 1)) {
        w.replace(at, 4, 1,
                  static_cast<char>(std::strtol(w.substr(at + 2, 2).c_str(), nullptr, 16)));
      }
      row.parts.back().push_back(w);
    }
    if (!row.parts[0].empty()) rows.push_back(row);
  }
  EXPECT_FALSE(rows.empty()) << "no cases read from " << path;
  return rows;
}

double Number(const std::string& field) { return std::strtod(field.c_str(), nullptr); }

}  // namespace kx::test
