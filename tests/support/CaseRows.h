#pragma once
// Tables of cases in text files (tests/data/<subsystem>/*.cases): one case a line, its fields
// separated by white space, '#' commenting out the rest of a line. A field "|" divides a row into
// parts. In a field, "" stands for the empty text and \xHH for the byte HH; any other backslash
// stands for itself.
//
//   for (const auto& row : kx::test::ReadCaseRows(KX_TEST_DATA_DIR "/text/x.cases")) {
//     SCOPED_TRACE(row.where);
//     ... row.parts[0][1] ...
//   }

#include <string>
#include <vector>

namespace kx::test {

struct CaseRow {
  std::string where;                            // "file:line"
  std::vector<std::vector<std::string>> parts;  // the fields of each part
};

// The rows of a case file; a file without rows fails the test.
std::vector<CaseRow> ReadCaseRows(const std::string& path);

// A field as a number (strtod: "nan", "inf" and "1e-9" read too; "-" reads as 0).
double Number(const std::string& field);

}  // namespace kx::test
