// KxResBuffer: the value type of every restype, random edits against a plain model, ownership of
// borrowed records, texts with percent signs, and bad input.

#include "kx/resbuf/KxResBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "kx/kx.h"
#include "support/HostCapture.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

// A record as the model keeps it; codes 1 and 300 are the text codes among those used here.
struct Rec {
  short code;
  ads_u_val v{};
  std::string text;
};
bool IsText(short code) { return code == 1 || code == 300; }

std::string Show(short code, const ads_u_val& v, const char* text) {
  std::string s = std::to_string(code) + ":";
  if (IsText(code)) return s + (text != nullptr ? text : "(null)") + " ";
  for (unsigned char byte : std::string(reinterpret_cast<const char*>(&v), sizeof v)) {
    s += "0123456789abcdef"[byte >> 4];
    s += "0123456789abcdef"[byte & 15];
  }
  return s + " ";
}

// The records in order, the count, and whether first and last are where the chain says.
std::string Describe(const KxResBuffer& rb) {
  std::string s;
  const resbuf* last = nullptr;
  for (const resbuf* r = rb.Get(1); r != nullptr; last = r, r = r->rbnext) {
    s += Show(r->restype, r->resval, r->resval.rstring);
  }
  if (rb.Get(0) != last) s += "(last is wrong) ";
  return s + "n=" + std::to_string(rb.Lengde());
}
std::string Describe(const std::vector<Rec>& model) {
  std::string s;
  for (const Rec& r : model) s += Show(r.code, r.v, r.text.c_str());
  return s + "n=" + std::to_string(model.size());
}

// Adds (or sets) r's value through one of the forms that take its kind.
int Put(KxResBuffer& rb, const Rec& r, bool set, bool asObject, int occurrence, int add) {
  auto call = [&](auto value) {
    return set ? rb.Set(r.code, value, occurrence, add) : rb.Add(r.code, value);
  };
  DT_Double d(r.v.rreal);
  DT_Int i(r.v.rint);
  DT_Longint l(static_cast<long>(r.v.rlong));
  DT_Punkt p(r.v.rpoint);
  Streng s;
  s = r.text.c_str();
  const long name[2] = {r.v.rlname[0], r.v.rlname[1]};
  // clang-format off
  switch (r.code) {
    case 40: return asObject ? call(&d) : call(r.v.rreal);
    case 70: return asObject ? call(&i) : call(static_cast<int>(r.v.rint));
    case 90: return call(&l);
    case 10: return set || asObject ? call(&p) : rb.Add(r.code, r.v.rpoint);
    case -1: return call(name);
    default: return asObject ? call(&s) : call(r.text.c_str());
  }
  // clang-format on
}

// Set writes the value's own bytes; the rest of the record stays as it was.
void Overwrite(Rec& t, const Rec& r) {
  const std::size_t size[] = {sizeof r.v.rint, sizeof r.v.rlong, sizeof r.v.rlname,
                              sizeof r.v.rreal};
  const int kind = r.code == 70 ? 0 : r.code == 90 ? 1 : r.code == -1 ? 2 : r.code == 40 ? 3 : 4;
  std::memcpy(&t.v, &r.v, kind < 4 ? size[kind] : sizeof r.v.rpoint);
  t.text = r.text;
}

TEST(KxResBuffer, ValueTypeOfEveryRestype) {
  int next = -32768, unknown = 0;
  KxResBuffer rb;
  HostCapture host;
  rb.Add(0, "x");
  resbuf* rec = rb.Get(1);
  for (const Row& r : Table("resbuf/restypes.table")) {
    ASSERT_EQ(Number(r.kind), next) << r.where << ": a gap or an overlap";
    for (; next <= r.I(0, 0); ++next) {
      rec->restype = static_cast<short>(next);
      ASSERT_EQ(rb.GetResType(rec), r.I(0, 1)) << "restype " << next;
      unknown += r.I(0, 1) == 0;
    }
  }
  rec->restype = 0;
  EXPECT_EQ(next, 32768);
  ASSERT_EQ(host.Count(), static_cast<std::size_t>(unknown));
  EXPECT_EQ(host.Lines().back(), "Printf[|0] \nKxResBuffer::GetResType - Unknown RESTYPE 32767");
  EXPECT_EQ(rb.GetResType(nullptr), 0);
  EXPECT_EQ(host.Count(), static_cast<std::size_t>(unknown));  // null: nothing printed
}

