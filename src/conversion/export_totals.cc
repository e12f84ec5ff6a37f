#include "conversion/export_totals.h"

namespace tarvolo {

ExportTotals g_exportTotals;

}  // namespace tarvolo
