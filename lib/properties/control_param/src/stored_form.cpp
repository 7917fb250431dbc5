#include "lib/properties/control_param/src/stored_form.h"

#include "reports/host_reports.h"

namespace trv::control_param::data::stored_form_detail {

void reportEmptyText() {
  reportToHost("!xml_string.isEmpty()", report_position::kEmptyStoredText);
}

}  // namespace trv::control_param::data::stored_form_detail
