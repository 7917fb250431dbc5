#include "lib/properties/control_param/src/model_signal_forwarding.h"

namespace trv::control_param::data {
namespace {

using Keys = std::vector<ObjectKey>;
using ConfigurationPtr = std::shared_ptr<properties::Configuration>;

// Emits `first(key)` and then `second(key)` for each key, leaving out a signal that has no slot (a task
// without an inspector widget), as an emission costs more than asking.
void emitPairs(properties::DataModelSignals::KeySignal& first,
               properties::DataModelSignals::KeySignal& second, Keys const& keys) {
  for (auto const& key : keys) {
    if (!first.empty()) first(key);
    if (!second.empty()) second(key);
  }
}

void onInserted(ConfigurationPtr const& configuration, Keys const& keys) {
  emitPairs(configuration->signals->inserted, configuration->signals->insertedDone, keys);
}

void onModified(ConfigurationPtr const& configuration, Keys const& keys) {
  emitPairs(configuration->signals->modified, configuration->signals->modifiedDone, keys);
}

void onErased(ConfigurationPtr const& configuration, Keys const& keys) {
  auto& signals = *configuration->signals;
  signals.erasedAll(keys);
  for (auto const& key : keys) signals.erased(key);
}

void onAboutToErase(ConfigurationPtr const& configuration, Keys const& keys) {
  auto& signals = *configuration->signals;
  auto& selection = *configuration->selectionManager;
  signals.aboutToEraseAll(keys);
  for (auto const& key : keys) {
    signals.aboutToErase(key);
    selection.selected.erase(key);
  }
  selection.changed();
}

template <void (*Handler)(ConfigurationPtr const&, Keys const&)>
boost::signals2::scoped_connection forward(container::model::Model::Signal& signal,
                                           ConfigurationPtr const& configuration) {
  return signal.connect([configuration](Keys const& keys) { Handler(configuration, keys); },
                        boost::signals2::at_back);
}

}  // namespace

std::vector<boost::signals2::scoped_connection> forwardModelSignals(container::model::Model& model,
                                                                    ConfigurationPtr const& configuration,
                                                                    std::function<void()> beforeModified) {
  std::vector<boost::signals2::scoped_connection> connections;
  connections.reserve(4);
  connections.push_back(forward<onInserted>(model.inserted, configuration));
  connections.push_back(model.modified.connect(
      [configuration, beforeModified = std::move(beforeModified)](Keys const& keys) {
        beforeModified();
        onModified(configuration, keys);
      },
      boost::signals2::at_back));
  connections.push_back(forward<onErased>(model.erased, configuration));
  connections.push_back(forward<onAboutToErase>(model.aboutToErase, configuration));
  return connections;
}

}  // namespace trv::control_param::data
