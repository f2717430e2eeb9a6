// Allocation failures, in the fault-injection build only (the faults preset): a scripted sequence
// of record-function calls and KxResBuffer operations runs once to count its allocations, then
// once for every N with the Nth allocation failing. The step that meets the failure must give its
// documented failure result and code and leave the buffers as they were (AddCopyOf: as they were
// plus whole copies; a change of code: a record without text, the empty text); after every step
// both chains must hold together (first, last, count, no loop, every text readable); and at the end
// every block the record functions handed out must be released again.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "foundation/FaultInjection.h"
#include "kx/kx.h"
#include "support/HostCapture.h"

namespace {

// The buffers and values the script works on.
struct State {
  KxResBuffer a, b;
  Streng xdata{"%s", "xdata"}, inserted{"%s", "inserted"};
  DT_Double real{2.5};
  DT_Punkt point{1.0, 2.0, 3.0};
  void* memory = nullptr;
  char* text = nullptr;
  ~State() {
    nc_free_mem(memory);
    KMR00_free(text);
  }
};

// What a step gives when its allocation fails: its result, the last error code (kAny: not
// checked), and whether the buffers may change (grow by whole copies, or lose a text).
constexpr int kAny = 4711;
enum class Change { None, Copies, EmptyText };
struct Step {
  const char* name;
  std::function<int(State&)> run;
  int failResult, failCode;
  Change change;
};

// A chain of three records made with the flat functions, texts on two, handed to b.
int AddFlatChain(State& s) {
  resbuf* first = WINKMR00_newrb(1);
  if (first == nullptr) return 0;
  first->resval.rstring = nc_strdup("first");
  resbuf* second = first->rbnext = WINKMR00_newrb(40);
  resbuf* third = second != nullptr ? second->rbnext = WINKMR00_newrb(RTSTR) : nullptr;
  if (third != nullptr) third->resval.rstring = KMR00_strdup("third");
  if (first->resval.rstring != nullptr && third != nullptr && third->resval.rstring != nullptr)
    return s.b.Add(first);
  WINKMR00_relrb(first);  // releases the texts of the codes 1 and 5005 too
  return 0;
}

const std::vector<Step>& Script() {
  static const double xyz[3] = {4.0, 5.0, 6.0};
  static const std::vector<Step> script = {
      {"Add(text)", [](State& s) { return s.a.Add(1, "text"); }, 0, -8, Change::None},
      {"Add(real)", [](State& s) { return s.a.Add(40, 2.5); }, 0, -8, Change::None},
      {"Add(point)", [](State& s) { return s.a.Add(10, &s.point); }, 0, -8, Change::None},
      {"Add(xyz)", [](State& s) { return s.a.Add(11, xyz); }, 0, -8, Change::None},
      {"Add(marker)", [](State& s) { return s.a.Add(-3); }, 0, -8, Change::None},
      {"Add(Streng)", [](State& s) { return s.a.Add(1000, &s.xdata); }, 0, -8, Change::None},
      {"Add(DT_Double)", [](State& s) { return s.a.Add(41, &s.real); }, 0, -8, Change::None},
      {"AddCopyOf(self)", [](State& s) { return s.a.AddCopyOf(&s.a); }, 0, -8, Change::Copies},
      {"Set(text)", [](State& s) { return s.a.Set(1, "replaced", 2, 0); }, 0, -8, Change::None},
      {"Set(add)", [](State& s) { return s.a.Set(1001, "added", 1, 1); }, 0, -8, Change::None},
      // clang-format off
      {"Insert(text)", [](State& s) { return s.a.InsertElement(RTSTR, &s.inserted, 1, 2); }, 0, -1, Change::None},
      {"Insert(real)", [](State& s) { return s.a.InsertElement(RTREAL, &s.real, 40, 1); }, 0, -1, Change::None},
      {"ChangeCode", [](State& s) { return s.a.ChangeCode(-999, 5, s.a.Get(3)); }, 1, kAny, Change::EmptyText},
      {"ChangeAllCodes", [](State& s) { return s.a.ChangeAllCodes(11, 300, nullptr); }, 1, kAny, Change::EmptyText},
      {"ChangeType", [](State& s) { return s.a.ChangeType(41, 1002, 1, 1); }, 1, kAny, Change::EmptyText},
      {"flat chain", AddFlatChain, 0, kAny, Change::None},
      {"nc_get_mem", [](State& s) { return int{(s.memory = nc_get_mem(64)) != nullptr}; }, 0, kAny, Change::None},
      {"nc_strdup", [](State& s) { return int{(s.text = nc_strdup("duplicate")) != nullptr}; }, 0, kAny, Change::None},
      {"b.AddCopyOf(a)", [](State& s) { return s.b.AddCopyOf(&s.a); }, 0, -8, Change::Copies},
      {"ChangeDXFtoRTCodes", [](State& s) { return s.b.ChangeDXFtoRTCodes(); }, 1, kAny, Change::EmptyText},
      // clang-format on
      {"Delete", [](State& s) { return s.a.Delete(1, 1); }, 1, kAny, Change::None},
      {"move a to b", [](State& s) { return s.b.Add(&s.a, 0); }, 1, kAny, Change::None},
  };
  return script;
}

// The records of a buffer as text, checking that the chain holds together: the count is right,
// the last record is the end, no record comes twice (a loop), every text can be read.
std::vector<std::string> Records(KxResBuffer& rb) {
  std::vector<std::string> records;
  std::vector<const resbuf*> seen;
  const resbuf* last = nullptr;
  for (resbuf* r = rb.Get(1); r != nullptr; last = r, r = r->rbnext) {
    if (std::find(seen.begin(), seen.end(), r) != seen.end())
      return ADD_FAILURE() << "the chain loops", records;
    seen.push_back(r);
    Streng text;
    rb.GetRbAsString(r, text, 0);
    records.push_back(std::to_string(r->restype) + " " + text.Get());
  }
  EXPECT_EQ(rb.Get(0), last);
  EXPECT_EQ(rb.Lengde(), records.size());
  return records;
}

// Runs the script with the failAt-th allocation failing (0: none). Returns the allocations made.
long RunScript(long failAt) {
  kx::test::HostCapture host;
  const long blocks = kx_fault_live_blocks();
  long failedIn = -1;
  {
    State s;
    kx_fault_fail_allocation(failAt);
    for (const Step& step : Script()) {
      SCOPED_TRACE(std::string(step.name) + ", allocation " + std::to_string(failAt));
      const std::vector<std::string> a = Records(s.a), b = Records(s.b);
      const long before = kx_fault_allocations();
      s.a.ErrorKode(0);
      const int result = step.run(s);
      const int code = s.a.ErrorKode(-9999);
      const bool failed = before < failAt && failAt <= kx_fault_allocations();
      const std::vector<std::string> a2 = Records(s.a), b2 = Records(s.b);
      if (!failed) continue;
      failedIn = failAt;
      EXPECT_EQ(result, step.failResult);
      EXPECT_TRUE(step.failCode == kAny || code == step.failCode) << "code " << code;
      EXPECT_TRUE(step.change != Change::None || (a == a2 && b == b2));
      if (step.change == Change::Copies) {  // as before, then whole copies of a's first records
        for (const auto& [was, now] : {std::make_pair(&a, &a2), std::make_pair(&b, &b2)}) {
          const std::size_t n = was->size();
          EXPECT_TRUE(now->size() >= n && now->size() - n <= a.size() &&
                      std::equal(was->begin(), was->end(), now->begin()) &&
                      std::equal(now->begin() + static_cast<long>(n), now->end(), a.begin()));
        }
      }
    }
  }
  EXPECT_EQ(host.Texts(), kx::test::Texts(host.Count(), "WINKMR00_newrb failed. OUT OF MEMORY ?"));
  EXPECT_EQ(kx_fault_live_blocks(), blocks) << "blocks lost with allocation " << failAt;
  EXPECT_TRUE(failAt == 0 || failedIn == failAt) << "no step met allocation " << failAt;
  const long made = kx_fault_allocations();
  kx_fault_fail_allocation(0);
  return made;
}

TEST(Faults, EveryAllocationOfTheScriptMayFail) {
  const long allocations = RunScript(0);
  ASSERT_GT(allocations, 30);
  for (long n = 1; n <= allocations; ++n) RunScript(n);
}

}  // namespace
