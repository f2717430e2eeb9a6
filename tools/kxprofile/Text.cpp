#include "Text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace kx::tool {

std::string Fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "-";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  // "-0.000": a negative value that rounds to zero is written as zero.
  if (text[0] == '-' && std::strspn(text + 1, "0.") == std::strlen(text + 1)) {
    return text + 1;
  }
  return text;
}

std::string Percent(double grade, int decimals) {
  std::string text = Fixed(grade * 100.0, decimals);
  if (text != "-" && text[0] != '-' && std::strspn(text.c_str(), "0.") != text.size()) {
    text.insert(0, "+");
  }
  return text + " %";
}

std::string Plain(double value) { return Fixed(value, value == std::floor(value) ? 0 : 2); }

TextTable::TextTable(std::vector<std::string> header, std::vector<bool> leftAligned)
    : left_(std::move(leftAligned)) {
  left_.resize(header.size(), false);
  rows_.push_back(std::move(header));
}

void TextTable::Add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }

void TextTable::Write(std::ostream& out) const {
  std::vector<std::size_t> width(left_.size(), 0);
  for (const auto& row : rows_) {
    for (std::size_t c = 0; c < row.size() && c < width.size(); ++c) {
      width[c] = std::max(width[c], row[c].size());
    }
  }
  for (const auto& row : rows_) {
    std::string line;
    for (std::size_t c = 0; c < width.size(); ++c) {
      const std::string cell = c < row.size() ? row[c] : "";
      const std::string pad(width[c] - cell.size(), ' ');
      if (c > 0) line += "  ";
      line += left_[c] ? cell + pad : pad + cell;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  }
}

std::string UpperExtension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext;
}

void WriteCsvRow(std::ostream& out, const std::vector<std::string>& cells) {
  for (std::size_t c = 0; c < cells.size(); ++c) out << (c > 0 ? "," : "") << cells[c];
  out << '\n';
}

}  // namespace kx::tool
