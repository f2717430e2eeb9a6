// The cursor list: random operation sequences against a plain reference model, the virtual calls
// derived lists rely on, and corner cases.

#include "kx/containers/DT_Nodeliste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "kx/containers/DT_Node.h"
#include "support/HostCapture.h"

namespace {

// A small value object that counts the live instances.
struct Item : HovedObjekt {
  explicit Item(int v = 0) : value(v) { ++alive; }
  ~Item() override { --alive; }
  int value;
  static inline int alive = 0;
};

int ValueOf(HovedObjekt* o) { return static_cast<Item*>(o)->value; }
DT_Node* NodeOf(HovedObjekt* node) { return static_cast<DT_Node*>(node); }
std::intptr_t Id(HovedObjekt* o) { return reinterpret_cast<std::intptr_t>(o); }

// Sorts Items ascending (direction not 0) or descending (0).
struct SortingList : DT_Nodeliste {
  using DT_Nodeliste::DT_Nodeliste;

 private:
  int SorterObj(HovedObjekt* a, HovedObjekt* b, int direction) override {
    return direction != 0 ? ValueOf(a) > ValueOf(b) : ValueOf(a) < ValueOf(b);
  }
};

// The reference: the objects in order, and the cursor as a position (none when off the list);
// off is what Index() shows while the cursor is off.
struct Model {
  std::vector<HovedObjekt*> v;
  std::optional<int> cur;
  int off = 0;

  int N() const { return static_cast<int>(v.size()); }
  HovedObjekt* At(long i) const { return i >= 0 && i < N() ? v[i] : nullptr; }
  HovedObjekt* Active() const { return cur ? v[*cur] : nullptr; }
  // Cursor to i; when there is none, off the list at the nearest valid position.
  HovedObjekt* Seek(long i) {
    if (At(i) != nullptr) cur = static_cast<int>(i);
    else cur.reset(), off = static_cast<int>(std::clamp<long>(i, 0, std::max(N() - 1, 0)));
    return At(i);
  }
  void Add(HovedObjekt* o) {
    v.push_back(o);
    if (N() == 1) cur = 0;
  }
  // The cursor keeps its element; when that is the one removed, it takes the previous element,
  // or the new first one.
  HovedObjekt* Remove(int p) {
    HovedObjekt* o = v[p];
    v.erase(v.begin() + p);
    int& i = cur ? *cur : off;
    if (p < i || (cur && p == i && i > 0)) --i;
    if (v.empty()) Seek(0);
    return o;
  }
};

std::string Diff(const DT_Nodeliste& l, const Model& m) {
  std::vector<HovedObjekt*> forward, backward;
  for (DT_Node* n = NodeOf(l.Forste(1)); n != nullptr; n = NodeOf(n->GetNeste()))
    forward.push_back(n->GetDette());
  for (DT_Node* n = NodeOf(l.Siste(1)); n != nullptr; n = NodeOf(n->GetForrige()))
    backward.insert(backward.begin(), n->GetDette());
  const int i = m.cur ? *m.cur : m.off;
  if (l.Antall() != m.N() || forward != m.v || backward != m.v) return "content differs";
  if (l.Aktiv(0) != m.Active() || l.Index() != i)
    return "cursor at " + std::to_string(l.Index()) + ", expected " + std::to_string(i);
  if (m.cur && (l.Forrige(0) != m.At(i - 1) || l.Neste(0) != m.At(i + 1))) return "neighbours";
  return "";
}

// Every operation, with bad positions (negative, INT_MIN, INT_MAX), null objects, null lists, null
// nodes and nodes of another list. Item::alive is compared after every step, so an object deleted
// when it should have been handed back, or kept when it should have been deleted, is caught at
// once; a double delete stops the sanitizer build. Odd seeds use an owning list.
void RunModel(unsigned seed, int steps) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const int autoSlett = static_cast<int>(seed % 2);
  auto* l = new SortingList(autoSlett != 0 ? 7 : 0);   // any flag but 0 owns
  Model m;
  std::vector<HovedObjekt*> held;   // out of the list: the test owns these
  DT_Nodeliste foreign;             // its nodes must be refused and left alone
  foreign.LeggTil(new Item);
  foreign.LeggTil(new Item);
  DT_Node loose;
  const int baseAlive = Item::alive;
  auto fresh = [&]() -> HovedObjekt* {
    if (held.empty() || pick(2) == 0) return new Item(pick(5));
    HovedObjekt* o = held.back();
    held.pop_back();
    return o;
  };
  auto position = [&] {
    const int far[] = {-1, INT_MIN, INT_MAX, m.N()};
    return pick(5) == 0 ? far[pick(4)] : pick(m.N() + 1);
  };
  auto node = [&](int& p) -> DT_Node* {   // p: the node's position, -1 null, -2 not of this list
    p = m.N() > 0 ? pick(m.N() + 2) - 2 : -1 - pick(2);
    if (p == -2) return pick(2) ? NodeOf(foreign.Siste(1)) : &loose;
    DT_Node* n = p == -1 ? nullptr : NodeOf(l->Forste(1));
    for (int k = 0; k < p; ++k) n = NodeOf(n->GetNeste());
    return n;
  };

