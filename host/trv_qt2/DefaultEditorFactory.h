#pragma once
// Stand-in for the suite's editor factory: makes the editor of an inspector value from the property's
// settings tree ("editor.*" keys), with validators from the validator factory it is built on.

#include <functional>
#include <memory>

#include <boost/any.hpp>

#include "host/trv_properties_qt/Property.h"
#include "host/trv_qt2/DefaultValidatorFactory.h"

class QWidget;

namespace trv::qt {

// An editor widget, how to show a value in it (the empty value shows nothing: an unset optional value), and
// how to show that there is no value at all (an option switched off): neither true nor false, no choice, a
// dash.
struct Editor {
  QWidget* widget = nullptr;
  std::function<void(boost::any const&)> show;
  std::function<void()> showNone;
};

class DefaultEditorFactory {
 public:
  using Commit = std::function<void(boost::any const&)>;

  explicit DefaultEditorFactory(std::shared_ptr<DefaultValidatorFactory> validatorFactory);
  virtual ~DefaultEditorFactory();

  std::shared_ptr<DefaultValidatorFactory> const& validatorFactory() const { return validatorFactory_; }

  // A check box where "is_bool" is set, a combo box of the entries for "named_value_list", else a line edit
  // with the validator of the settings. `commit` receives each value the user enters.
  Editor create(properties::Meta const& meta, QWidget* parent, Commit commit) const;

 private:
  std::shared_ptr<DefaultValidatorFactory> validatorFactory_;
};

}  // namespace trv::qt
