// A read trace drawn as a sequence diagram: a column per participant of its
// sequence model (sequence/sequencemodel.h), a row per event, in the styles
// of the trace's configuration.  The picture is painted with QPainter, onto
// SVG, PNG or any paint device.
//
// Text is measured and drawn with the styles' fonts: a QGuiApplication must
// exist.  The diagram refers to the trace's configuration, which must
// outlive it.
#pragma once

#include "sequence/sequencemodel.h"
#include "stacksizeview_export.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <memory>

class QIODevice;
class QPainter;
class TDF;
struct DiagramLayout;

struct STACKSIZEVIEW_EXPORT RenderOptions {
    SequenceOptions sequence;  // the window and filters; the format of the time column
    double scale = 1.0;        // kept within minScale..maxScale
};

class STACKSIZEVIEW_EXPORT SequenceDiagram {
    Q_DECLARE_TR_FUNCTIONS(SequenceDiagram)  // its texts' translation context

public:
    static constexpr double minScale = 0.1;
    static constexpr double maxScale = 10.0;
    static constexpr int maxImageSide = 32767;           // pixels of a PNG's width or height
    static constexpr qint64 maxImagePixels = 100000000;  // pixels of a PNG in all

    // Lays out the events of a read trace that the options select.
    explicit SequenceDiagram(TDF& trace, const RenderOptions& options = RenderOptions());
    // Lays out a model.
    explicit SequenceDiagram(SequenceModel model, double scale = 1.0);
    ~SequenceDiagram();
    SequenceDiagram(const SequenceDiagram&) = delete;
    SequenceDiagram& operator=(const SequenceDiagram&) = delete;

    QSize size() const;                   // in pixels, scaled
    bool fitsPng() const;                 // whether size() is within the PNG limits
    void paint(QPainter& painter) const;  // on white, from the origin, at the scale
    bool writeSvg(QIODevice* device) const;
    // False with *error set when the picture exceeds the PNG limits or the device fails.
    bool writePng(QIODevice* device, QString* error) const;
    // Writes SVG or PNG as the file name ends (.svg, .png, any case); false with
    // *error set for another ending, a picture too large or a file that cannot be
    // written.  A file that fails is left as it was.
    bool save(const QString& fileName, QString* error) const;
    // The model drawn.
    const SequenceModel& model() const { return model_; }

private:
    friend const DiagramLayout& diagramLayout(const SequenceDiagram& diagram);

    SequenceModel model_;
    std::unique_ptr<DiagramLayout> layout_;
    double scale_;
};
