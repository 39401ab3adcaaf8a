#pragma once
// The command line of veltra-report:
//   veltra-report [--male|--female] [--self|--other] [--name NAME] [--trace] OPTION_ID...

#include <ostream>
#include <span>
#include <string_view>

// Runs the command; writes the report (or the trace) to out and complaints to err.
// Returns the exit status: 0, or 2 for an unknown option id or flag.
int RunReportCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
