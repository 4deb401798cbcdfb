#include "settings/run_state.h"

namespace penwick {

void AddRecentFile(QStringList& recent, const QString& name) {
  recent.prepend(name);
  bool inFirstFive = false;
  for (int i = 1; i <= 4 && i < recent.size(); ++i) inFirstFive = inFirstFive || recent.at(i) == name;
  if (!inFirstFive && recent.size() > 5) recent = recent.mid(0, 5);
  const int later = recent.indexOf(name, 1);
  if (later > 0) recent.removeAt(later);
}

}  // namespace penwick
