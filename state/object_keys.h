// The order of the object keys `Objs`: the order a sorted Windows list box keeps.
#pragma once
#include <string>
#include <string_view>

#include "core/string_list.h"

namespace lumora {

// Negative when a sorts before b, 0 when the list box sees them as equal, positive
// when a sorts after b.
int CompareObjectKeys(std::string_view a, std::string_view b);

// Puts keys into list-box order, as if each were added in turn: the list box puts
// a new item after every item that does not sort after it, so keys it sees as
// equal keep the order in which they came.
void SortObjectKeys(StringList& keys);

}  // namespace lumora
