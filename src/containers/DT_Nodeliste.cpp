#include "kx/containers/DT_Nodeliste.h"

#include "kx/containers/DT_Node.h"

namespace {

// The links of a node that belongs to a list always point at nodes.
DT_Node* NextOf(const DT_Node* node) { return static_cast<DT_Node*>(node->GetNeste()); }
DT_Node* PreviousOf(const DT_Node* node) { return static_cast<DT_Node*>(node->GetForrige()); }

}  // namespace

DT_Nodeliste::DT_Nodeliste(int autoSlett) : autoSlett_(autoSlett == 0 ? 0 : 1) {}

DT_Nodeliste::~DT_Nodeliste() {
  // Not through the virtual table: a derived list is already gone at this point.
  if (first_ != nullptr) DT_Nodeliste::SlettAlleIListen(autoSlett_);
}

int DT_Nodeliste::KlasseType() const { return -1; }

char* DT_Nodeliste::KlasseNavn() const {
  static char name[] = "DT_Nodeliste";
  return name;
}

int DT_Nodeliste::SorterObj(HovedObjekt*, HovedObjekt*, int) { return 0; }

HovedObjekt* DT_Nodeliste::RetNode(DT_Node* node, int flag) {
  if (node == nullptr) return nullptr;
  return flag != 0 ? node : node->GetDette();
}

// Readers --------------------------------------------------------------------------------------

HovedObjekt* DT_Nodeliste::Forste(int node) const { return RetNode(first_, node); }

HovedObjekt* DT_Nodeliste::Siste(int node) const { return RetNode(last_, node); }

HovedObjekt* DT_Nodeliste::Aktiv(int node) const { return RetNode(active_, node); }

HovedObjekt* DT_Nodeliste::Forrige(int node) const {
  return active_ == nullptr ? nullptr : RetNode(PreviousOf(active_), node);
}

HovedObjekt* DT_Nodeliste::Neste(int node) const {
  return active_ == nullptr ? nullptr : RetNode(NextOf(active_), node);
}

int DT_Nodeliste::Antall() const { return count_; }

int DT_Nodeliste::Index() const { return index_; }

int DT_Nodeliste::AutoSlett(int autoSlett) {
  if (autoSlett == 0 || autoSlett == 1) autoSlett_ = autoSlett;
  return autoSlett_;
}

// Cursor movers --------------------------------------------------------------------------------

HovedObjekt* DT_Nodeliste::AktiverForste(int node) {
  active_ = first_;
  index_ = 0;
  return RetNode(active_, node);
}

HovedObjekt* DT_Nodeliste::AktiverSiste(int node) {
  if (last_ == nullptr) return nullptr;
  active_ = last_;
  index_ = count_ - 1;
  return RetNode(active_, node);
}

HovedObjekt* DT_Nodeliste::AktiverNeste(int node) {
  if (active_ == nullptr) return nullptr;
  active_ = NextOf(active_);
  if (active_ == nullptr) return nullptr;   // off the end; the index stays on the last node
  ++index_;
  return RetNode(active_, node);
}

HovedObjekt* DT_Nodeliste::AktiverForrige(int node) {
  if (active_ == nullptr) return nullptr;
  active_ = PreviousOf(active_);
  if (active_ == nullptr) return nullptr;   // off the front; the index stays 0
  --index_;
  return RetNode(active_, node);
}

HovedObjekt* DT_Nodeliste::GetIndex(int position, int node) {
  if (active_ == nullptr) {
    active_ = first_;
    index_ = 0;
  }
  // The index only moves when a step lands on a node, so it never leaves 0 .. count - 1.
  while (active_ != nullptr && index_ < position) {
    active_ = NextOf(active_);
    if (active_ != nullptr) ++index_;
  }
  while (active_ != nullptr && index_ > position) {
    active_ = PreviousOf(active_);
    if (active_ != nullptr) --index_;
  }
  return RetNode(active_, node);
}

int DT_Nodeliste::Aktiver(int position) {
  // Asks for the node, not its object: a node whose object a caller cleared is still a node.
  return GetIndex(position, 1) != nullptr ? 1 : 0;
}