TEST(KxResBuffer, RandomEditsMatchAPlainModel) {
  std::mt19937 rng(12);
  const short codes[] = {40, 70, 90, 10, -1, 1, 300};
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto make = [&] {
    Rec r{codes[pick(7)], {}, ""};
    if (IsText(r.code)) {
      for (int n = pick(6); n > 0; --n) r.text += "a%s \xE6"[pick(5)];
    } else {
      const int x = pick(4000) - 2000;  // kept by every kind, as the record keeps it
      if (r.code == 70) r.v.rint = static_cast<short>(x);
      if (r.code == 90) r.v.rlong = x * 999999;
      if (r.code == -1) r.v.rlname[0] = x, r.v.rlname[1] = -x;
      if (r.code == 10) r.v.rpoint[0] = x / 8.0, r.v.rpoint[1] = -x, r.v.rpoint[2] = x * 1e9;
      if (r.code == 40) r.v.rreal = x / 8.0;
    }
    return r;
  };
  for (int run = 0; run < 30; ++run) {
    KxResBuffer rb;
    std::vector<Rec> m;
    for (int step = 0; step < 150; ++step) {
      const int n = static_cast<int>(m.size()), pos = pick(n + 4) - 1, occurrence = pick(3);
      Rec r = make();
      auto nth = [&](int k) {  // index of the k-th record with r.code, or n
        for (int i = 0; i < n; ++i)
          if (m[i].code == r.code && --k == 0) return i;
        return n;
      };
      switch (pick(8)) {
        case 0:
          ASSERT_EQ(Put(rb, r, false, pick(2) == 1, 0, 0), 1);
          m.push_back(r);
          break;
        case 1: {
          DT_Double d(r.v.rreal);
          r = {41, {}, ""};
          r.v.rreal = d.Get();
          ASSERT_EQ(rb.InsertElement(RTREAL, &d, 41, pos), 1);
          m.insert(pos >= 1 && pos <= n ? m.begin() + (pos - 1) : m.end(), r);
          break;
        }
        case 2:
          ASSERT_EQ(rb.Delete(r.code, occurrence), occurrence > 0 && nth(occurrence) < n);
          if (occurrence > 0 && nth(occurrence) < n) m.erase(m.begin() + nth(occurrence));
          break;
        case 3:
          ASSERT_EQ(rb.DeleteElement(pos), 1);
          if (pos >= 1 && pos <= n) m.erase(m.begin() + (pos - 1));
          break;
        case 4: {
          const int add = pick(2), at = occurrence == 0 ? n : nth(occurrence);
          ASSERT_EQ(Put(rb, r, true, pick(2) == 1, occurrence, add), at < n || add);
          if (at < n)
            Overwrite(m[at], r);
          else if (add)
            m.push_back(r);
          break;
        }
        case 5:
          ASSERT_EQ(rb.SlettListen(pos >= 1 ? rb.Get(static_cast<unsigned short>(pos)) : nullptr),
                    n > 0);
          m.erase(pos > 1 && pos <= n ? m.begin() + (pos - 1) : m.begin(), m.end());
          break;
        case 6: {
          ASSERT_EQ(rb.AddCopyOf(&rb), n > 0);
          const std::vector<Rec> copy(m);
          m.insert(m.end(), copy.begin(), copy.end());
          break;
        }
        default:
          // No record at pos (null) means the first record; a new code -1 would mean the value
          // type.
          if (r.code == -1) r.code = 41;
          ASSERT_EQ(rb.ChangeCode(-999, r.code, rb.Get(static_cast<unsigned short>(pos))), n > 0);
          if (n > 0) {
            Rec& t = m[pos == 0 ? n - 1 : pos >= 1 && pos <= n ? pos - 1 : 0];
            if (IsText(t.code) != IsText(r.code)) t.v = {}, t.text.clear();
            t.code = r.code;
          }
      }
      ASSERT_EQ(Describe(rb), Describe(m)) << "run " << run << " step " << step;
    }
  }
}

// A copy would release the same records twice: buffers are moved (Add) or copied record by record.
static_assert(!std::is_copy_constructible_v<KxResBuffer> &&
              !std::is_copy_assignable_v<KxResBuffer>);

