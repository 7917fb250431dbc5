#include "host/trv_qt2/DefaultEditorFactory.h"

#include <string>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "host/trv_properties_qt/PropertyMeta.h"
#include "host/trv_qt2/ValueText.h"

namespace trv::qt {
namespace {

bool isSet(properties::Meta const& meta, char const* key) {
  auto const child = meta.get_child_optional(key);
  auto const* flag = child ? boost::any_cast<bool>(&child->data()) : nullptr;
  return flag && *flag;
}

std::string editorKind(properties::Meta const& meta) {
  auto const child = meta.get_child_optional("editor.kind");
  auto const* kind = child ? boost::any_cast<std::string>(&child->data()) : nullptr;
  return kind ? *kind : std::string();
}

Editor checkBox(QWidget* parent, DefaultEditorFactory::Commit commit) {
  auto* box = new QCheckBox(parent);
  QObject::connect(box, &QCheckBox::clicked, box, [commit](bool checked) { commit(boost::any(checked)); });
  return {box, [box](boost::any const& value) {
            QSignalBlocker const blocker(box);
            auto const* checked = boost::any_cast<bool>(&value);
            box->setChecked(checked && *checked);
          }};
}

Editor comboBox(properties::Meta const& meta, QWidget* parent, DefaultEditorFactory::Commit commit) {
  auto* combo = new QComboBox(parent);
  auto const entries = boost::any_cast<properties::EnumEntries>(meta.get_child("editor.entries").data());
  for (auto const& entry : entries) combo->addItem(entry.first);
  QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), combo, [entries, commit](int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < entries.size()) commit(entries[index].second);
  });
  return {combo, [combo, meta](boost::any const& value) {
            QSignalBlocker const blocker(combo);
            combo->setCurrentIndex(entryIndex(meta, value));
          }};
}

Editor lineEdit(properties::Meta const& meta, QWidget* parent, DefaultValidatorFactory const* validators,
                DefaultEditorFactory::Commit commit) {
  auto* edit = new QLineEdit(parent);
  // The validator reads the editor's own settings ("editor.validator.*").
  if (validators) {
    auto const editorSettings = meta.get_child_optional("editor");
    edit->setValidator(validators->create(editorSettings ? *editorSettings : properties::Meta(), edit));
  }
  if (isSet(meta, "validator.optional")) edit->setPlaceholderText(QStringLiteral("-"));
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, meta, commit] {
    if (!edit->isModified()) return;
    edit->setModified(false);
    if (auto value = parseText(meta, edit->text())) commit(*value);
  });
  return {edit, [edit, meta](boost::any const& value) {
            QSignalBlocker const blocker(edit);
            edit->setText(valueText(meta, value));
            edit->setModified(false);
          }};
}

}  // namespace

DefaultEditorFactory::DefaultEditorFactory(std::shared_ptr<DefaultValidatorFactory> validatorFactory)
    : validatorFactory_(std::move(validatorFactory)) {}
DefaultEditorFactory::~DefaultEditorFactory() = default;

Editor DefaultEditorFactory::create(properties::Meta const& meta, QWidget* parent, Commit commit) const {
  if (isSet(meta, "is_bool")) return checkBox(parent, std::move(commit));
  if (editorKind(meta) == "named_value_list" && meta.get_child_optional("editor.entries"))
    return comboBox(meta, parent, std::move(commit));
  return lineEdit(meta, parent, validatorFactory_.get(), std::move(commit));
}

}  // namespace trv::qt
