#pragma once
// Property values as text, driven by the property's settings tree: how the inspector shows a value and how
// it reads one typed into a line edit.

#include <optional>

#include <QLocale>
#include <QString>
#include <boost/any.hpp>

#include "host/trv_properties_qt/Property.h"

namespace trv::qt {

// Numbers are written and read in one locale's convention: its decimal point and exponent, never a group
// separator (in German "1,5" is one and a half and "1.000" no number, in English the other way round). The
// C locale's convention ("." and no groups) is the one of scripts and of the tool.

// The number convention of a language or locale name such as "de" or "de_DE.UTF-8" (encoding and modifier
// ignored); an empty name, "C" and "POSIX" are the C locale.
QLocale numberLocale(std::string const& localeName);

// The label of a choice, "true"/"false", or the number (shortest text that reads back the same); empty when
// the value is empty or not one the settings describe.
QString valueText(properties::Meta const& meta, boost::any const& value,
                  QLocale const& locale = QLocale::c());

// The value of `text` as the validator kind of the settings describes it, within their bounds: a number, or
// "true"/"false"/"1"/"0"; an empty text gives the empty value when the value is optional. Nothing when the
// text does not read as such a value; then `reason`, when given, says why ("Not a number", "Above the maximum
// 100", ...).
std::optional<boost::any> parseText(properties::Meta const& meta, QString const& text,
                                    QLocale const& locale = QLocale::c(), QString* reason = nullptr);

// Whether `value` differs from the settings' "default" by their equality (an empty value equals only an empty
// default); false when the settings carry no default.
bool differsFromDefault(properties::Meta const& meta, boost::any const& value);

// The entry of a choice list whose value equals `value` by the settings' equality, or -1.
int entryIndex(properties::Meta const& meta, boost::any const& value);

}  // namespace trv::qt
