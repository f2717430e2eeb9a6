// The cursor list: random operation sequences against a plain reference model, the calls derived
// lists rely on going through the virtual table, and the corner cases the model does not reach.

#include "kx/containers/DT_Nodeliste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "kx/containers/DT_Node.h"
#include "support/HostCapture.h"

namespace {

using Obj = HovedObjekt*;

// A value object that counts the live instances.
struct Item : HovedObjekt {
  explicit Item(int v = 0) : value(v) { ++alive; }
  ~Item() override { --alive; }
  int value;
  static inline int alive = 0;
};

// Whether a must come after b: ascending for direction 1, descending for 0; 2 asks every time.
int Exchange(Obj a, Obj b, int direction) {
  const int x = static_cast<Item*>(a)->value, y = static_cast<Item*>(b)->value;
  return direction == 2 || (direction == 1 ? x > y : x < y);
}
DT_Node* NodeOf(Obj node) { return static_cast<DT_Node*>(node); }
std::intptr_t Id(Obj o) { return reinterpret_cast<std::intptr_t>(o); }
std::intptr_t Id(int v) { return v; }

// Logs the overridable calls; sorts by Exchange.
struct SpyList : DT_Nodeliste {
  using DT_Nodeliste::DT_Nodeliste, DT_Nodeliste::Aktiver, DT_Nodeliste::Insert;
  int Insert(Obj o, DT_Node* n) override { return log += "I", DT_Nodeliste::Insert(o, n); }
  int Aktiver(int i) override { return log += "A", DT_Nodeliste::Aktiver(i); }
  int SlettAktiv() override { return log += "S", DT_Nodeliste::SlettAktiv(); }
  int SorterObj(Obj a, Obj b, int direction) override { return Exchange(a, b, direction); }
  std::string log;
};

// The reference: the objects in order, the cursor (at is what Index() shows, on the list or off
// it), and the objects out of the list that the test owns; the list's operations as documented.
struct Model {
  std::vector<Obj> v, held;
  bool on = false;
  int at = 0;

