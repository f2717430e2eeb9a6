// The worst result-buffer chains for the calls that take one (data/hostile/records.cases): chains
// that loop, records of unknown codes, text records without text, NaN and infinite values, huge
// texts and chains, positions, counts and sizes out of range.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "kx/kx.h"
#include "support/HostCapture.h"
#include "support/Table.h"

namespace {

using kx::test::Row;
using Words = std::vector<std::string>;

bool IsText(short code) {
  return (code >= 0 && code <= 9) || (code >= 100 && code <= 102) || (code >= 300 && code <= 309) ||
         (code >= 1000 && code <= 1003) || code == 1005 || code == RTSTR;
}

// A chain from the words of a cell: CODE (no value), CODE=VALUE (a text for a text code; a real
// in each of x, y, z for a number with '.', 'e', "nan" or "inf"; else the integer as long and
// short), CODE=NULL (a text record without text), N*CODE (N records), and LOOP (the last record
// links back to the first).
resbuf* Chain(const Row& r, std::size_t cell) {
  resbuf* first = nullptr;
  resbuf** link = &first;
  for (std::size_t w = 0; w < r.Words(cell); ++w) {
    const std::string& word = r.S(cell, w);
    if (word == "LOOP") {
      *link = first;
      break;
    }
    const std::size_t star = word.find('*'), equals = word.find('=');
    const long count = star == std::string::npos ? 1 : std::atol(word.c_str());
    const auto code =
        static_cast<short>(std::atoi(word.c_str() + (star == std::string::npos ? 0 : star + 1)));
    const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
    for (long k = 0; k < count; ++k) {
      resbuf* rec = WINKMR00_newrb(code);
      if (IsText(code) && value != "NULL") rec->resval.rstring = nc_strdup(value.c_str());
      if (!IsText(code) && value.find_first_of(".einaf") != std::string::npos) {
        for (double& x : rec->resval.rpoint) x = kx::test::Number(value);
      } else if (!IsText(code)) {
        rec->resval.rlong = std::atoi(value.c_str());  // its low half is the short
      }
      *link = rec;
      link = &rec->rbnext;
    }
  }
  return first;
}

// Releases a chain no buffer took, texts included (a loop is cut first).
void Release(resbuf* chain) {
  for (resbuf* r = chain; r != nullptr; r = r->rbnext) {
    if (r->rbnext == chain) r->rbnext = nullptr;
    if (IsText(r->restype)) KMR00_free(r->resval.rstring), r->resval.rstring = nullptr;
  }
  WINKMR00_relrb(chain);
}

std::string Of(int v) { return std::to_string(v); }

// The operation of a row on a buffer that adopted the chain: its words.
Words Apply(const Row& r, KxResBuffer& rb, resbuf* chain) {
  const std::string& op = r.kind;
  auto arg = [&](std::size_t i) { return r.I(0, i); };
  const auto code = [&rb] { return Of(rb.ErrorKode(-9999)); };
  const auto counted = [&](int result) { return Words{Of(result), code(), Of(rb.Lengde())}; };
  Streng text;
  if (op == "Lengde") return {Of(rb.Lengde()), code()};
  if (op == "Add") {
    KxResBuffer other;
    const int result = other.Add(chain);
    if (result == 0) Release(chain);
    return {Of(result), code(), Of(other.Lengde())};
  }
  if (op == "SizeInBytes") {
    int bytes = -1;
    return {Of(rb.SizeInBytes(nullptr, &bytes, arg(0), arg(1))), Of(bytes), code()};
  }
  if (op == "ChangeDXF") return {Of(rb.ChangeDXFtoRTCodes()), code()};
  if (op == "AddCopyOf") return counted(rb.AddCopyOf(&rb));
  if (op == "Text") {
    const int result = rb.GetRbAsString(arg(0), text, 0);
    return {Of(result), text.Lengde() <= 40 ? text.Get() : "[" + Of(text.Lengde()) + "]"};
  }
  if (op == "GetText") return {Of(rb.Get(arg(0), &text, arg(1))), text.Get(), code()};
  if (op == "Delete") return counted(rb.Delete(arg(0), arg(1)));
  if (op == "DeleteElement") return {Of(rb.DeleteElement(arg(0))), Of(rb.Lengde())};
  if (op == "Insert") {
    DT_Double value(r.D(0, 3));
    return counted(rb.InsertElement(arg(0), &value, arg(1), arg(2)));
  }
  if (op == "GetKode") {
    const resbuf* found = rb.GetKode(arg(0), arg(1), nullptr);
    int position = 1;
    for (const resbuf* x = rb.Get(1); found != nullptr && x != found; x = x->rbnext) ++position;
    return {found != nullptr ? Of(position) : "-"};
  }
  if (op == "Link") {  // a record of its own, or the buffer itself
    return counted(arg(0) == 0 ? rb.AddLink(&rb)
                               : rb.AddLink(rb.Get(static_cast<unsigned short>(arg(0)))));
  }
  if (op == "Exist") {
    text = r.S(0, 1).c_str();
    return {Of(rb.Exist(arg(0), &text, arg(2))), code()};
  }
  if (op == "Record") {
    const resbuf* rec = rb.Get(static_cast<unsigned short>(arg(0)));
    return {rec != nullptr ? Of(rec->restype) : "-"};
  }
  ADD_FAILURE() << "no operation " << op;
  return {};
}

TEST(Hostile, ResultBufferChains) {
  for (const Row& r : kx::test::Table("hostile/records.cases")) {
    SCOPED_TRACE(r.where);
    kx::test::HostCapture host;  // unknown codes are reported through Printf
    resbuf* chain = Chain(r, 1);
    WINKMR00_ErrCode(0);
    if (r.kind == "Add") {  // the chain goes to a new buffer, or back to the caller
      KxResBuffer none;
      EXPECT_EQ(Apply(r, none, chain), r.cells.at(2));
    } else {
      KxResBuffer rb(chain);
      if (rb.Lengde() == 0 && chain != nullptr) Release(chain);  // refused: still the caller's
      EXPECT_EQ(Apply(r, rb, chain), r.cells.at(2));
    }
  }
}

}  // namespace
