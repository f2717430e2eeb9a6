#include "kx/containers/DT_Node.h"

#include "containers/Edits.h"

namespace kx::detail {
std::uint64_t gNodeEdits = 0;
}  // namespace kx::detail

DT_Node::DT_Node(HovedObjekt* object) : object_(object) {}

int DT_Node::KlasseType() const { return -1; }

char* DT_Node::KlasseNavn() const {
  static char name[] = "DT_Node";
  return name;
}

void DT_Node::SetForrige(HovedObjekt* previous) {
  previous_ = previous;
  ++kx::detail::gNodeEdits;
}

void DT_Node::SetNeste(HovedObjekt* next) {
  next_ = next;
  ++kx::detail::gNodeEdits;
}

void DT_Node::SetDette(HovedObjekt* object) {
  object_ = object;
  ++kx::detail::gNodeEdits;
}
