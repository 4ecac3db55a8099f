// A sequence model as the viewer page's data: chunks of rows, each with the
// activation bars and loop frames that start in it and the texts it is the
// first to use.  The first chunk also holds what the page needs before any
// row: the participants, threads, files, styles, the time format and, per
// pair of columns, the longest label between them (so that the page places
// its columns without measuring every label).
#pragma once

#include "html/tracedata_p.h"
#include "sequence/sequencemodel.h"

#include <QJsonObject>

#include <vector>

class Style;

class ModelEncoder {
public:
    static constexpr int firstChunkRows = 2048;  // small, so that the page draws early
    static constexpr int chunkRows = 65536;

    explicit ModelEncoder(const SequenceModel& model);
    // The chunks, the first with `meta` in its manifest besides the model's own.
    std::vector<DataChunk> chunks(const QJsonObject& meta);

private:
    // How far a loop frame reaches: its leftmost and rightmost participant
    // with an event in it, and how many levels of frames nest inside it.
    struct FrameReach {
        int left = -1;
        int right = -1;
        int inner = 0;
    };

    const SequenceModel& model_;
    TextTable texts_;
    QHash<const Style*, int> styleIndexes_;
    QJsonArray styles_;
    std::size_t nextBar_ = 0;
    std::size_t nextFrame_ = 0;
    std::vector<FrameReach> frameReach_;

    int styleIndex(const Style* style);
    QJsonObject modelMeta();
    void addParticipants(DataChunk& chunk);
    void addThreadsAndFiles(DataChunk& chunk);
    void addSpacings(DataChunk& chunk);
    void addEvents(DataChunk& chunk, int first, int last);
    void addAnnotations(DataChunk& chunk, int first, int last);
    void addBars(DataChunk& chunk, int last);
    void addFrames(DataChunk& chunk, int last);
    void measureFrames();
};