TEST(KxResBuffer, BorrowedRecordsStayWithTheirOwner) {
  KxResBuffer owner;
  owner.Add(1, "a"), owner.Add(40, 1.0), owner.Add(300, "b");
  const std::string before = Describe(owner);
  {
    KxResBuffer view, mixed, found, cut;
    ASSERT_EQ(view.AddLink(&owner), 1);
    EXPECT_EQ(view.AutoSlett(-1), 0);
    EXPECT_EQ(view.Add(40, 2.0) + view.AddLink(&owner) + view.AddCopyOf(&owner), 0);
    EXPECT_EQ(view.ErrorKode(-9999), -5);
    EXPECT_EQ(view.DeleteElement(1) + view.Delete(40, 1), 0);
    EXPECT_EQ(view.SlettListen(), 1);  // lets go, releases nothing
    EXPECT_EQ(view.Lengde() * 10 + view.AutoSlett(-1), 1);
    view.Add(41, 3.0);  // owned again: released with view (the leak checker would see it)

    mixed.Add(70, 1), mixed.Add(71, 2);
    ASSERT_EQ(mixed.AddLink(owner.Get(2)), 1);
    EXPECT_EQ(mixed.AddLink(mixed.Get(1)), 0);  // would make the chain loop
    EXPECT_EQ(mixed.LinkMark(), mixed.Get(2));
    EXPECT_EQ(mixed.Delete(40, 1), 0);
    EXPECT_EQ(mixed.Delete(71, 1), 1);
    EXPECT_EQ(mixed.LinkMark(), mixed.Get(1));  // the mark moves to the last own record
    EXPECT_EQ(mixed.DeleteElement(1), 1);       // no own record left: a view
    EXPECT_TRUE(mixed.LinkMark() == nullptr && mixed.Get(1) == owner.Get(2) &&
                mixed.AutoSlett(-1) == 0);

    cut.Add(70, 1), cut.Add(71, 2), cut.AddLink(&owner);
    EXPECT_EQ(cut.SlettListen(cut.Get(2)), 1);
    EXPECT_EQ(cut.Lengde() * 100 + cut.Get(1)->resval.rint, 101);

    Streng b("b");
    EXPECT_EQ(owner.Exist(300, &b, 0, &found), 1);
    EXPECT_EQ(found.Get(1), owner.Get(3));
    EXPECT_EQ(owner.Exist(40, &found), 1);  // found already borrows: refused, still found
    EXPECT_EQ(found.ErrorKode(-9999) * 10 + found.Lengde(), -49);
  }
  EXPECT_EQ(Describe(owner), before);
}

TEST(KxResBuffer, TextsWithPercentSignsPassUnchanged) {
  HostCapture host;
  const char* t = "100% %s%n%d";
  Streng s, got;
  s = t;
  KxResBuffer rb;
  rb.Add(1, t), rb.Add(300, &s), rb.Set(1000, t, 1, 1), rb.InsertElement(RTSTR, &s, 1001, 1);
  EXPECT_EQ(rb.AddCopyOf(&rb), 1);
  const int codes[] = {1, 300, 1000, 1001};
  for (int k = 0; k < 8; ++k) {  // each code, then its copy
    EXPECT_TRUE(rb.Get(codes[k % 4], &got, 1 + k / 4) == 1 && got == s) << k;
  }
  EXPECT_EQ(rb.Exist(300, &s, 1) + rb.Exist(300, &s, 0), 2);
  rb.ErrorKode(-1);  // mode 2 takes a match at position 0 only while no error code is set
  EXPECT_EQ(rb.Exist(300, &s, 2), 0);
  rb.ErrorKode(0);
  EXPECT_EQ(rb.Exist(300, &s, 2), 1);
  rb.EditInDialog();
  EXPECT_EQ(host.Texts(), std::vector<std::string>(8, "\"100% %s%n%d\""));
}

TEST(KxResBuffer, RecordsShownAndMeasured) {
  HostCapture host;
  KxResBuffer rb;
  const long name[2] = {-2, 7};
  const DT_Longint l(-5);
  rb.Add(40, 1.5), rb.Add(1, "t"), rb.Add(RTT), rb.Add(-3), rb.Add(90, &l), rb.Add(-1, name);
  rb.Add(10, DT_Punkt(1, 2, 3).Get()[0]), rb.Add(70, 65534);  // a short keeps its low 16 bits
  EXPECT_EQ(rb.EditInDialog("unused"), 0);
  EXPECT_EQ(host.Texts(), Words("resbuf/shown.cases", "shown"));
  int n = 0;
  rb.Delete(RTT, 1), rb.Delete(-3, 1), rb.Delete(90, 1), rb.Delete(-1, 1);
  EXPECT_EQ(rb.SizeInBytes(nullptr, &n, 8, 1) * 1000 + n, 4048);    // 8 + 8 + 24 + 8 (align 8)
  EXPECT_EQ(rb.SizeInBytes(rb.Get(2), &n, 0, 1) * 1000 + n, 3030);  // 2 + 24 + 4
  EXPECT_EQ(rb.SizeInBytes(rb.Get(2), &n, 0, 0) * 1000 + n, 1002);
  rb.Get(1)->restype = 41, rb.Get(2)->restype = 0, rb.Get(3)->restype = 10;
  EXPECT_EQ(rb.ChangeDXFtoRTCodes(), 1);
  EXPECT_EQ(Describe(rb).substr(0, 4) + std::to_string(rb.Get(2)->restype) +
                std::to_string(rb.Get(3)->restype) + std::to_string(rb.Get(4)->restype),
            "5001500550025003");
  EXPECT_EQ(rb.ChangeType(5005, 1, 1, 0) * 10 + rb.ChangeType(5002, 300, 1, 0), 11);
  Streng got;
  EXPECT_EQ(rb.Get(300, &got, 1) * 10 + got.Lengde(), 10);  // a new empty text
}

