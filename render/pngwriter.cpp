// PNG encoding with libpng.  Its errors unwind with longjmp to the one
// function that calls setjmp, which therefore holds no object with a
// destructor.
#include "render/pngwriter_p.h"

#include <QCoreApplication>
#include <QIODevice>

#include <png.h>
#include <zlib.h>

namespace {

// What the libpng callbacks share with the caller.
struct Output {
    QIODevice* device;
    bool failed = false;
    char message[200] = {};
};

void writeData(png_structp png, png_bytep data, size_t length)
{
    Output* output = static_cast<Output*>(png_get_io_ptr(png));
    if (!output->failed && output->device->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length))
        output->failed = true;
}

void flushData(png_structp) {}

void keepError(png_structp png, png_const_charp message)
{
    Output* output = static_cast<Output*>(png_get_error_ptr(png));
    qstrncpy(output->message, message, sizeof output->message);
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// RGB32 rows are blue, green, red and a padding byte in memory.
bool encode(png_structp png, png_infop info, const QImage& image)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, Z_BEST_SPEED);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    return true;
}

}  // namespace

bool writePngImage(const QImage& image, QIODevice* device, QString* error)
{
    Output output{device};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &output, keepError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        *error = QCoreApplication::translate("SequenceDiagram", "not enough memory to encode the image");
        return false;
    }
    png_set_write_fn(png, &output, writeData, flushData);
    const bool encoded = encode(png, info, image);
    png_destroy_write_struct(&png, &info);
    if (!encoded)
        *error = QString::fromUtf8(output.message);
    else if (output.failed)
        *error = device->errorString();
    return encoded && !output.failed;
}
