#pragma once
// Creates every window of the program once, in its fixed order.

struct TProgram;

// Fills in the windows of `program`. The start window comes first: it knows
// ProgramDir before the settings window reads Options.opt and before the
// subject window loads its name lists. Nothing is shown yet.
void CreateWindows(TProgram& program);
