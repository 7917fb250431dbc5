#pragma once
// Turns the object model's change signals into the inspector's DataModelSignals.

#include <functional>
#include <memory>
#include <vector>

#include <boost/signals2/connection.hpp>

#include "container/model/Model.h"
#include "host/trv_properties_qt/Configuration.h"

namespace trv::control_param::data {

// Connects, at the back of each slot list and in this order, the model's inserted, modified, erased and
// aboutToErase signals to handlers that share `configuration`; returns the four connections in that order.
// The modified handler calls `beforeModified` before it emits the inspector's signals: the task's own
// follow-up of a modification (its edit history) rides on that slot instead of a slot of its own, which
// would cost as much again per commit, and is done before any slot of the host can change the record again.
std::vector<boost::signals2::scoped_connection> forwardModelSignals(
    container::model::Model& model, std::shared_ptr<properties::Configuration> const& configuration,
    std::function<void()> beforeModified);

}  // namespace trv::control_param::data
