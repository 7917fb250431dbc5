#include "host/trv_qt2/ValueText.h"

#include <cmath>
#include <cstdint>
#include <typeindex>

#include <QLocale>

#include "host/trv_properties_qt/PropertyMeta.h"

namespace trv::qt {
namespace {

template <typename T>
T const* metaValue(properties::Meta const& meta, char const* key) {
  auto const child = meta.get_child_optional(key);
  return child ? boost::any_cast<T>(&child->data()) : nullptr;
}

std::optional<std::type_index> kindOf(properties::Meta const& meta) {
  auto const* kind = metaValue<properties::ValidatorKind>(meta, "validator.kind");
  if (!kind) return std::nullopt;
  return kind->first;
}

template <typename T>
bool withinBounds(properties::Meta const& meta, T value) {
  T const* maximum = metaValue<T>(meta, "validator.maximum");
  T const* minimum = metaValue<T>(meta, "validator.minimum");
  return !(maximum && *maximum < value) && !(minimum && value < *minimum);
}

template <typename T>
std::optional<boost::any> bounded(properties::Meta const& meta, T value) {
  if (!withinBounds(meta, value)) return std::nullopt;
  return boost::any(value);
}

}  // namespace

int entryIndex(properties::Meta const& meta, boost::any const& value) {
  auto const* entries = metaValue<properties::EnumEntries>(meta, "editor.entries");
  auto const* isEqual = metaValue<properties::IsEqualFunction>(meta, "editor.is_equal");
  if (!entries || !isEqual || value.empty()) return -1;
  for (std::size_t i = 0; i < entries->size(); ++i)
    if ((*isEqual)((*entries)[i].second, value)) return static_cast<int>(i);
  return -1;
}

QString valueText(properties::Meta const& meta, boost::any const& value) {
  if (value.empty()) return {};
  if (auto const* entries = metaValue<properties::EnumEntries>(meta, "editor.entries")) {
    int const index = entryIndex(meta, value);
    return index < 0 ? QString() : (*entries)[index].first;
  }
  if (auto const* flag = boost::any_cast<bool>(&value))
    return *flag ? QStringLiteral("true") : QStringLiteral("false");
  if (auto const* real = boost::any_cast<double>(&value))
    return QString::number(*real, 'g', QLocale::FloatingPointShortest);
  if (auto const* whole = boost::any_cast<std::int32_t>(&value)) return QString::number(*whole);
  return {};
}

std::optional<boost::any> parseText(properties::Meta const& meta, QString const& text) {
  QString const trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    auto const* optional = metaValue<bool>(meta, "validator.optional");
    if (optional && *optional) return boost::any();
    return std::nullopt;
  }
  auto const kind = kindOf(meta);
  if (!kind) return std::nullopt;
  bool ok = false;
  QLocale const c = QLocale::c();
  if (*kind == typeid(double)) {
    double const value = c.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return bounded(meta, value);
  }
  if (*kind == typeid(std::int32_t)) {
    std::int32_t const value = c.toInt(trimmed, &ok);
    if (!ok) return std::nullopt;
    return bounded(meta, value);
  }
  if (*kind == typeid(bool)) {
    if (trimmed == QLatin1String("true") || trimmed == QLatin1String("1")) return bounded(meta, true);
    if (trimmed == QLatin1String("false") || trimmed == QLatin1String("0")) return bounded(meta, false);
  }
  return std::nullopt;
}

}  // namespace trv::qt
