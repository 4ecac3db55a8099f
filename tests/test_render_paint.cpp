// Painting: the SVG read back, the PNG written, and the errors of save().
#include "test_render_support.h"

#include <QDir>

TEST(RenderPaint, ExampleWritesSvgAndPng)
{
    ExampleDrawing example;
    QDir().mkpath(QStringLiteral(SSV_BINARY_DIR "/render-out"));
    QString error;
    EXPECT_TRUE(example.diagram->save(QStringLiteral(SSV_BINARY_DIR "/render-out/rtos.svg"), &error))
        << error.toStdString();
    EXPECT_TRUE(example.diagram->save(QStringLiteral(SSV_BINARY_DIR "/render-out/rtos.png"), &error))
        << error.toStdString();
}
