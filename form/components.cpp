// The form model's few operations.
#include "form/components.h"

namespace lumora {

bool Notebook::ShowPage(const std::string& caption) {
  for (size_t i = 0; i < pages.size(); ++i) {
    if (pages[i] == caption) {
      pageIndex = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

}  // namespace lumora
