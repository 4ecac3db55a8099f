// The one walk of a trace into a SequenceModel.  Each group of steps has its
// own source file: the window and participants (participants.cpp), the rows
// (builder.cpp), activation bars (bars.cpp), loop frames (frames.cpp) and
// the texts and styles of events (texts.cpp).
#pragma once

#include "sequence/sequencemodel.h"
#include "tdf/flatmap_p.h"
#include "tdf/tdfobjects.h"

#include <QHash>
#include <QSet>

#include <array>
#include <cstdint>
#include <vector>

// Which thread runs, replayed from the thread infos in reading order.
class RunningThread {
public:
    void see(const TDFThreadInfo* info);
    TDFThread* current() const;

private:
    std::vector<TDFThread*> running_;  // the threads of the running thread infos, in reading order
    int current_ = -1;
};

class SequenceBuilder {
public:
    SequenceBuilder(TDF& trace, const SequenceOptions& options);
    SequenceModel build();

private:
    // What an instance is drawn as.
    struct Lifeline {
        int participant = -1;  // -1: left out (its messages go to the edge)
        bool own = false;      // a participant of its own, not a component's member
        int flow = -1;         // its control flow in flows_, when it has bars
    };

    // The lifelines at an arrow's ends; null for an instance without one.
    struct Ends {
        const Lifeline* from;
        const Lifeline* to;
    };

    // The control flow of one instance drawn with bars: where its outer bar
    // starts and ends (the reader's records) and the calls nested in it.
    struct Flow {
        const TDFInstance* instance = nullptr;
        int participant = 0;
        bool own = true;
        int nextRecord = 0;                    // records taken so far
        bool open = false;                     // the outer bar is open
        std::vector<int> bars;                 // the open bars, outer first; -1: not in the model (yet, or folded)
        std::vector<const TDFMessage*> calls;  // the messages that opened the nested bars
    };

    struct OpenLoop {
        const TDFLoopStart* start;
        int frame;  // -1: not in the model (yet, or folded)
    };

    TDF& trace_;
    const SequenceOptions& options_;
    SequenceModel model_;
    std::vector<TDFObject*> objects_;
    // The last objects walked, by position modulo their number, with their rows (-1: none).
    struct Visited {
        const TDFObject* object = nullptr;
        int position = -1;
        int row = -1;
    };
    std::array<Visited, 4> recent_;
    int first_ = 0;
    int last_ = 0;
    FlatMap<Lifeline, AddressHash> lifelines_;  // by the instance's address
    QHash<QString, int> components_;            // by name: its participant
    int edge_ = -1;
    RunningThread running_;
    QHash<const TDFThread*, int> threads_;  // in the model
    QSet<QString> threadFilter_;
    std::vector<Flow> flows_;
    QHash<const TDFMessage*, std::pair<int, int>> nestedCalls_;  // an open nested call: its flow and place
    std::vector<int> componentDepth_;                            // per participant: members whose outer bar is open
    // Per participant and level: its latest bar, -1 for none.
    std::vector<std::array<int, SequenceModel::maxNesting>> lastBars_;
    static constexpr SequenceMark pending{-2, false};  // at the next arrow drawn
    std::vector<std::pair<int, bool>> unresolved_;     // bars and whether their end (else begin) is pending
    std::vector<OpenLoop> loops_;
    QHash<const TDFObject*, int> deletionReturns_;  // the rows of returns a deletion is drawn at
    bool interactionSeen_ = false;
    bool windowOpen_ = false;     // the walk is in the window
    std::size_t sourceFile_ = 0;  // the trace's source file of the position being walked
    int currentFile_ = -1;        // its index in the model's files, once a row came from it

    // participants.cpp
    void indexObjects();
    void chooseWindow();
    void chooseParticipants();
    bool shown(const QString& name) const;
    void addInstance(const TDFInstance* instance);
    int addParticipant(const SequenceParticipant& participant);
    const Lifeline* lifeline(const TDFInstance* instance);
    int drawnEnd(const Lifeline* drawn);
    int participantOf(const TDFInstance* instance);
    std::vector<const TDFInstance*> bornInWindow() const;

    // builder.cpp: one row per drawn event.
    void walk();
    void openWindow();
    void visit(TDFObject* object, int position);
    void addMessage(TDFMessage* message, const Ends& ends, int position);
    void addReturn(TDFMessageReturn* messageReturn, const Ends& ends, int position);
    bool arrowDrawn(const Ends& ends, bool distinct, TDFThread* thread) const;
    static unsigned long keyOf(const TDFInstance* instance) { return reinterpret_cast<std::uintptr_t>(instance); }
    void addBirth(const TDFInstance* instance, int position);
    void addDeletion(TDFInstanceDelete* deletion, int position);
    void addDeletionOfAll(TDFInstanceDeleteAll* deletion, int position);
    void addOnLifeline(TDFObject* object, SequenceEvent::Kind kind, const TDFInstance* instance, int position);
    void addSynchronisation(TDFSynchronisation* synchronisation, int position);
    void addDivider(TDFObject* object, int position);
    void addDecoration(TDFObject* decoration, TDFObject* owner, SequenceEvent::Kind kind, int position);
    SequenceEvent& addRow(TDFObject* object, SequenceEvent::Kind kind, int position);
    int fileOf(int position);
    void annotate(SequenceEvent& event, TDFObject* object);
    int threadIndex(TDFThread* thread);
    bool threadShown(TDFThread* thread) const;
    QList<int> lifelinesOf(const List<TDFInstance*>* instances);

    // bars.cpp: activation bars from the reader's records.
    int flowFor(const TDFInstance* instance, int participant, bool own);
    int takeRecord(Flow& flow, const TDFObject* event);
    Flow* flowOf(const Lifeline* lifeline);
    void followMessage(const TDFMessage* message, const Ends& ends, int position);
    void followReturn(const TDFMessageReturn* messageReturn, const Ends& ends, int position);
    void openOuter(Flow& flow, const SequenceMark& mark);
    void closeOuter(Flow& flow, const SequenceMark& mark);
    void pushCall(Flow& flow, const TDFMessage* message, const SequenceMark& mark);
    int nestedBar(Flow& flow, int level, const SequenceMark& mark);
    void popCallsTo(Flow& flow, std::size_t size, const SequenceMark& mark);
    int openBar(int participant, int level, const SequenceMark& mark);
    void closeBar(int bar, const SequenceMark& mark);
    void resolveMarks(int row);
    void openFlowsAtWindow();
    SequenceMark markOf(int position) const;
    void closeOpenBars();

    // frames.cpp: loop frames.
    void startLoop(const TDFLoopStart* start, int position);
    void endLoop(const TDFLoopEnd* end, int position);
    int nestedFrame(const TDFLoopStart* start, int level);
    void openLoopsAtWindow();
    void closeOpenFrames();

    // texts.cpp: labels and styles.
    const Style* styleOf(TDFObject* object, int slot) const;
    static QString glyphText(TDFGlyph* glyph);
    static bool isWarning(const TDFGlyph* glyph);
    QString dividerText(TDFObjectType type) const;
};
