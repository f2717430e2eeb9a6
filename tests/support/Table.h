#pragma once
// Case tables under tests/data: one case a line, "KIND word ... | word ... | ...". Words are split
// at blanks and cells at '|'; "..." quotes a word that holds blanks, '|' or '#' ("" is the empty
// word); \xNN, \n, \r, \t, \\ and \" are decoded in every word, and a backslash before any other
// character stands for itself; {N*c} stands for the character c N times; '#' outside quotes starts
// a comment.
//
//   for (const Row& r : Table("numbers/double.cases", "round")) {
//     SCOPED_TRACE(r.where);
//     EXPECT_EQ(Round(r.D(0, 0), r.I(0, 1)), r.D(1));
//   }

#include <string>
#include <vector>

namespace kx::test {

struct Row {
  std::string where;                            // "file:line", for failure messages
  std::string kind;                             // the first word of the line
  std::vector<std::vector<std::string>> cells;  // the words of each cell, without the kind
  // Word w of cell c (a test failure and "" when there is none); the same as a number (strtod's
  // forms, "min" and "max" for INT_MIN and INT_MAX, "<N>pi" for N times pi) or an int; all words
  // of a cell as numbers.
  const std::string& S(std::size_t c, std::size_t w = 0) const;
  double D(std::size_t c, std::size_t w = 0) const;
  int I(std::size_t c, std::size_t w = 0) const { return static_cast<int>(D(c, w)); }
  std::vector<double> Ds(std::size_t c) const;
  std::size_t Words(std::size_t c) const { return c < cells.size() ? cells[c].size() : 0; }
  // The kind followed by the words of the first cell, for tables that read the two as one list.
  std::vector<std::string> Head() const;
};

// A word as a number: strtod's forms, "min" and "max" for INT_MIN and INT_MAX, "<N>pi" for N times
// pi; 0 for a word that is no number (*ok, when given, says whether it was one).
double Number(const std::string& word, bool* ok = nullptr);

// The rows of tests/data/<file> of one kind (every row for ""), in file order. An unreadable file,
// an unfinished quote or no row at all is a test failure.
std::vector<Row> Table(const std::string& file, const std::string& kind = "");

// The words of the rows of one kind, in file order: a list of expected texts, one a row.
std::vector<std::string> Words(const std::string& file, const std::string& kind);

}  // namespace kx::test