int DT_Nodeliste::Aktiver(DT_Node* node) {
  if (node == nullptr) return 0;
  const std::int32_t position = PositionOf(node);
  if (position < 0) {
    // Where a search from the first node that passes the end leaves the cursor.
    active_ = nullptr;
    index_ = count_ > 0 ? count_ - 1 : 0;
    return 0;
  }
  active_ = node;
  index_ = position;
  return 1;
}

std::int32_t DT_Nodeliste::PositionOf(const DT_Node* node) const {
  if (node == nullptr || first_ == nullptr) return -1;
  // Walk towards both ends at once until one is reached: a node belongs to this list exactly when
  // its chain starts at this list's first node (or ends at its last). This costs the distance to
  // the nearer end, and a node of another list is refused without touching that list.
  const DT_Node* back = node;
  const DT_Node* ahead = node;
  for (std::int32_t steps = 0;; ++steps) {
    if (back->GetForrige() == nullptr) return back == first_ ? steps : -1;
    if (ahead->GetNeste() == nullptr) return ahead == last_ ? count_ - 1 - steps : -1;
    back = PreviousOf(back);
    ahead = NextOf(ahead);
  }
}

// Adding ---------------------------------------------------------------------------------------

int DT_Nodeliste::LeggTil(HovedObjekt* obj) {
  if (obj == nullptr) return 0;
  auto* node = new DT_Node(obj);
  if (last_ == nullptr) {
    first_ = node;
    active_ = node;
    index_ = 0;
  } else {
    last_->LinkNeste(node);
    node->LinkForrige(last_);
  }
  last_ = node;
  ++count_;
  ++generation_;
  return 1;
}

int DT_Nodeliste::LeggTil(DT_Nodeliste* other, int) {
  // Moving a list into itself would delete the list being worked on.
  if (other == nullptr || other == this) return ErrorKode(-1);
  if (other->first_ == nullptr) return 1;
  if (first_ == nullptr) {
    first_ = other->first_;
    active_ = first_;
    index_ = 0;
  } else {
    last_->LinkNeste(other->first_);
    other->first_->LinkForrige(last_);
  }
  last_ = other->last_;
  count_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(count_) +
                                     static_cast<std::uint32_t>(other->count_));
  // The nodes are ours now: other must not see them when it is destroyed.
  other->first_ = other->last_ = other->active_ = nullptr;
  other->count_ = other->index_ = 0;
  other->autoSlett_ = 0;
  ++generation_;
  delete other;
  return 1;
}

int DT_Nodeliste::Insert(HovedObjekt* obj, int position) {
  if (obj == nullptr || position < 0) return 0;
  if (position >= count_) {
    LeggTil(obj);
    return 2;
  }
  auto* before = static_cast<DT_Node*>(GetIndex(position, 1));
  // The cursor is on position; inserting before it keeps the position, so it ends on obj.
  return Insert(obj, before);
}

int DT_Nodeliste::Insert(HovedObjekt* obj, DT_Node* before) {
  if (obj == nullptr) return 0;
  if (before == nullptr) before = first_;
  if (before == nullptr) return LeggTil(obj);
  // A node of another list would be linked into that list: refuse it.
  const std::int32_t position = PositionOf(before);
  if (position < 0) return 0;

  auto* node = new DT_Node(obj);
  DT_Node* previous = PreviousOf(before);
  node->LinkForrige(previous);
  node->LinkNeste(before);
  before->LinkForrige(node);
  if (previous == nullptr) {
    first_ = node;
  } else {
    previous->LinkNeste(node);
  }
  ++count_;
  ++generation_;
  // The cursor keeps its position: when the new node went in at or before the active node, that
  // position now holds the node just before the active one. A cursor off the list stays off.
  if (active_ != nullptr && position <= index_) active_ = PreviousOf(active_);
  return 1;
}

// Removing -------------------------------------------------------------------------------------

