#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QPainter;

// A picture written to a file whole or not at all (into a temporary file renamed into place):
// SVG when the file's name ends in ".svg", PNG otherwise.
struct PictureFile {
    // Paints a picture of the given size in pixels (the PNG at pixelRatio pixels to one, so that
    // it is as sharp as the screen) and writes it. False, with the reason, when the file could
    // not be written.
    static bool Write(const QString& path, const QSize& size, qreal pixelRatio,
                      const QString& title, const std::function<void(QPainter&)>& paint,
                      QString* reason);
};
