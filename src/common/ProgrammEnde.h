#pragma once

// Set once when the program shuts down. Long-running loops (folder scan,
// duration scan) check it and stop at their next step.
extern bool ProgrammEnde;
