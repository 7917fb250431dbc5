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

Model::Store::iterator Model::locate(ObjectKey const& key, std::type_info const& type) {
  auto it = store_.find(key);
  if (it == store_.end()) errors::unknownKey();
  if (it->second.type != std::type_index(type)) errors::typeMismatch();
  return it;
}

void Model::eraseEntry(Store::iterator entry) {
  if (&entry->second == announcedEntry_) announcedEntry_ = nullptr;
  ++erasures_;
  store_.erase(entry);
}

Transaction::Transaction(Model& model) : model_(&model) {
  if (model.current_) errors::transactionInProgress();
  model.current_ = this;
}

Transaction::~Transaction() {
  if (!committed_) rollback();
  end();
}

ChangeRecord* Transaction::find(Entry entry) {
  for (auto& record : log_)
    if (record.entry == entry) return &record;
  return nullptr;
}

void Transaction::insertEntry(ObjectKey const& key, std::type_info const& type,
                              std::shared_ptr<void> object) {
  Entry const hint = model_->store_.lower_bound(key);
  if (hint != model_->store_.end() && !(key < hint->first)) errors::keyExists();
  Entry const entry =
      model_->store_.emplace_hint(hint, key, StoreEntry{key, std::type_index(type), std::move(object), {}});
  log_.push_back({ChangeState::Inserted, entry, {}});
}

void Transaction::erase(ObjectKey const& key) {
  Entry const entry = model_->store_.find(key);
  if (entry == model_->store_.end()) errors::unknownKey();
  ChangeRecord* record = find(entry);
  if (!record) return log_.push_back({ChangeState::Erased, entry, {}});
  if (record->state == ChangeState::Erased) errors::erasedObject();
  if (record->state == ChangeState::Modified) {
    record->state = ChangeState::Erased;  // its restore still undoes the modification on rollback
    return;
  }
  // Inserted by this transaction: it never existed for anybody else, so it goes without a trace.
  log_.erase(log_.begin() + (record - log_.data()));
  model_->eraseEntry(entry);
}

void Transaction::commit() {
  Model& model = *model_;
  if (log_.size() == 1 && log_.front().state != ChangeState::Erased) return commitOne(model);
  std::vector<ObjectKey> erasedKeys, insertedKeys, modifiedKeys;
  for (auto const& record : log_)
    if (record.state == ChangeState::Erased) erasedKeys.push_back(record.key());
  if (!erasedKeys.empty()) model.aboutToErase(erasedKeys);
  for (auto const& record : log_) {
    switch (record.state) {
      case ChangeState::Erased:
        model.eraseEntry(record.entry);
        break;
      case ChangeState::Inserted:
        insertedKeys.push_back(record.key());
        break;
      case ChangeState::Modified:
        modifiedKeys.push_back(record.key());
        break;
    }
  }
  committed_ = true;
  end();
  if (!insertedKeys.empty()) model.inserted(insertedKeys);
  if (!modifiedKeys.empty()) model.modified(modifiedKeys);
  if (!erasedKeys.empty()) model.erased(erasedKeys);
}

// One object inserted or modified: announced with the model's kept list, which a commit made by a slot finds
// taken and makes anew. The list is kept for the entry only when no slot removed an entry meanwhile.
void Transaction::commitOne(Model& model) {
  ChangeRecord const& record = log_.front();
  StoreEntry const* const entry = &record.entry->second;
  std::vector<ObjectKey> keys = std::move(model.announced_);
  if (keys.size() != 1 || model.announcedEntry_ != entry) keys.assign(1, record.key());
  bool const inserted = record.state == ChangeState::Inserted;
  std::uint64_t const erasures = model.erasures_;
  committed_ = true;
  end();
  (inserted ? model.inserted : model.modified)(keys);
  model.announced_ = std::move(keys);
  model.announcedEntry_ = model.erasures_ == erasures ? entry : nullptr;
}

// Every entry is undone even when one restore fails: a failure is reported and passed over, so that the other
// objects are restored and the inserted ones removed all the same.
void Transaction::rollback() noexcept {
  for (auto const& record : log_) {
    try {
      if (record.state == ChangeState::Inserted)
        model_->eraseEntry(record.entry);
      else if (record.restore)
        record.restore(record.entry->second);
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
