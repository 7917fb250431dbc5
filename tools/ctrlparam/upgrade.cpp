#include "tools/ctrlparam/upgrade.h"

#include <iostream>

#include "host/trv_logging/UILogEntryCollectorSink.h"
#include "tools/ctrlparam/in_place.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {

int upgrade(Context const& context) {
  if (context.inPlace)
    return changeInPlace(context, [](trv::control_param::Data& data) {
      data.upgrade();
      return data.getXMLData();
    });
  trv::control_param::Data data = makeTask(context);
  QString const before = data.getXMLData();
  trv::logging::UILogEntryCollectorSink sink;
  data.test4upgrade(sink);
  if (!context.textOnly)
    for (auto const& entry : sink.entries()) std::cout << entry.message << '\n';
  data.upgrade();
  QString const after = data.getXMLData();
  if (context.checkOnly) return after == before ? 0 : 1;
  std::cout << after.toStdString();
  return 0;
}

}  // namespace ctrlparam
