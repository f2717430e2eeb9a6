#pragma once
// DT_Node: one node of a DT_Nodeliste.
//
// A node links to its neighbours and points at one library object, its payload. The list creates
// and deletes its nodes; a node never deletes its object. The links are kept as HovedObjekt*, as
// the list's callers have always seen them; within a list they always point at DT_Node objects.

#include "kx/foundation/DataType.h"

class KX_API DT_Node : public DataType {
 public:
  // A node for object (null by default), with no neighbours.
  explicit DT_Node(HovedObjekt* object = nullptr);
  // Identity: -1 and "DT_Node".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Store the link to the preceding node, the link to the following node, and the payload. No
  // checks: changing the links of a node that belongs to a list breaks that list. Each call counts
  // as an edit of every list (a profile's compiled curve table is rebuilt on its next query), since
  // the node does not know its list; the lists link their own nodes without these.
  void SetForrige(HovedObjekt* previous);
  void SetNeste(HovedObjekt* next);
  void SetDette(HovedObjekt* object);

  // The preceding node (null for the first), the following node (null for the last), the payload.
  HovedObjekt* GetForrige() const { return previous_; }
  HovedObjekt* GetNeste() const { return next_; }
  HovedObjekt* GetDette() const { return object_; }

 private:
  // The list links and fills its own nodes through these, which count as no edit of other lists.
  friend class DT_Nodeliste;
  void LinkForrige(HovedObjekt* previous) { previous_ = previous; }
  void LinkNeste(HovedObjekt* next) { next_ = next; }
  void Hold(HovedObjekt* object) { object_ = object; }

  HovedObjekt* previous_ = nullptr;
  HovedObjekt* next_ = nullptr;
  HovedObjekt* object_;
};
