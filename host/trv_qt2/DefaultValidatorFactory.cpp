#include "host/trv_qt2/DefaultValidatorFactory.h"

#include <QValidator>

#include "host/trv_properties_qt/label_language.h"
#include "host/trv_qt2/ValueText.h"

namespace trv::qt {
namespace {

// Accepts what parseText reads in the labels' number convention; a text that is not yet a value may still
// become one while typing.
class SettingsValidator : public QValidator {
 public:
  SettingsValidator(properties::Meta meta, QObject* parent)
      : QValidator(parent), meta_(std::move(meta)), locale_(numberLocale(properties::labelLanguage())) {
    auto const precision = meta_.get_child_optional("validator.precision");
    if (precision) precision_ = boost::any_cast<int>(precision->data());
  }

  State validate(QString& input, int&) const override {
    if (!parseText(meta_, input, locale_)) return Intermediate;
    return tooPrecise(input) ? Invalid : Acceptable;
  }

 private:
  // More decimals than the precision allows (precision applies to real numbers written without exponent).
  bool tooPrecise(QString const& input) const {
    if (precision_ < 0) return false;
    QString const text = input.trimmed();
    int const point = text.indexOf(locale_.decimalPoint());
    if (point < 0 || text.contains(QLatin1Char('e'), Qt::CaseInsensitive)) return false;
    return text.size() - point - 1 > precision_;
  }

  properties::Meta meta_;
  QLocale locale_;
  int precision_ = -1;
};

}  // namespace

DefaultValidatorFactory::DefaultValidatorFactory() = default;
DefaultValidatorFactory::~DefaultValidatorFactory() = default;

QValidator* DefaultValidatorFactory::create(properties::Meta const& meta, QObject* parent) const {
  if (meta.get_child_optional("validator.entries")) return nullptr;
  return new SettingsValidator(meta, parent);
}

}  // namespace trv::qt
