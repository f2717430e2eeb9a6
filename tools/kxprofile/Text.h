#pragma once
// Number formatting and aligned tables for kxprofile's output. Numbers are written with a fixed
// number of decimals in the C locale, so that the same profile gives the same bytes everywhere.

#include <iosfwd>
#include <string>
#include <vector>

namespace kx::tool {

// value with decimals decimals ("%.*f"); a value that rounds to zero is written without a minus
// sign, a value that is no finite number as "-".
std::string Fixed(double value, int decimals);
// A grade (0.025) in per cent with its sign: "+2.500 %"; "0.000 %" for a grade that rounds to 0.
std::string Percent(double grade, int decimals);
// A scale or ratio: without decimals when it is a whole number, else with two.
std::string Plain(double value);

// A table of text cells: each column as wide as its widest cell, right-aligned (or left-aligned
// where asked), columns two blanks apart, no blanks at the end of a line.
class TextTable {
 public:
  explicit TextTable(std::vector<std::string> header, std::vector<bool> leftAligned = {});
  void Add(std::vector<std::string> row);
  void Write(std::ostream& out) const;

 private:
  std::vector<std::vector<std::string>> rows_;
  std::vector<bool> left_;
};

// The extension of a file name, from its last '.' after the last '/' or '\\' (".Prf"), upper-cased
// (".PRF"); "" when there is none.
std::string UpperExtension(const std::string& path);

// Comma-separated values: cells joined with ',' and a line end.
void WriteCsvRow(std::ostream& out, const std::vector<std::string>& cells);

}  // namespace kx::tool
