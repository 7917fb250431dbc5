// Making the task a command works on, as a host does: model first, then the Data, then its options.

#include <QFile>
#include <QTextStream>
#include <iostream>
#include <iterator>

#include "host/trv_dbo/dbo.h"
#include "tools/ctrlparam/commands.h"

namespace ctrlparam {
namespace {

constexpr int kDatabaseHandle = 1;

trv::dbo::standin::ElementKinds parseModel(QString const& text) {
  trv::dbo::standin::ElementKinds kinds;
  for (QString const& word : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    QString const kind = word.trimmed().toLower();
    if (kind == QLatin1String("none")) continue;
    bool const all = kind == QLatin1String("all");
    bool known = all;
    auto take = [&](char const* name, bool& flag) {
      if (all || kind == QLatin1String(name)) flag = known = true;
    };
    take("quads", kinds.quads);
    take("brics", kinds.brics);
    take("beams", kinds.beams);
    take("cables", kinds.cables);
    take("springs", kinds.springs);
    if (!known) throw UsageError("unknown model element kind '" + word.toStdString() + "'");
  }
  return kinds;
}

QString readAll(QFile& file, QString const& name) {
  QByteArray const bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) throw Failure("cannot read " + name.toStdString());
  return QString::fromUtf8(bytes);
}

}  // namespace

// The text of an input argument: "-" reads standard input, "@FILE" reads FILE, anything else is the text.
QString inputText(QString const& argument) {
  QFile file;
  if (argument == QLatin1String("-")) {
    if (!file.open(stdin, QIODevice::ReadOnly)) throw Failure("cannot read standard input");
    return readAll(file, QStringLiteral("standard input"));
  }
  if (!argument.startsWith(QLatin1Char('@'))) return argument;
  file.setFileName(argument.mid(1));
  if (!file.open(QIODevice::ReadOnly)) throw Failure("cannot open " + argument.mid(1).toStdString());
  return readAll(file, argument.mid(1));
}

trv::control_param::Data makeTask(Context const& context) {
  auto const type = context.requireProgram();
  trv::dbo::standin::setModel(kDatabaseHandle, parseModel(context.model));
  applyLocale(context);
  trv::control_param::Data data(type, kDatabaseHandle);
  if (context.options) data.insertXMLData(inputText(*context.options));
  applySettings(context, data);
  return data;
}

}  // namespace ctrlparam