// Each call's result and last error code (0: none recorded), with the messages shown.
TEST(KxResBuffer, ResultsAndCodesOnBadInput) {
  HostCapture host;
  KxResBuffer rb, empty, texts;
  DT_Double d(1);
  Streng s("t");
  rb.Add(40, 1.5), rb.Add(1, "t"), rb.Add(RTT), rb.Add(-3), rb.Add(42, 0.0);
  texts.Add(40, 1.0), texts.Add(1, "u"), texts.Add(1, "v");  // the last record has the code
  resbuf* const unknown = rb.Get(5);
  unknown->restype = 20;
  const struct {
    const char* what;
    std::function<long()> call;
    long result;
    int code;
  } cases[] = {
      // clang-format off
      {"Add null chain", [&] { return rb.Add(static_cast<resbuf*>(nullptr)); }, 0, 0},
      {"Add null buffer", [&] { return rb.Add(static_cast<KxResBuffer*>(nullptr), 1); }, 0, 0},
      {"Add itself", [&] { return rb.Add(&rb, 1); }, 0, -1},
      {"Add null value", [&] { return rb.Add(40, static_cast<DT_Double*>(nullptr)); }, 0, 0},
      {"Add text to real code", [&] { return rb.Add(40, "x"); }, 0, -6},
      {"Add real to text code", [&] { return rb.Add(1, 2.5); }, 0, -6},
      {"Add own record again", [&] { return rb.Add(rb.Get(2)); }, 0, -1},
      {"Get real of a text", [&] { return rb.Get(1, &d, 1); }, 0, -6},
      {"Get no record", [&] { return rb.Get(41, &d, 1); }, 0, 0},
      {"Get null destination", [&] { return rb.Get(40, static_cast<long*>(nullptr), 1); }, 0, 0},
      {"Get beyond the end", [&] { return long{rb.Get(6) == nullptr && rb.GetKode(40, 0, nullptr) == nullptr}; }, 1, 0},
      {"Set real into text", [&] { return rb.Set(1, 2.5, 1, 1); }, 0, -6},
      {"Set null text", [&] { return rb.Set(1, static_cast<const char*>(nullptr), 1, 1); }, 0, 0},
      {"Set missing", [&] { return rb.Set(41, 2.5, 1, 0); }, 0, 0},
      {"Insert another class", [&] { return rb.InsertElement(RTREAL, &s, 41, 1); }, 0, -6},
      {"Insert text at real code", [&] { return rb.InsertElement(RTSTR, &s, 41, 1); }, 0, -6},
      {"Insert bad type", [&] { return rb.InsertElement(7, &d, 42, 0) * 10 + rb.Lengde(); }, 6, 0},
      {"Copy null", [&] { return rb.AddCopyOf(static_cast<resbuf*>(nullptr)); }, 0, -1},
      {"Link null", [&] { return rb.AddLink(static_cast<resbuf*>(nullptr)); }, 0, -1},
      {"ChangeCode empty", [&] { return empty.ChangeCode(-999, 1); }, 0, -3},
      {"ChangeCode other code", [&] { return rb.ChangeCode(41, 42); }, 0, -4},
      {"ChangeCode to unknown type", [&] { return rb.ChangeCode(-999, -1, unknown); }, 0, -2},
      {"ChangeAllCodes", [&] { return rb.ChangeAllCodes(1, 1001, nullptr); }, 1, -4},
      {"ChangeType missing", [&] { return rb.ChangeType(41, 1, 1, 0); }, 0, -1},
      {"Size null bytes", [&] { return rb.SizeInBytes(nullptr, nullptr, 0, 1); }, 0, -2},
      {"Exist null text", [&] { return rb.Exist(1, static_cast<Streng*>(nullptr), 0); }, 0, -1},
      {"Exist missing", [&] { return rb.Exist(41) + rb.Exist(1002, &s, 0); }, 0, 0},
      {"Exist to the end", [&] { return texts.Exist(1, &s, 0); }, 0, 3},  // Lik's code
      {"AutoSlett 5", [&] { return rb.AutoSlett(5); }, 1, 0},
      {"SlettListen empty", [&] { return empty.SlettListen(); }, 0, 0},
      // clang-format on
  };
  for (const auto& c : cases) {
    rb.ErrorKode(0);
    EXPECT_EQ(c.call(), c.result) << c.what;
    EXPECT_EQ(rb.ErrorKode(-9999), c.code) << c.what;
  }
  EXPECT_EQ(host.Lines(), (std::vector<std::string>{
                              "ErrorBox[Message|1048577] KxResBuffer: Not a valid RT-Code 7.",
                              "Printf[|0] \nKxResBuffer::GetResType - Unknown RESTYPE 20"}));
}

}  // namespace
