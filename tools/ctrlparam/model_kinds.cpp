#include "tools/ctrlparam/model_kinds.h"

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

ElementKinds parseModel(QString const& text) {
  ElementKinds kinds;
  if (text.trimmed().toLower() == QLatin1String("none")) return kinds;
  for (QString const& word : text.split(QLatin1Char(','))) {
    QString const kind = word.trimmed().toLower();
    if (kind == QLatin1String("none")) throw UsageError("--model takes none alone, not in a list");
    bool const all = kind == QLatin1String("all");
    bool known = all;
    for (ModelKind const& row : kModelKinds)
      if (all || kind == QLatin1String(row.name)) kinds.*row.has = known = true;
    if (!known) throw UsageError("unknown model element kind '" + word.toStdString() + "'");
  }
  return kinds;
}

ElementKinds allKinds() {
  ElementKinds kinds;
  for (ModelKind const& row : kModelKinds) kinds.*row.has = true;
  return kinds;
}

std::string kindsText(ElementKinds const& kinds, char const* separator) {
  std::string text;
  for (ModelKind const& row : kModelKinds)
    if (kinds.*row.has) text += (text.empty() ? "" : separator) + std::string(row.name);
  return text;
}

}  // namespace ctrlparam
