#include "container/model/Transaction.h"

#include <string>

#include "reports/host_reports.h"

namespace trv::container::model {

namespace {

void reportFailedRestore(std::string const& message) noexcept {
  try {
    control_param::reportToHost("Restoring an object on rollback failed.",
                                control_param::report_position::kRestoreFailed, message);
  } catch (...) {
    // the reporter itself failed: nothing more can be said
  }
}

}  // namespace

StoreEntry const& Model::lookup(ObjectKey const& key, std::type_info const& type) const {
  auto it = store_.find(key);
  if (it == store_.end()) errors::unknownKey();
  if (it->second.type != std::type_index(type)) errors::typeMismatch();
  return it->second;
}

Transaction::Transaction(Model& model) : model_(&model) {
  if (model.current_) errors::transactionInProgress();
  model.current_ = this;
}

Transaction::~Transaction() {
  if (!committed_) rollback();
  end();
}

ChangeRecord* Transaction::find(ObjectKey const& key) {
  auto it = index_.find(key);
  return it == index_.end() ? nullptr : &log_[it->second];
}

void Transaction::append(ChangeRecord record) {
  index_.emplace(record.key, log_.size());
  log_.push_back(std::move(record));
}

void Transaction::insertEntry(ObjectKey const& key, std::type_info const& type,
                              std::shared_ptr<void> object) {
  if (!model_->store_.emplace(key, StoreEntry{key, std::type_index(type), std::move(object)}).second)
    errors::keyExists();
  append({ChangeState::Inserted, key, {}});
}

void Transaction::erase(ObjectKey const& key) {
  auto entry = model_->store_.find(key);
  if (entry == model_->store_.end()) errors::unknownKey();
  ChangeRecord* record = find(key);
  if (!record) return append({ChangeState::Erased, key, {}});
  if (record->state == ChangeState::Erased) errors::erasedObject();
  if (record->state == ChangeState::Modified) {
    record->state = ChangeState::Erased;  // its restore still undoes the modification on rollback
    return;
  }
  // Inserted by this transaction: it never existed for anybody else, so it goes without a trace.
  model_->store_.erase(entry);
  log_.erase(log_.begin() + static_cast<std::ptrdiff_t>(index_.at(key)));
  index_.clear();
  for (std::size_t i = 0; i < log_.size(); ++i) index_.emplace(log_[i].key, i);
}

void Transaction::commit() {
  std::vector<ObjectKey> erasedKeys, insertedKeys, modifiedKeys;
  for (auto const& record : log_)
    if (record.state == ChangeState::Erased) erasedKeys.push_back(record.key);
  if (!erasedKeys.empty()) model_->aboutToErase(erasedKeys);
  for (auto const& record : log_) {
    switch (record.state) {
      case ChangeState::Erased:
        model_->store_.erase(record.key);
        break;
      case ChangeState::Inserted:
        insertedKeys.push_back(record.key);
        break;
      case ChangeState::Modified:
        modifiedKeys.push_back(record.key);
        break;
    }
  }
  committed_ = true;
  Model& model = *model_;
  end();
  if (!insertedKeys.empty()) model.inserted(insertedKeys);
  if (!modifiedKeys.empty()) model.modified(modifiedKeys);
  if (!erasedKeys.empty()) model.erased(erasedKeys);
}

// Every entry is undone even when one restore fails: a failure is reported and passed over, so that the other
// objects are restored and the inserted ones removed all the same.
void Transaction::rollback() noexcept {
  for (auto const& record : log_) {
    try {
      if (record.state == ChangeState::Inserted)
        model_->store_.erase(record.key);
      else if (record.restore)
        record.restore();
    } catch (std::exception const& error) {
      reportFailedRestore(error.what());
    } catch (...) {
      reportFailedRestore("unknown exception");
    }
  }
}

void Transaction::end() noexcept {
  if (model_ && model_->current_ == this) model_->current_ = nullptr;
}

}  // namespace trv::container::model
