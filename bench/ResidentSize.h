#pragma once

namespace orlevan::bench {

class Base;

// The most a fresh run of this program is resident, in bytes, in each step
// of a base's use, each measured from the resident size the step starts at:
//  - load: the first load of the phrase base and the making of its index;
//  - turns: a key, a word, a branch and a learning turn, and a key turn again;
//  - save: the base saved whole;
// and the resident size at the end.
struct PeakResident {
    double load = 0;
    double turns = 0;
    double save = 0;
    double end = 0;
};

// Runs the steps on `base` in a fresh run of this program. The base is left learnt.
PeakResident peakResidentOf(const Base& base);

// The fresh run's side: whether this run is one, and the run itself.
bool isResidentSizeRun(int argc, char** argv);
int runStepsForResidentSize(int argc, char** argv);

} // namespace orlevan::bench