  for (int step = 0; step < steps; ++step) {
    const int op = pick(14);
    std::intptr_t got = 0, want = 0;
    int i = position(), p = 0;
    if (op == 0) {
      HovedObjekt* o = pick(10) ? fresh() : nullptr;
      got = l->LeggTil(o);
      want = o != nullptr;
      if (o) m.Add(o);
    } else if (op == 1) {
      HovedObjekt* o = pick(10) ? fresh() : nullptr;
      got = l->Insert(o, i);
      want = (o == nullptr || i < 0) ? 0 : i >= m.N() ? 2 : 1;
      if (want == 2) m.Add(o);
      else if (want == 1) m.v.insert(m.v.begin() + i, o), m.cur = i;
      else if (o) held.push_back(o);
    } else if (op == 2) {
      HovedObjekt* o = fresh();
      got = l->Insert(o, node(p));
      want = p != -2;
      if (p == -2) held.push_back(o);
      else if (m.N() == 0) m.Add(o);
      else m.v.insert(m.v.begin() + std::max(p, 0), o);   // the cursor keeps its position
    } else if (op == 3) {
      got = l->Aktiver(i);
      want = m.Seek(i) != nullptr;
    } else if (op == 4) {
      got = l->Aktiver(node(p));
      want = p >= 0;
      if (p != -1) m.Seek(p >= 0 ? p : INT_MAX);
    } else if (op == 5) {
      got = Id(l->GetIndex(i, 0));
      want = Id(m.Seek(i));
    } else if (op == 6) {
      const int w = pick(4);
      got = Id(w == 0 ? l->AktiverForste(0) : w == 1 ? l->AktiverSiste(0)
               : w == 2 ? l->AktiverNeste(0) : l->AktiverForrige(0));
      if (w == 0 || (w == 1 && m.N() > 0)) m.Seek(w == 0 ? 0 : m.N() - 1);
      else if (w > 1 && m.cur) m.Seek(*m.cur + (w == 2 ? 1 : -1));
      want = Id(m.Active());
    } else if (op == 7) {
      got = l->SlettAktiv();
      if (m.N() == 1) m.cur = 0;   // the only node goes wherever the cursor is
      want = m.cur.has_value();
      if (want) held.push_back(m.Remove(*m.cur));
    } else if (op == 8) {
      got = l->SlettIndex(i);
      want = m.At(i) != nullptr;
      if (want) m.cur = i, held.push_back(m.Remove(i));
    } else if (op == 9) {
      const int kind = pick(3);
      HovedObjekt* o = kind == 0 && m.N() ? m.v[pick(m.N())]
                       : kind == 1 && !held.empty() ? held[pick(static_cast<int>(held.size()))]
                                                    : nullptr;
      p = static_cast<int>(std::find(m.v.begin(), m.v.end(), o) - m.v.begin());
      got = l->SlettObjekt(o);
      want = p < m.N();
      if (want) m.Remove(p);
    } else if (op == 10) {
      HovedObjekt* r = pick(2) ? (m.Seek(0), l->TaUtForste()) : l->TaUtAktiv();
      got = Id(r);
      want = Id(m.cur ? m.Remove(*m.cur) : nullptr);
      if (r) held.push_back(r);
    } else if (op == 11) {
      auto* other = new DT_Nodeliste(pick(2));
      std::vector<HovedObjekt*> moved(pick(4));
      for (auto& o : moved) other->LeggTil(o = new Item(pick(5)));
      DT_Nodeliste* arg = pick(10) ? other : pick(2) ? nullptr : l;
      got = l->LeggTil(arg, 0);
      if (arg != other) got += 10 * l->ErrorKode(-9999);   // refused: also the error code
      want = arg == other ? 1 : -10;
      if (arg == other && !moved.empty()) {
        for (HovedObjekt* o : moved) m.Add(o);
      } else {
        if (other->AutoSlett() == 0) held.insert(held.end(), moved.begin(), moved.end());
        delete other;   // refused, or empty: still the caller's
      }
    } else if (op == 12) {
      const int direction = pick(2);
      got = l->Sorter(direction);
      want = 1;
      std::stable_sort(m.v.begin(), m.v.end(), [&](HovedObjekt* a, HovedObjekt* b) {
        return direction ? ValueOf(a) < ValueOf(b) : ValueOf(a) > ValueOf(b);
      });
      m.Seek(INT_MAX);
    } else if (pick(20) == 0) {
      const int deleteObjects = pick(2);
      l->SlettAlleIListen(deleteObjects);
      if (!deleteObjects) held.insert(held.end(), m.v.begin(), m.v.end());
      m.v.clear();
      m.Seek(0);
    }
    std::string diff = Diff(*l, m);
    if (got != want) diff += " result " + std::to_string(got) + ", expected " + std::to_string(want);
    if (Item::alive != baseAlive + m.N() + static_cast<int>(held.size())) diff += " alive";
    if (foreign.Antall() != 2 || foreign.Forste(1) != NodeOf(foreign.Siste(1))->GetForrige())
      diff += " the other list changed";
    if (!diff.empty()) {
      ADD_FAILURE() << "seed " << seed << ", step " << step << ", operation " << op << " (i " << i
                    << ", p " << p << "): " << diff;
      break;
    }
  }
  EXPECT_EQ(l->AutoSlett(5), autoSlett);   // 5 is ignored
  delete l;
  if (autoSlett == 0) held.insert(held.end(), m.v.begin(), m.v.end());
  for (HovedObjekt* o : held) delete o;
  EXPECT_EQ(Item::alive, baseAlive) << "seed " << seed;
}

