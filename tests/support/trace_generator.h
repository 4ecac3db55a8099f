// Random but valid traces, reproducible from a seed: for the round-trip
// property of the writer and for the reader's benchmarks.
//
// A generated trace uses its own configuration (configuration()) and starts
// with its definition blocks; its events keep a model of the reader's state
// (living instances, open calls, messages awaiting their return, running
// thread, open loops) so that nearly every line is accepted.  A shape may
// instead repeat one fixed pattern of events, the everyday traces that
// stress one part of the reader or the views.
#pragma once

#include <random>
#include <string>
#include <vector>

// The patterns, each between the long-lived instances 100 and 200 (tasks):
// CallPairs: "CI 100", "ME 10 200", "MR";
// NestedCalls: "CI 100", "ME 10 200", "CI 200", "ME 11 100", never returned;
// DeepLoops: loopNesting "LS 1" lines, an action, as many "LE" lines.
enum class TracePattern { Random, CallPairs, NestedCalls, DeepLoops };

struct TraceShape {
    TracePattern pattern = TracePattern::Random;
    int events = 100;           // event lines, roughly
    int blocks = 2;             // definition blocks
    int instancePool = 12;      // distinct dynamic ids in use
    int callPercent = 10;       // messages announced by MC and completed by ME
    int deleteMissPercent = 0;  // DI lines naming a static message of no return
    int idleThreadPercent = 0;  // TI lines of a thread that does not run
    int nameLength = 6;         // characters of generated names
    int syncWidth = 3;          // instances named by an SY line, at most
    int syncAllPercent = 30;    // synchronisations of all instances (SA) among them
    bool newTraces = true;      // sometimes an NT line before the first events
    bool deletions = true;      // false: instances live to the end of the trace
    int loopNesting = 2000;     // levels of the DeepLoops pattern
};

class TraceGenerator {
public:
    TraceGenerator(unsigned seed, const TraceShape& shape);

    // The resource text of the configuration "G" that generated traces use.
    static const char* configuration();

    // The whole trace: definition blocks, then events, one line each,
    // without line feeds.
    std::vector<std::string> lines();

private:
    // The dynamic ids of the living instances: membership, removal and a
    // random pick in constant time.
    class IdPool {
    public:
        explicit IdPool(int largestId) : position_(size_t(largestId) + 1, -1) {}
        bool contains(int id) const { return position_[size_t(id)] >= 0; }
        bool empty() const { return ids_.empty(); }
        int size() const { return int(ids_.size()); }
        int at(int index) const { return ids_[size_t(index)]; }
        void add(int id);
        void remove(int id);
        void clear();

    private:
        std::vector<int> ids_;
        std::vector<int> position_;  // index in ids_ of each id, -1 when absent
    };

    struct CallStackEntry {
        int model;
        int block;
        int thread;
    };
    struct OpenCall {
        int callId;
        int model;
        int block;
    };

    std::mt19937 random_;
    TraceShape shape_;
    std::vector<std::string> out_;
    int block_ = 0;  // index of the selected block
    IdPool alive_;   // dynamic ids with a living instance
    std::vector<CallStackEntry> callStack_;
    std::vector<OpenCall> openCalls_;
    std::vector<int> boundSfNumbers_;
    std::vector<std::pair<int, int>> threadInfos_;  // thread, state
    int runningInfo_ = -1;                          // index in threadInfos_, or -1
    int threadGeneration_ = 0;                      // thread records are new after each NT
    int currentThread_ = 0;                         // the running thread's record, 0 for none
    int nextCall_ = 1;
    int loopDepth_ = 0;
    int triggers_ = 0;  // ET, GA, GS written so far in this trace
    bool notePending_ = false;
    bool glyphPending_ = false;
    unsigned long time_ = 0;  // the last TM, far above every stamp before it

    int pick(int count);
    int someInstance(int worldPercent);
    bool chance(int percent);
    std::string name();
    int runningThread() const;
    void write(const std::string& line);
    void definitions();
    std::vector<std::string> repeatedPattern();
    void startTrace();
    void event();
    void newInstance();
    void message();
    int receiver();
    void pushMessage(int model);
    void call();
    void messageReturn();
    void deletion();
    void decoration();
    void action();
    void synchronisation();
    void loop();
    void trigger();
    void thread();
    void time();
    void newTrace();
    void selectBlock();
};