  int N() const { return static_cast<int>(v.size()); }
  Obj At(long i) const { return i >= 0 && i < N() ? v[i] : nullptr; }
  // The cursor to i; where there is no node, off the list at the nearest valid position.
  Obj Seek(long i) {
    on = At(i) != nullptr;
    at = static_cast<int>(std::clamp<long>(i, 0, std::max(N() - 1, 0)));
    return At(i);
  }
  Obj Step(int by) { return on ? Seek(at + by) : nullptr; }
  int Add(Obj o) {
    if (o != nullptr) v.push_back(o);
    return o != nullptr && (N() > 1 || Seek(0) != nullptr);  // the first object becomes active
  }
  int Insert(Obj o, int i) {
    if (o == nullptr || i < 0 || i >= N()) return i < 0 ? 0 : 2 * Add(o);  // 2: appended
    v.insert(v.begin() + i, o);
    return Seek(i) != nullptr;
  }
  // Before the node at p (-1 null: the first, -2 a node of no or another list); the cursor keeps
  // its position.
  int InsertBefore(Obj o, int p) {
    if (o == nullptr || p == -2 || N() == 0) return p != -2 && Add(o);
    v.insert(v.begin() + std::max(p, 0), o);
    return 1;
  }
  int Activate(int p) { return p == -1 ? 0 : (Seek(p >= 0 ? p : INT_MAX), p >= 0); }
  // Removes p: the cursor keeps its object; when that one goes, it takes the one before, or the
  // new first.
  Obj Remove(int p) {
    Obj o = v[p];
    v.erase(v.begin() + p);
    if (p < at || (on && p == at && at > 0)) --at;
    if (v.empty()) Seek(0);
    return o;
  }
  Obj TakeActive() { return on ? held.emplace_back(Remove(at)) : nullptr; }
  int RemoveActive() { return (N() == 1 ? Seek(0) : nullptr), TakeActive() != nullptr; }
  int RemoveAt(int i) { return At(i) != nullptr && (Seek(i), RemoveActive()); }
  int Delete(Obj o) {
    const auto found = std::find(v.begin(), v.end(), o);
    return found != v.end() && Remove(static_cast<int>(found - v.begin())) != nullptr;
  }
  int Sort(int direction) {
    std::stable_sort(v.begin(), v.end(), [&](Obj a, Obj b) { return Exchange(b, a, direction); });
    return Seek(INT_MAX) == nullptr;
  }
  void Clear(int deleteObjects) {
    if (deleteObjects == 0) held.insert(held.end(), v.begin(), v.end());
    v.clear();
    Seek(0);
  }
  // As State(list) below.
  std::vector<std::intptr_t> State() const {
    const auto near = [&](int by) { return Id(on ? At(at + by) : nullptr); };
    std::vector<std::intptr_t> s = {N(), at, near(0), near(-1), near(1)};
    for (int k = 0; k < 2 * N(); ++k) s.push_back(Id(v[k < N() ? k : 2 * N() - 1 - k]));
    return s;
  }
};

// The list's state: count, Index(), the active object and its neighbours, then the objects walked
// forwards and backwards.
std::vector<std::intptr_t> State(const DT_Nodeliste& l) {
  std::vector<std::intptr_t> s = {l.Antall(), l.Index(), Id(l.Aktiv(0)), Id(l.Forrige(0)),
                                  Id(l.Neste(0))};
  for (auto* n = NodeOf(l.Forste(1)); n; n = NodeOf(n->GetNeste())) s.push_back(Id(n->GetDette()));
  for (auto* n = NodeOf(l.Siste(1)); n; n = NodeOf(n->GetForrige())) s.push_back(Id(n->GetDette()));
  return s;
}

// Every operation, with bad positions (negative, INT_MIN, INT_MAX, the count), null objects, null
// lists, null nodes and nodes of another list. Item::alive is compared after every step, so an
// object deleted when it should have been handed back, or kept when it should have been deleted,
// is caught at once; a double delete stops the sanitizer build. Odd seeds use an owning list.
void RunModel(unsigned seed, int steps) {
  std::mt19937 rng(seed);
  auto pick = [&](std::size_t n) { return static_cast<int>(rng() % n); };
  const int owning = static_cast<int>(seed % 2);
  auto* l = new SpyList(owning != 0 ? 7 : 0);  // any flag but 0 owns
  Model m;
  DT_Nodeliste foreign;  // its nodes must be refused and left alone
  foreign.LeggTil(new Item);
  foreign.LeggTil(new Item);
  DT_Node loose;
  const int baseAlive = Item::alive;
  for (int step = 0; step < steps; ++step) {
    const int far[] = {-1, INT_MIN, INT_MAX, m.N()};
    const int i = pick(5) != 0 ? pick(m.N() + 1) : far[pick(4)], direction = pick(2);
    // A node at position p of this list; p -1: null, -2: a node of no or another list.
    const int p = m.N() > 0 ? pick(m.N() + 2) - 2 : -1 - pick(2);
    DT_Node* node = p == -2 ? (pick(2) != 0 ? NodeOf(foreign.Siste(1)) : &loose) : nullptr;
    for (int k = 0; k <= p; ++k) node = NodeOf(k == 0 ? l->Forste(1) : node->GetNeste());
    const int op = pick(18);  // one of the operations below
    // To add (operations 0 to 2): a new object, one handed back earlier, or null.
    Obj o = op > 2 || pick(10) == 0          ? nullptr
            : m.held.empty() || pick(2) != 0 ? new Item(pick(5))
                                             : m.held.back();
    if (o != nullptr && !m.held.empty() && o == m.held.back()) m.held.pop_back();
    // To delete: the object at i (null where there is none), or one out of the list.
    Obj x = pick(2) != 0 || m.held.empty() ? m.At(i) : m.held[pick(m.held.size())];
#define R(got, want) [&] { return std::pair{Id(got), Id(want)}; }
    const std::function<std::pair<std::intptr_t, std::intptr_t>()> ops[] = {
        R(l->LeggTil(o), m.Add(o)), R(l->Insert(o, i), m.Insert(o, i)),
        R(l->Insert(o, node), m.InsertBefore(o, p)), R(l->Aktiver(i), m.Seek(i) != nullptr),
        R(l->Aktiver(node), m.Activate(p)), R(l->GetIndex(i, 0), m.Seek(i)),
        R(l->AktiverForste(0), m.Seek(0)),
        R(l->AktiverSiste(0), m.N() > 0 ? m.Seek(m.N() - 1) : nullptr),
        R(l->AktiverNeste(0), m.Step(1)), R(l->AktiverForrige(0), m.Step(-1)),
        R(l->SlettAktiv(), m.RemoveActive()), R(l->SlettIndex(i), m.RemoveAt(i)),
        R(l->SlettObjekt(x), m.Delete(x)), R(l->TaUtAktiv(), m.TakeActive()),
        R(l->TaUtForste(), (m.Seek(0), m.TakeActive())), R(l->Sorter(direction), m.Sort(direction)),
        [&] {  // another list moved in; an empty one stays the caller's
          auto* other = new DT_Nodeliste(direction);
          for (int k = pick(4); k > 0; --k) other->LeggTil(new Item(pick(5)));
          for (auto* n = NodeOf(other->Forste(1)); n; n = NodeOf(n->GetNeste())) m.Add(n->GetDette());
          const bool empty = other->Antall() == 0;
          const auto outcome = std::pair{Id(l->LeggTil(other, 0)), Id(1)};
          if (empty) delete other;
          return outcome;
        },
        [&] {  // seldom: the list would hardly grow
          if (pick(20) == 0) l->SlettAlleIListen(direction), m.Clear(direction);
          return std::pair{Id(0), Id(0)};
        }};
#undef R
    const auto outcome = ops[op]();
    if (o != nullptr && std::count(m.v.begin(), m.v.end(), o) == 0) m.held.push_back(o);
    SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << step << ", operation " << op);
    ASSERT_EQ(outcome.first, outcome.second);
    ASSERT_EQ(State(*l), m.State());
    ASSERT_EQ(Item::alive, baseAlive + m.N() + static_cast<int>(m.held.size()));
    ASSERT_TRUE(foreign.Antall() == 2 && NodeOf(foreign.Siste(1))->GetForrige() == foreign.Forste(1));
  }
  EXPECT_EQ(l->AutoSlett(5), owning);  // 5 is ignored
  delete l;
  if (owning == 0) m.held.insert(m.held.end(), m.v.begin(), m.v.end());
  for (Obj y : m.held) delete y;
  EXPECT_EQ(Item::alive, baseAlive) << "seed " << seed;
}

