#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes the front panel's pictures with libjpeg. Anything that is not a
// readable JPEG, or a picture too large to be one of ours, gives a null
// image rather than an error: the panel then simply shows no picture.
class TJpegImage {
public:
    static constexpr int MaxSide = 4096;

    static QImage Decode(const QByteArray& bytes);
    static QImage LoadFromFile(const QString& path);
};
