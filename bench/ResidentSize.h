#pragma once

namespace orlevan::bench {

class Base;

// Resident size of a process, in bytes: now, and the most it has ever been.
struct Resident {
    double now = 0;
    double peak = 0;
};

// Runs a key, a word, a branch and a learning turn, and a key turn again, on
// `base` in a fresh run of this program, and returns its resident size after
// them. The base is left learnt.
Resident residentSizeOfTurns(const Base& base);

// The fresh run's side: whether this run is one, and the run itself.
bool isResidentSizeRun(int argc, char** argv);
int runTurnsForResidentSize(int argc, char** argv);

} // namespace orlevan::bench