void DT_Nodeliste::RemoveActiveNode() {
  DT_Node* removed = active_;
  DT_Node* previous = PreviousOf(removed);
  DT_Node* next = NextOf(removed);
  if (previous == nullptr) {
    first_ = next;
  } else {
    previous->LinkNeste(next);
  }
  if (next == nullptr) {
    last_ = previous;
  } else {
    next->LinkForrige(previous);
  }
  --count_;
  ++generation_;
  if (previous == nullptr) {
    active_ = next;   // the new first node, or null when the list is now empty
    index_ = 0;
  } else {
    active_ = previous;
    --index_;
  }
  delete removed;
}

int DT_Nodeliste::SlettAktiv() {
  if (count_ == 0) return 0;
  if (count_ == 1) {
    active_ = first_;   // the only node goes wherever the cursor is
  } else if (active_ == nullptr) {
    // Which node to remove is not known; callers position the cursor first.
    return 0;
  }
  RemoveActiveNode();
  return 1;
}

int DT_Nodeliste::SlettIndex(int position) {
  DT_Node* const keptActive = active_;
  const std::int32_t keptIndex = index_;
  if (Aktiver(position) == 0) {
    // Nothing to remove: the failed search must not move the cursor either.
    active_ = keptActive;
    index_ = keptIndex;
    return 0;
  }
  return SlettAktiv();
}

int DT_Nodeliste::SlettObjekt(HovedObjekt* obj) {
  // The node is removed before the object is deleted, so the object's destructor never sees a
  // list that still points at it.
  if (active_ != nullptr && active_->GetDette() == obj) {
    if (SlettAktiv() == 0) return 0;
    delete obj;
    return 1;
  }
  DT_Node* node = first_;
  std::int32_t position = 0;
  while (node != nullptr && node->GetDette() != obj) {
    node = NextOf(node);
    ++position;
  }
  if (node == nullptr) return 0;

  DT_Node* const keptActive = active_;
  const std::int32_t keptIndex = index_;
  active_ = node;
  index_ = position;
  const int removed = SlettAktiv();
  // Back on the node that was active, one position lower when the removed node lay before it. A
  // cursor that was off the list stays off; its index is corrected the same way.
  active_ = keptActive;
  index_ = removed != 0 && position < keptIndex ? keptIndex - 1 : keptIndex;
  if (removed == 0) return 0;
  delete obj;
  return 1;
}

HovedObjekt* DT_Nodeliste::TaUtAktiv() {
  if (active_ == nullptr) return nullptr;
  HovedObjekt* obj = active_->GetDette();
  SlettAktiv();
  return obj;
}

HovedObjekt* DT_Nodeliste::TaUtForste() {
  AktiverForste(1);
  return TaUtAktiv();
}

void DT_Nodeliste::SlettAlleIListen(int deleteObjects) {
  // Runs until the list is empty rather than until an object comes back null: a caller may have
  // cleared the object of a node (DT_Node::SetDette), and the nodes after it must not leak.
  while (first_ != nullptr) {
    DT_Node* const oldFirst = first_;
    HovedObjekt* obj = TaUtForste();
    if (first_ == oldFirst) {
      // A derived SlettAktiv refused the node: remove it here.
      active_ = oldFirst;
      RemoveActiveNode();
    }
    if (deleteObjects != 0) delete obj;
  }
  active_ = last_ = nullptr;
  count_ = index_ = 0;
}

// Sorting --------------------------------------------------------------------------------------

int DT_Nodeliste::Sorter(int direction) {
  // A bubble sort ends after at most count passes with a consistent ordering test; the bound
  // keeps one that keeps asking for exchanges (of equal objects, say) from running forever.
  for (std::int32_t pass = 0; pass < count_ || pass == 0; ++pass) {
    bool exchanged = false;
    for (AktiverForste(1); active_ != nullptr; AktiverNeste(1)) {
      DT_Node* next = NextOf(active_);
      if (next == nullptr) continue;
      HovedObjekt* earlier = active_->GetDette();
      HovedObjekt* later = next->GetDette();
      if (SorterObj(earlier, later, direction) != 0) {
        active_->Hold(later);
        next->Hold(earlier);
        ++generation_;
        exchanged = true;
      }
    }
    if (!exchanged) break;
  }
  return 1;
}
