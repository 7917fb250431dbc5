#include "tools/ctrlparam/inspector_commands.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QBuffer>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QTranslator>
#include <QVBoxLayout>

#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "host/trv_properties_qt/label_language.h"
#include "host/trv_qt2/ValueText.h"
#include "tools/ctrlparam/application.h"
#include "tools/ctrlparam/edit_window.h"
#include "tools/ctrlparam/file_names.h"
#include "tools/ctrlparam/property_values.h"
#include "tools/ctrlparam/record_text.h"
#include "tools/ctrlparam/records.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {
namespace {

using trv::properties::QtInspectorWidget;

// Qt's own texts (the undo and redo entries, the buttons of a question) in the label language, from Qt's
// catalogue where it is installed.
void installQtCatalogue() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QLocale(QString::fromStdString(trv::properties::labelLanguage())),
                       QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
}

// Shows the window until it is closed, or renders it into the screenshot, --width wide or `width`, and as
// high as `heightFor` the width says (a narrow window needs more height where labels take two lines).
int showWindow(QWidget& window, Context const& context, int width,
               std::function<int(int)> const& heightFor = nullptr) {
  int const wide = context.width.value_or(width);
  window.resize(wide, std::max(window.sizeHint().height(), heightFor ? heightFor(wide) : 0));
  if (!context.screenshot) {
    window.show();
    return QApplication::exec();
  }
  window.setAttribute(Qt::WA_DontShowOnScreen);
  window.show();
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !window.grab().save(&buffer, "PNG"))
    throw Failure("cannot make the screenshot " + readableName(*context.screenshot));
  writeFile(*context.screenshot, png);
  return 0;
}

// The task of a window command: its text loaded (and refused) before the application is made on the
// display, then its --set edits applied unless `withSettings` is false.
trv::control_param::Data windowTask(Context const& context, std::optional<LoadedText>* loaded,
                                    bool withSettings) {
  Context opened = context;
  opened.settings.clear();
  trv::control_param::Data data = makeTask(opened, loaded);
  startApplication(context.screenshot ? Platform::offScreen : Platform::display);
  if (withSettings) applySettings(context, data);
  return data;
}

// The value as the inspector shows it (numbers in the tool's one convention); "(off)" when another option
// switches it off, empty when an optional value is unset.
QString shownValue(trv::properties::Property const& property, trv::ObjectKey const& key) {
  boost::any value;
  if (!property.getValue || !property.getValue(key, value)) return QStringLiteral("(off)");
  return trv::qt::valueText(*property.meta, value);
}

}  // namespace

// `*` marks an option away from its default, shown or switched off by another option (as show --changed).
int properties(Context const& context) {
  trv::control_param::Data data = makeTask(context);
  auto const inspector = makeInspector(data);
  std::vector<std::string> shownIds;
  for (auto const& property : inspector->properties()->list()) shownIds.push_back(property->id);
  std::vector<std::string> const changedNames = changedOptions(data, context.requireProgram(), shownIds);
  trv::ObjectKey const& key = shownKey(*inspector);
  JsonWriter out;
  out.StartObject();
  out.Key("program");
  out.String(trv::control_param::kProgrammTypeNames[context.requireProgram()]);
  out.Key("properties");
  out.StartArray();
  for (auto const& property : inspector->properties()->list()) {
    boost::any value;
    bool const shown = property->getValue && property->getValue(key, value);
    bool const changed =
        std::find(changedNames.begin(), changedNames.end(), property->id) != changedNames.end();
    QString const text = shownValue(*property, key);
    if (!context.json) {
      QString const line = QString::fromStdString(property->id) + QLatin1Char('\t') +
                           QString::fromStdString(property->category) + QLatin1Char('\t') +
                           QString::fromStdString(property->displayName) + QLatin1Char('\t') + text +
                           QLatin1Char('\t') + (changed ? QStringLiteral("*") : QString()) +
                           QLatin1Char('\n');
      std::cout << line.toStdString();
      continue;
    }
    out.StartObject();
    out.Key("id");
    out.String(property->id.c_str());
    out.Key("group");
    out.String(property->category.c_str());
    out.Key("label");
    out.String(property->displayName.c_str());
    out.Key("value");
    if (shown)
      writeString(out, text);
    else
      out.Null();
    out.Key("changed");
    out.Bool(changed);
    out.EndObject();
  }
  out.EndArray();
  out.EndObject();
  if (context.json) std::cout << out.text() << '\n';
  return 0;
}

// The inspector in a window of its own, as a host shows it: the grid, a "Reset all" button, and undo (Ctrl+Z)
// and redo (Ctrl+Shift+Z, Ctrl+Y), which the grid binds itself, while the focus is within it.
int inspector(Context const& context) {
  trv::control_param::Data data = windowTask(context, nullptr, true);
  QWidget window;
  window.setWindowTitle(QStringLiteral("ctrlparam: ") +
                        QLatin1String(trv::control_param::kProgrammTypeNames[context.requireProgram()]));
  auto* layout = new QVBoxLayout(&window);
  auto* grid = data.createPropertyInspector(&window);
  layout->addWidget(grid, 1);
  auto* resetAll = new QPushButton(QCoreApplication::translate("ctrlparam", "Reset all"), &window);
  QObject::connect(resetAll, &QPushButton::clicked, &window, [&data] { data.resetToDefaults(); });
  layout->addWidget(resetAll, 0, Qt::AlignRight);
  installQtCatalogue();
  return showWindow(window, context, std::max(window.sizeHint().width(), 560), [&](int wide) {
    QMargins const margins = layout->contentsMargins();
    return margins.top() + grid->heightForWidth(wide - margins.left() - margins.right()) + layout->spacing() +
           resetAll->sizeHint().height() + margins.bottom();
  });
}

// --set changes are made once the window is open, as if typed: they can be undone and are not yet saved. A
// text whose record would lose something on Save opens only with --drop-foreign.
int edit(Context const& context) {
  Context saving = context;
  saving.writesBack = true;
  std::optional<LoadedText> loaded;
  trv::control_param::Data data = windowTask(saving, &loaded, false);
  installQtCatalogue();
  SaveTarget target;
  target.out = &std::cout;
  target.source = QCoreApplication::translate("ctrlparam", "new task");
  if (loaded) {
    target.source = QString::fromStdString(loaded->source.empty() ? "text" : loaded->source);
    target.line = loaded->text().line;
    if (!loaded->fileName.isEmpty()) {
      target.file = loaded->fileName.toStdString();
      target.content = std::move(loaded->input);
      target.range = loaded->text().range;
      target.json = loaded->text().json;
    }
  }
  EditWindow window(data, context.language, std::move(target),
                    QLatin1String(trv::control_param::kProgrammTypeNames[context.requireProgram()]));
  applySettings(context, data);
  return showWindow(window, context, std::max(window.sizeHint().width(), 960));
}

}  // namespace ctrlparam
