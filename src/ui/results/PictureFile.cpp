#include "ui/results/PictureFile.h"

#include "core/FileIo.h"
#include "core/Messages.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace {

QByteArray svgBytes(const QSize& size, const QString& title,
                    const std::function<void(QPainter&)>& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Zorvik"));
    {
        QPainter p(&svg);
        paint(p);
    }
    // The generator gives the size in millimetres at its own resolution, which a browser turns
    // into another size; in pixels the picture is as large as what it shows on the screen.
    QByteArray bytes = buffer.data();
    static const QRegularExpression root(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    const QRegularExpressionMatch m = root.match(QString::fromLatin1(bytes.left(512)));
    if (m.hasMatch())
        bytes.replace(m.capturedStart(), m.capturedLength(),
                      QStringLiteral("<svg width=\"%1\" height=\"%2\"")
                          .arg(size.width())
                          .arg(size.height())
                          .toLatin1());
    return bytes;
}

} // namespace

bool PictureFile::Write(const QString& path, const QSize& size, qreal pixelRatio,
                        const QString& title, const std::function<void(QPainter&)>& paint,
                        QString* reason) {
    QByteArray bytes;
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        bytes = svgBytes(size, title, paint);
    } else {
        QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(pixelRatio);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            paint(p);
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            *reason = Messages::PictureNotMade;
            return false;
        }
    }
    // Written as the program writes its own files: a picture is whole or not there, and an old one
    // of the same name stays as it was when the new one cannot be written.
    std::vector<iovec> parts{{bytes.data(), static_cast<size_t>(bytes.size())}};
    return WriteFileDurably(path, parts, reason);
}
