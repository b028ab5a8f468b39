// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace rungbox::ui {

namespace {

bool drawSvg(const Picture& picture, QBuffer& out) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(picture.size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), picture.size));
    svg.setTitle(picture.title);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    picture.paint(painter);
    return painter.end();
}

bool drawPng(const Picture& picture, QBuffer& out) {
    QImage image((picture.size * picture.pngScale).toSize(), QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(picture.pngScale, picture.pngScale);
    picture.paint(painter);
    painter.end();
    return image.save(&out, "PNG");
}

} // namespace

bool savePicture(platform::FileSystem& fileSystem, const std::string& path, const Picture& picture,
                 platform::FileError& error) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    const bool svg = QString::fromStdString(path).endsWith(".svg", Qt::CaseInsensitive);
    if (!(svg ? drawSvg(picture, bytes) : drawPng(picture, bytes))) {
        error = {0, QCoreApplication::translate("PictureExport", "the picture could not be drawn")
                        .toStdString()};
        return false;
    }
    auto file = fileSystem.beginSave(path, error);
    const QByteArray& data = bytes.buffer();
    return file && file->write({data.constData(), static_cast<std::size_t>(data.size())}, error) &&
           file->commit(error);
}

} // namespace rungbox::ui
