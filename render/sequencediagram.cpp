// The public face of the renderer: layout from a reader, SVG and PNG output.
#include "render/sequencediagram.h"

#include "render/layout_p.h"
#include "render/paint_p.h"
#include "render/pngwriter_p.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

double clampedScale(double scale)
{
    return std::isfinite(scale) ? std::clamp(scale, SequenceDiagram::minScale, SequenceDiagram::maxScale) : 1.0;
}

}  // namespace

SequenceDiagram::SequenceDiagram(TDF& trace, const RenderOptions& options)
    : SequenceDiagram(buildSequenceModel(trace, options.sequence), options.scale)
{
}

SequenceDiagram::SequenceDiagram(SequenceModel model, double scale)
    : model_(std::move(model)), layout_(std::make_unique<DiagramLayout>(layOutDiagram(model_))),
      scale_(clampedScale(scale))
{
}

SequenceDiagram::~SequenceDiagram() = default;

QSize SequenceDiagram::size() const
{
    return QSize(int(std::ceil(layout_->size.width() * scale_)), int(std::ceil(layout_->size.height() * scale_)));
}

void SequenceDiagram::paint(QPainter& painter) const
{
    painter.save();
    painter.fillRect(QRect(QPoint(), size()), Qt::white);
    painter.scale(scale_, scale_);
    paintDiagram(painter, *layout_);
    painter.restore();
}

bool SequenceDiagram::writeSvg(QIODevice* device) const
{
    QSvgGenerator generator;
    generator.setOutputDevice(device);
    generator.setSize(size());
    generator.setViewBox(QRect(QPoint(), size()));
    generator.setResolution(96);
    generator.setTitle(tr("Sequence diagram"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    paint(painter);
    return painter.end();
}

bool SequenceDiagram::fitsPng() const
{
    const QSize pixels = size();
    return pixels.width() <= maxImageSide && pixels.height() <= maxImageSide
        && qint64(pixels.width()) * pixels.height() <= maxImagePixels;
}

bool SequenceDiagram::writePng(QIODevice* device, QString* error) const
{
    const QSize pixels = size();
    if (!fitsPng()) {
        *error = tr("the picture is too large for a PNG image (%1 x %2 pixels; at most %3 on a side and %4 in all)")
                     .arg(pixels.width())
                     .arg(pixels.height())
                     .arg(maxImageSide)
                     .arg(maxImagePixels);
        return false;
    }
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        *error = tr("not enough memory for a %1 x %2 image").arg(pixels.width()).arg(pixels.height());
        return false;
    }
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return writePngImage(image, device, error);
}

bool SequenceDiagram::save(const QString& fileName, QString* error) const
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) {
        *error = tr("cannot tell the picture format of '%1': the name must end in .svg or .png").arg(fileName);
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = tr("cannot write '%1': %2").arg(fileName, file.errorString());
        return false;
    }
    QString reason;
    const bool written = suffix == QLatin1String("svg") ? writeSvg(&file) : writePng(&file, &reason);
    if (!written || !file.commit()) {
        file.cancelWriting();
        *error = tr("cannot write '%1': %2").arg(fileName, reason.isEmpty() ? file.errorString() : reason);
        return false;
    }
    return true;
}

const DiagramLayout& diagramLayout(const SequenceDiagram& diagram)
{
    return *diagram.layout_;
}