TEST(DT_Nodeliste, MatchesTheReferenceModel) {
  // No node outlives its list: the test programs' main checks the object counters after each test.
  for (unsigned seed : {1u, 2u, 3u, 4u, 20240611u}) RunModel(seed, 5000);
}

TEST(DT_Nodeliste, VirtualCallsAndCornerCases) {
  static_assert(!std::is_copy_constructible_v<DT_Nodeliste> &&
                !std::is_copy_assignable_v<DT_Nodeliste>);
  SpyList l;
  for (int k = 0; k < 6; ++k) l.LeggTil(new Item(k));
  EXPECT_EQ(l.Sorter(2), 1);  // an ordering test that never settles still ends
  EXPECT_EQ(l.LeggTil(nullptr, 0) + l.LeggTil(&l, 0) + l.ErrorKode(-9999), -1);  // refused
  l.Insert(new Item, 1);                                                         // I
  Obj removed = l.GetIndex(2, 0);
  l.SlettIndex(2);  // A S
  delete removed;
  l.SlettIndex(9);            // A
  l.SlettObjekt(l.Aktiv(0));  // S
  l.SlettObjekt(l.Siste(0));  // S
  delete l.TaUtAktiv();       // S
  delete l.TaUtForste();      // S
  // A node whose object a caller cleared does not stop the emptying: the node after it goes too.
  Obj cleared = l.GetIndex(0, 0);
  NodeOf(l.Aktiv(1))->SetDette(nullptr);
  const int alive = Item::alive;
  l.SlettAlleIListen(1);  // S S
  EXPECT_EQ(l.log, "IASASSSSSS");
  EXPECT_EQ(l.Antall() + Item::alive, alive - 1);
  delete cleared;
}

}  // namespace
