#pragma once
// DT_Nodeliste: the library's container, a doubly linked list of library objects with one cursor.
//
// Each node points at one HovedObjekt. The cursor (the active node) is either on a node, with its
// 0-based position in Index(), or off the list; while it is off, Index() keeps its last value and
// means nothing, and the next positional access starts again from the first node. Iteration moves
// the cursor, positional access walks it from where it stands (one step per call when reading by
// increasing or decreasing position), insertion and removal reposition it as each member says.
// Appending and removal at the cursor take constant time.
//
// Ownership: with AutoSlett 1 (the default) the list owns its objects and deletes them when it is
// destroyed. Whatever the flag, objects are deleted only by SlettObjekt, SlettAlleIListen(1) and
// the destructor of an owning list; every other removal hands the object back or forgets it. An
// owning list must hold each object once, and must not hold itself.
//
// Results: members that change the list return 1 for success and 0 for failure; readers return
// null when there is nothing to return. The readers and cursor movers take a node flag: 0 returns
// the object, any other value the DT_Node itself (typed HovedObjekt*).
//
// List objects are not copyable: a copy would share the nodes of the original. Point lists offer a
// copying Init; LeggTil(DT_Nodeliste*, int) moves the nodes of another list into this one.

#include <cstdint>

#include "kx/foundation/DataType.h"

class DT_Node;

class KX_API DT_Nodeliste : public DataType {
 private:
  // The ordering test of Sorter: non-zero when earlier and later (neighbours, in list order) must
  // change places; direction is Sorter's argument. A derived list redefines it; here it never asks
  // for an exchange. Declared first: its place in the virtual table comes before the others.
  virtual int SorterObj(HovedObjekt* earlier, HovedObjekt* later, int direction);

 public:
  // An empty list with the given ownership flag (1 owns, 0 does not; other values count as 1).
  explicit DT_Nodeliste(int autoSlett = 1);
  // Removes the remaining nodes; an owning list deletes their objects too.
  ~DT_Nodeliste() override;
  DT_Nodeliste(const DT_Nodeliste&) = delete;
  DT_Nodeliste& operator=(const DT_Nodeliste&) = delete;

  // -1 and "DT_Nodeliste".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Inserts obj at position, which must be 0 or more: 1 when inserted there, the cursor then on the
  // new object at that position; 2 when position is at or beyond the end and obj was appended (the
  // cursor stays where it was); 0 for a null obj or a negative position.
  virtual int Insert(HovedObjekt* obj, int position);
  // Inserts obj before the node before (null: before the first node; on an empty list obj is
  // appended). The cursor keeps its position, not its node: when obj goes in at or before the
  // active node, the cursor ends on the node just before that node. A cursor off the list stays
  // off. 1 on success; 0 for a null obj or a node that is not in this list (nothing changes).
  // Linear in the distance of before from the nearer end of the list.
  virtual int Insert(HovedObjekt* obj, DT_Node* before);
  // Moves the cursor to position (as GetIndex): 1 when there is a node there, else 0 with the
  // cursor off the list.
  virtual int Aktiver(int position);
  // Moves the cursor to node: 1 when node is in this list; 0 for null (nothing changes) and for a
  // node of no or another list (the cursor is then off the list, Index() at the last position).
  virtual int Aktiver(DT_Node* node);
  // Removes the active node; the object is not deleted. The cursor goes to the new first node
  // (index 0) when the first was removed, otherwise to the node before the removed one. A list of
  // one node loses it wherever the cursor is. 0 for an empty list, and when the cursor is off a
  // list of two or more nodes (nothing changes); else 1.
  virtual int SlettAktiv();
  // Removes the node at position as SlettAktiv does (the object is not deleted): 1, or 0 when
  // there is no node at position, with the list and cursor unchanged.
  virtual int SlettIndex(int position);
  // Removes the node holding obj (compared by identity) and deletes obj. When that node was
  // active the cursor moves as in SlettAktiv; otherwise it stays on the same node, its index
  // corrected. 1 when found; 0 when obj is not in the list (nothing changes).
  virtual int SlettObjekt(HovedObjekt* obj);
  // Empties the list; deleteObjects not 0 also deletes the objects. Cursor off, index 0.
  virtual void SlettAlleIListen(int deleteObjects);

