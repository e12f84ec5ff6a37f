#ifndef TARVOLO_CONVERSION_GPC_GPC_CHECK_H_
#define TARVOLO_CONVERSION_GPC_GPC_CHECK_H_

#include <string>
#include <string_view>
#include <vector>

namespace tarvolo {

// Checks a GPC statement file (ours or a bank's) and returns its problems in
// Czech, Windows-1250, each naming its line: the line layout (128 characters
// and CR LF, the last line too), record types, a "075" before any "074",
// numeric fields, dates, accounting codes (1 to 5), the own account of each
// item against its header, and for each statement that old balance - debits
// + credits = new balance and that the turnovers are the sums of its items.
// No problems: an empty list.
std::vector<std::string> CheckGpcStatement(std::string_view bytes);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_GPC_GPC_CHECK_H_
