#pragma once
// The play statistics as a script the statistics page loads: "var xml="
// followed by one string per line of stats.xml, joined by " +\r\n" and
// eight spaces, and ";\n". In each string a double quote and a backslash
// are escaped, the line's end (CR LF or LF) becomes "\n", and a carriage
// return on its own is dropped.

#include <string>
#include <string_view>

namespace Corvanta {

std::string MakeStatsScript(std::string_view statsFile);

}  // namespace Corvanta
