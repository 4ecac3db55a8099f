// The events of sequence models as integers that are equal exactly when the
// events compare equal: kind, participants and label, after the masks.
#pragma once

#include "compare/tracecompare.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

class EventKeys {
public:
    explicit EventKeys(const CompareOptions& options) : options_(options) {}

    // One key per event of the model; keys of both models come from the same
    // table, so that they compare.
    std::vector<int> keysOf(const SequenceModel& model);

private:
    const CompareOptions& options_;
    QHash<QString, int> texts_;      // masked names and labels
    QHash<QString, int> labels_;     // labels as read, to their masked texts' keys (with masks only)
    QHash<QByteArray, int> events_;  // an event's fields as integers

    int textKey(const QString& text);
    int labelKey(const QString& label);
    int participantKey(const SequenceParticipant& participant);
    int eventKey(const SequenceEvent& event, const std::vector<int>& participants, std::vector<int>& fields);
};
