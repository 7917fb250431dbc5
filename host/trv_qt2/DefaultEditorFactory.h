#pragma once
// Stand-in for the suite's editor factory: makes the editor of an inspector value from the property's
// settings tree ("editor.*" keys), with validators from the validator factory it is built on.

#include <functional>
#include <memory>

#include <boost/any.hpp>

#include "host/trv_properties_qt/Property.h"
#include "host/trv_qt2/DefaultValidatorFactory.h"

class QString;
class QWidget;

namespace trv::qt {

// An editor widget, how to show a value in it (the empty value shows nothing: an unset optional value), and
// how to show that there is no value at all (an option switched off): neither true nor false, no choice, a
// dash.
struct Editor {
  QWidget* widget = nullptr;
  std::function<void(boost::any const&)> show;
  std::function<void()> showNone;
  // Gives the editor the option's tooltip (or why it shows no value). The editor shows it unless it has more
  // to say: a refused entry its reason, a choice list its whole value.
  std::function<void(QString const&)> setTip;
  // Stores the entry being typed, as Return does: true when there is none or it was stored; false when it
  // cannot be stored (the entry stays, marked), with the reason. Empty where each change is stored at once.
  std::function<bool(QString* reason)> store;
};

class DefaultEditorFactory {
 public:
  using Commit = std::function<void(boost::any const&)>;

  explicit DefaultEditorFactory(std::shared_ptr<DefaultValidatorFactory> validatorFactory);
  virtual ~DefaultEditorFactory();

  std::shared_ptr<DefaultValidatorFactory> const& validatorFactory() const { return validatorFactory_; }

  // A check box where "is_bool" is set, a combo box of the entries for "named_value_list" (its value ending
  // in "…" where the box is too narrow), else a line edit with the validator of the settings, as high whether
  // or not it is framed red. `commit` receives each value the user enters.
  Editor create(properties::Meta const& meta, QWidget* parent, Commit commit) const;

 private:
  std::shared_ptr<DefaultValidatorFactory> validatorFactory_;
};

}  // namespace trv::qt
