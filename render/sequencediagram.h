// A read trace drawn as a sequence diagram: a column per instance (and the
// world), a row per event, in the styles of the trace's configuration.  The
// picture is painted with QPainter, onto SVG, PNG or any paint device.
//
// Text is measured and drawn with the styles' fonts: a QGuiApplication must
// exist.  The diagram refers to the trace's objects and configuration, which
// must outlive it.
#pragma once

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
    int from = 0;        // the window's first event: its index among the trace's objects
    int count = -1;      // events in the window; negative: all from `from` on
    QString timeFormat;  // format of the time column (see tdftime.h); null: the trace's
    double scale = 1.0;  // kept within minScale..maxScale
};

class STACKSIZEVIEW_EXPORT SequenceDiagram {
    Q_DECLARE_TR_FUNCTIONS(SequenceDiagram)  // its texts' translation context

public:
    static constexpr double minScale = 0.1;
    static constexpr double maxScale = 10.0;
    static constexpr int maxImageSide = 32767;           // pixels of a PNG's width or height
    static constexpr qint64 maxImagePixels = 100000000;  // pixels of a PNG in all

    // Lays out the window of events of a read trace.
    explicit SequenceDiagram(TDF& trace, const RenderOptions& options = RenderOptions());
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

private:
    friend const DiagramLayout& diagramLayout(const SequenceDiagram& diagram);

    std::unique_ptr<DiagramLayout> layout_;
    double scale_;
};