TEST(DT_Nodeliste, MatchesTheReferenceModel) {
  kx::test::HostCapture host;
  HovedObjekt counters;
  counters.NullstillObjektTellere();
  for (unsigned seed : {1u, 2u, 3u, 4u, 20240611u}) RunModel(seed, 5000);
  EXPECT_EQ(counters.VisMsgHvisObjektTellereUlike(nullptr), 1);   // no node outlived its list
}

// Derived lists rely on these calls going through the virtual table.
struct SpyList : DT_Nodeliste {
  using DT_Nodeliste::Aktiver;
  using DT_Nodeliste::Insert;
  int Insert(HovedObjekt* o, DT_Node* n) override { return log += "I", DT_Nodeliste::Insert(o, n); }
  int Aktiver(int i) override { return log += "A", DT_Nodeliste::Aktiver(i); }
  int SlettAktiv() override { return log += "S", DT_Nodeliste::SlettAktiv(); }
  std::string log;
};

TEST(DT_Nodeliste, CallsTheOverridableOperationsVirtually) {
  SpyList l;
  for (int k = 0; k < 5; ++k) l.LeggTil(new Item);
  l.Insert(new Item, 1);                              // I
  HovedObjekt* removed = l.GetIndex(2, 0);
  l.SlettIndex(2);                                    // A S
  delete removed;
  l.SlettIndex(9);                                    // A
  l.SlettObjekt(l.Aktiv(0));                          // S
  l.SlettObjekt(l.Siste(0));                          // S
  delete l.TaUtAktiv();                               // S
  delete l.TaUtForste();                              // S
  l.SlettAlleIListen(1);                              // S
  EXPECT_EQ(l.log, "IASASSSSS");
}

// Always asks for an exchange.
struct RestlessList : DT_Nodeliste {
  int SorterObj(HovedObjekt*, HovedObjekt*, int) override { return 1; }
};

TEST(DT_Nodeliste, IdentityAndCornerCases) {
  static_assert(!std::is_copy_constructible_v<DT_Nodeliste> && !std::is_copy_assignable_v<DT_Nodeliste>);
  RestlessList l;
  EXPECT_EQ(l.KlasseType(), -1);
  EXPECT_STREQ(l.KlasseNavn(), "DT_Nodeliste");
  for (int k = 0; k < 4; ++k) l.LeggTil(new Item(k));
  EXPECT_EQ(l.Sorter(1), 1);   // an ordering test that never settles still ends
  EXPECT_EQ(l.Aktiv(0), nullptr);

  // A node whose object a caller cleared does not stop the emptying: nothing after it leaks.
  const int alive = Item::alive;
  HovedObjekt* cleared = l.GetIndex(1, 0);
  NodeOf(l.Aktiv(1))->SetDette(nullptr);
  l.SlettAlleIListen(1);
  EXPECT_EQ(l.Antall(), 0);
  EXPECT_EQ(Item::alive, alive - 3);
  delete cleared;
}

}  // namespace
