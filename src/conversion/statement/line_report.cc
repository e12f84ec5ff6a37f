#include "conversion/statement/line_report.h"

namespace tarvolo {

const char kAmountField[] = "částka";

}  // namespace tarvolo
