#include "tools/ctrlparam/info_commands.h"

#include <iostream>

#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/program_records.h"
#include "tools/ctrlparam/arguments.h"
#include "tools/ctrlparam/command_table.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {

using namespace trv::control_param;

int programs(Context const&) {
  for (int value = 0; value < kProgrammTypeCount; ++value) {
    auto const type = static_cast<ProgrammTypes>(value);
    visitRecordType(type, [&](auto tag) {
      std::cout << value << '\t' << kProgrammTypeNames[value] << '\t'
                << moduleName<typename decltype(tag)::type>() << '\n';
    });
  }
  return 0;
}

int help(Context const& context) {
  if (context.arguments.isEmpty()) {
    std::cout << overviewHelp();
    return 0;
  }
  Command const* command = findCommand(context.arguments.first());
  if (!command) throw UsageError("unknown command '" + context.arguments.first().toStdString() + "'");
  std::cout << commandHelp(*command);
  return 0;
}

int calcMethod(Context const& context) {
  QString const source = context.arguments.isEmpty() ? QStringLiteral("-") : context.arguments.first();
  QByteArray const xml = inputBytes(source == QLatin1String("-") ? source : QLatin1Char('@') + source);
  std::cout << Data::getCalculationMethod(QString::fromUtf8(xml)) << '\n';
  return 0;
}

}  // namespace ctrlparam
