// The inspector side of the tool: label locale, --set edits, `properties` and `inspector`.

#include <iostream>
#include <memory>

#include <QApplication>
#include <QPixmap>

#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "host/trv_properties_qt/configure_xlator.h"
#include "host/trv_qt2/ValueText.h"
#include "tools/ctrlparam/commands.h"
#include "tools/ctrlparam/property_values.h"

namespace ctrlparam {
namespace {

using trv::properties::QtInspectorWidget;

std::unique_ptr<QtInspectorWidget> makeInspector(trv::control_param::Data& data) {
  return std::unique_ptr<QtInspectorWidget>(data.createPropertyInspector(nullptr));
}

// The object the inspector shows: the first selected one.
trv::ObjectKey const& shownKey(QtInspectorWidget const& inspector) {
  auto const& selected = inspector.selectionManager()->selected;
  if (selected.empty()) throw Failure("the inspector shows no object");
  return *selected.begin();
}

// The value as the inspector shows it (numbers in the tool's one convention); "(off)" when another option
// switches it off, empty when an optional value is unset.
QString shownValue(trv::properties::Property const& property, trv::ObjectKey const& key) {
  boost::any value;
  if (!property.getValue || !property.getValue(key, value)) return QStringLiteral("(off)");
  return trv::qt::valueText(*property.meta, value);
}

}  // namespace

void applyLocale(Context const& context) {
  if (context.locale) trv::properties::detail::setLabelLocale(context.locale->toStdString());
}

// Every setting is read before the first is applied, so a bad one changes nothing.
void applySettings(Context const& context, trv::control_param::Data& data) {
  if (context.settings.isEmpty()) return;
  auto const inspector = makeInspector(data);
  auto const settings = readSettings(context.settings, *inspector->properties(), context.requireProgram());
  trv::ObjectKey const key = shownKey(*inspector);
  for (auto const& setting : settings)
    if (!setting.property->setValue(key, setting.value))
      throw Failure("the value of " + setting.property->id + " was refused");
}

int properties(Context const& context) {
  trv::control_param::Data data = makeTask(context);
  auto const inspector = makeInspector(data);
  trv::ObjectKey const& key = shownKey(*inspector);
  for (auto const& property : inspector->properties()->list()) {
    QString const line = QString::fromStdString(property->id) + QLatin1Char('\t') +
                         QString::fromStdString(property->category) + QLatin1Char('\t') +
                         QString::fromStdString(property->displayName) + QLatin1Char('\t') +
                         shownValue(*property, key) + QLatin1Char('\n');
    std::cout << line.toStdString();
  }
  return 0;
}

int inspector(Context const& context) {
  trv::control_param::Data data = makeTask(context);
  auto const widget = makeInspector(data);
  widget->setWindowTitle(QStringLiteral("ctrlparam: ") +
                         QLatin1String(trv::control_param::kProgrammTypeNames[context.requireProgram()]));
  widget->resize(std::max(widget->sizeHint().width(), 560), widget->sizeHint().height());
  if (!context.screenshot) {
    widget->show();
    return QApplication::exec();
  }
  widget->setAttribute(Qt::WA_DontShowOnScreen);
  widget->show();
  if (!widget->grab().save(*context.screenshot, "PNG"))
    throw Failure("cannot write " + context.screenshot->toStdString());
  return 0;
}

}  // namespace ctrlparam
