#include "host/trv_qt2/ValueText.h"

#include <locale.h>
#include <stdlib.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <typeindex>

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

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

// The locale with its number options: group separators neither written nor read.
QLocale strict(QLocale locale) {
  locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  return locale;
}

QString numberText(QLocale const& locale, double value) {
  return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}
QString numberText(QLocale const& locale, std::int32_t value) {
  return locale.toString(value);
}
QString numberText(QLocale const&, bool value) {
  return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The reasons an entry is refused, translated in the context "ValueText".
QString translated(char const* text) {
  return QCoreApplication::translate("ValueText", text);
}

std::optional<boost::any> refused(QString* reason, QString const& why) {
  if (reason) *reason = why;
  return std::nullopt;
}
std::optional<boost::any> refused(QString* reason, char const* why) {
  return refused(reason, translated(why));
}

// "Above the maximum 100" or "Below the minimum 0".
template <typename T>
QString outOfBounds(bool above, T bound, QLocale const& locale) {
  return translated(above ? QT_TRANSLATE_NOOP("ValueText", "Above the maximum %1")
                          : QT_TRANSLATE_NOOP("ValueText", "Below the minimum %1"))
      .arg(numberText(locale, bound));
}

// The value when within the bounds of the settings; else nothing, and why.
template <typename T>
std::optional<boost::any> bounded(properties::Meta const& meta, T value, QLocale const& locale,
                                  QString* reason) {
  T const* maximum = metaValue<T>(meta, "validator.maximum");
  T const* minimum = metaValue<T>(meta, "validator.minimum");
  if (maximum && *maximum < value) return refused(reason, outOfBounds(true, *maximum, locale));
  if (minimum && value < *minimum) return refused(reason, outOfBounds(false, *minimum, locale));
  return boost::any(value);
}

// Why `text` is no number in `locale`: written with the other decimal separator (then the text as it should
// be), beyond the range of a real number, below its smallest magnitude, or no number at all.
QString whyNoNumber(QString const& text, QLocale const& locale) {
  QChar const point = locale.decimalPoint();
  QChar const other = point == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
  // The hint is given where the entry cannot be a number with a group separator ("1.000" in German may
  // mean a thousand).
  static QRegularExpression const group(QStringLiteral("[.,][0-9]{3}([eE]|$)"));
  if (text.count(other) == 1 && !text.contains(point) && !group.match(text).hasMatch()) {
    QString corrected = text;
    corrected.replace(other, point);
    bool ok = false;
    locale.toDouble(corrected, &ok);
    if (ok)
      return translated(point == QLatin1Char(',')
                            ? QT_TRANSLATE_NOOP("ValueText", "Not a number – use the decimal comma: %1")
                            : QT_TRANSLATE_NOOP("ValueText", "Not a number – use the decimal point: %1"))
          .arg(corrected);
  }
  // A number written right whose magnitude no real number has (read in the C convention, whatever the
  // process's locale).
  QString plain = text;
  plain.replace(point, QLatin1Char('.'));
  static QRegularExpression const number(
      QStringLiteral("^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?$"));
  if (number.match(plain).hasMatch()) {
    static locale_t const c = newlocale(LC_ALL_MASK, "C", nullptr);
    QByteArray const bytes = plain.toLatin1();
    errno = 0;
    double const value = strtod_l(bytes.constData(), nullptr, c);
    if (errno == ERANGE)
      return translated(std::isinf(value) ? QT_TRANSLATE_NOOP("ValueText", "Number too large")
                                          : QT_TRANSLATE_NOOP("ValueText", "Number too small"));
  }
  return translated(QT_TRANSLATE_NOOP("ValueText", "Not a number"));
}

}  // namespace

bool differsFromDefault(properties::Meta const& meta, boost::any const& value) {
  auto const child = meta.get_child_optional("default");
  auto const* isEqual = metaValue<properties::IsEqualFunction>(meta, "validator.is_equal");
  if (!child || !isEqual) return false;
  boost::any const& defaultValue = child->data();
  if (value.empty() || defaultValue.empty()) return value.empty() != defaultValue.empty();
  return !(*isEqual)(value, defaultValue);
}

int entryIndex(properties::Meta const& meta, boost::any const& value) {
  auto const* entries = metaValue<properties::EnumEntries>(meta, "editor.entries");
  auto const* isEqual = metaValue<properties::IsEqualFunction>(meta, "editor.is_equal");
  if (!entries || !isEqual || value.empty()) return -1;
  for (std::size_t i = 0; i < entries->size(); ++i)
    if ((*isEqual)((*entries)[i].second, value)) return static_cast<int>(i);
  return -1;
}

QLocale numberLocale(std::string const& localeName) {
  std::string const name = localeName.substr(0, localeName.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return strict(QLocale::c());
  return strict(QLocale(QString::fromStdString(name)));
}

QString valueText(properties::Meta const& meta, boost::any const& value, QLocale const& locale) {
  if (value.empty()) return {};
  if (auto const* entries = metaValue<properties::EnumEntries>(meta, "editor.entries")) {
    int const index = entryIndex(meta, value);
    return index < 0 ? QString() : (*entries)[index].first;
  }
  if (auto const* flag = boost::any_cast<bool>(&value)) return numberText(locale, *flag);
  if (auto const* real = boost::any_cast<double>(&value)) return numberText(strict(locale), *real);
  if (auto const* whole = boost::any_cast<std::int32_t>(&value)) return numberText(strict(locale), *whole);
  return {};
}

std::optional<boost::any> parseText(properties::Meta const& meta, QString const& text, QLocale const& locale,
                                    QString* reason) {
  QString const trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    auto const* optional = metaValue<bool>(meta, "validator.optional");
    if (optional && *optional) return boost::any();
    return refused(reason, QT_TRANSLATE_NOOP("ValueText", "A value is needed"));
  }
  auto const kind = kindOf(meta);
  if (!kind) return refused(reason, QT_TRANSLATE_NOOP("ValueText", "Not a value of this option"));
  QLocale const numbers = strict(locale);
  bool ok = false;
  double const real = numbers.toDouble(trimmed, &ok);
  bool const isNumber = ok && std::isfinite(real);
  if ((*kind == typeid(double) || *kind == typeid(std::int32_t)) && !isNumber)
    return refused(reason, whyNoNumber(trimmed, numbers));
  if (*kind == typeid(double)) return bounded(meta, real, numbers, reason);
  if (*kind == typeid(std::int32_t)) {
    if (real != std::trunc(real))
      return refused(reason, QT_TRANSLATE_NOOP("ValueText", "Not a whole number"));
    if (real > std::numeric_limits<std::int32_t>::max() || real < std::numeric_limits<std::int32_t>::min()) {
      // Beyond the 32-bit range: the option's own bound where it has one, else the type's.
      bool const above = real > 0;
      auto const edge =
          above ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
      if (!bounded(meta, edge, numbers, reason)) return std::nullopt;
      return refused(reason, outOfBounds(above, edge, numbers));
    }
    return bounded(meta, static_cast<std::int32_t>(real), numbers, reason);
  }
  if (*kind == typeid(bool)) {
    if (trimmed == QLatin1String("true") || trimmed == QLatin1String("1"))
      return bounded(meta, true, numbers, reason);
    if (trimmed == QLatin1String("false") || trimmed == QLatin1String("0"))
      return bounded(meta, false, numbers, reason);
    return refused(reason, QT_TRANSLATE_NOOP("ValueText", "Not true or false"));
  }
  return refused(reason, QT_TRANSLATE_NOOP("ValueText", "Not a value of this option"));
}

}  // namespace trv::qt