  // Readers; the cursor does not move. First, last, active node; the node before and after the
  // active one (null when the cursor is off the list or at that end).
  HovedObjekt* Forste(int node = 0) const;
  HovedObjekt* Siste(int node = 0) const;
  HovedObjekt* Aktiv(int node = 0) const;
  HovedObjekt* Forrige(int node = 0) const;
  HovedObjekt* Neste(int node = 0) const;
  // Number of nodes.
  int Antall() const;
  // 0-based position of the active node (meaningful only while the cursor is on the list).
  int Index() const;
  // The ownership flag: -1 reads, 0 or 1 sets, other values are ignored. Returns the flag after
  // the call.
  int AutoSlett(int autoSlett = -1);

  // Cursor movers; each returns the node or object the cursor lands on, or null.
  // First node, index 0 (null for an empty list, the cursor then off the list).
  HovedObjekt* AktiverForste(int node = 0);
  // Last node, index count - 1; an empty list returns null and changes nothing.
  HovedObjekt* AktiverSiste(int node = 0);
  // The next (previous) node, index + 1 (- 1). With the cursor off the list: null. Stepping past
  // the last (first) node puts the cursor off the list with the index unchanged and gives null.
  HovedObjekt* AktiverNeste(int node = 0);
  HovedObjekt* AktiverForrige(int node = 0);
  // Walks the cursor from where it stands (from the first node when it is off the list) to
  // position. Null when there is no node at position: the cursor is then off the list, the index at
  // the last position the walk reached (0 or count - 1).
  HovedObjekt* GetIndex(int position, int node = 0);

  // Appends obj; the cursor does not move, except that the first object of an empty list becomes
  // active at index 0. 1, or 0 for a null obj.
  int LeggTil(HovedObjekt* obj);
  // Moves every node of other, in order, to the end of this list and destroys other with delete:
  // other must have been made with new. An empty other is left alone (the caller still owns it).
  // The moved objects follow this list's ownership flag. When this list was empty the cursor goes
  // to the first moved node, index 0; otherwise it does not move. unused has no effect; it has no
  // default, so that LeggTil(list) with one argument appends a list as an object. 1 on success; 0
  // with last error code -1 for a null other or this list itself.
  int LeggTil(DT_Nodeliste* other, int unused);
  // Removes the active node and returns its object, which the caller now owns; the cursor moves as
  // in SlettAktiv. Null when the cursor is off the list.
  HovedObjekt* TaUtAktiv();
  // Removes the first node and returns its object (the caller owns it); the cursor ends on the new
  // first node, index 0. Null for an empty list.
  HovedObjekt* TaUtForste();
  // Sorts by exchanging objects between neighbouring nodes (the nodes stay in place) with
  // SorterObj, in bubble passes until a pass exchanges nothing. Equal objects keep their order when
  // SorterObj never asks to exchange them. An ordering test that keeps asking for exchanges stops
  // after as many passes as there are nodes. The cursor ends off the list. Always 1.
  int Sorter(int direction);

 protected:
  // Grows with every change of this list's chain of nodes or of the objects its nodes hold, made by
  // any member (also through a base pointer or a derived class): appending, inserting, removing,
  // moving another list in, Sorter's exchanges. Calls of DT_Node's public setters are counted
  // apart (they do not know their list). For caches that depend on the list's contents.
  std::uint64_t Generation() const { return generation_; }
  // Puts the cursor on node with index as its position, without walking: for a derived list that
  // knows the position of one of its nodes (no check; a null node puts the cursor off the list).
  void PlaceCursor(DT_Node* node, int index) {
    active_ = node;
    index_ = index;
  }

 private:
  // node itself (flag not 0) or its object (flag 0); null for a null node.
  static HovedObjekt* RetNode(DT_Node* node, int flag);
  // Position of node in this list, or -1 when it is not one of this list's nodes.
  std::int32_t PositionOf(const DT_Node* node) const;
  // Unlinks and deletes the active node (not its object); the cursor moves as in SlettAktiv.
  void RemoveActiveNode();

  DT_Node* first_ = nullptr;
  DT_Node* last_ = nullptr;
  DT_Node* active_ = nullptr;
  std::int32_t count_ = 0;
  std::int32_t index_ = 0;
  std::int32_t autoSlett_;
  std::uint64_t generation_ = 0;
};
