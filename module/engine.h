#pragma once
// The rule engine: runs the 65 rules over the parameter store.

#include <string>
#include <vector>

namespace veltan {

class ParamStore;
class ProgressWindow;

// The paragraphs of the last analysis in the 8-bit code page, one per item.
using ResultList = std::vector<std::string>;

// RunRules: refills results with one paragraph per rule that fires, in rule order,
// while the window shows the progress.
void RunRules(const ParamStore& params, ResultList& results, ProgressWindow& window);

}  // namespace veltan
