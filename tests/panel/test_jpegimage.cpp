#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "tjpegimage.h"

namespace {

// Encodes a flat picture of one colour (or one grey) with libjpeg.
QByteArray EncodeFlat(int width, int height, int components, const unsigned char* pixel) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width * components));
    for (size_t i = 0; i < row.size(); ++i)
        row[i] = pixel[i % static_cast<size_t>(components)];
    while (info.next_scanline < info.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 4 && std::abs(a.green() - b.green()) <= 4 &&
           std::abs(a.blue() - b.blue()) <= 4;
}

TEST(JpegImage, ColourAndGreyPicturesDecodeToTheirSizeAndColour) {
    const unsigned char orange[] = {0xFF, 0x80, 0x40};
    const unsigned char grey[] = {0x90};
    struct Case {
        int components;
        const unsigned char* pixel;
        QColor expected;
    } const cases[] = {{3, orange, QColor(0xFF, 0x80, 0x40)}, {1, grey, QColor(0x90, 0x90, 0x90)}};
    for (const Case& c : cases) {
        const QImage image = TJpegImage::Decode(EncodeFlat(37, 11, c.components, c.pixel));
        ASSERT_FALSE(image.isNull()) << c.components;
        EXPECT_EQ(image.size(), QSize(37, 11));
        EXPECT_TRUE(Near(image.pixelColor(0, 0), c.expected)) << image.pixelColor(0, 0).name().toStdString();
        EXPECT_TRUE(Near(image.pixelColor(36, 10), c.expected));
    }
}

TEST(JpegImage, BytesThatAreNoJpegGiveANullImage) {
    const unsigned char grey[] = {0x90};
    const QByteArray good = EncodeFlat(16, 16, 1, grey);
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("not a picture at all"),
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
        good.left(20),                          // header cut short
        QByteArray("\xFF\xD8\xFF\xD9", 4),     // start and end, nothing between
    };
    for (const QByteArray& bytes : cases)
        EXPECT_TRUE(TJpegImage::Decode(bytes).isNull()) << bytes.size();
}

TEST(JpegImage, PicturesLargerThanAnyOfOursAreRefused) {
    const unsigned char grey[] = {0x10};
    EXPECT_TRUE(TJpegImage::Decode(EncodeFlat(TJpegImage::MaxSide + 1, 1, 1, grey)).isNull());
    EXPECT_FALSE(TJpegImage::Decode(EncodeFlat(TJpegImage::MaxSide, 1, 1, grey)).isNull());
}

TEST(JpegImage, FrontPanelPictureIsThePanelsSize) {
    EXPECT_EQ(TJpegImage::LoadFromFile(RESOURCES_DIR "/panel/front.jpg").size(), QSize(752, 100));
    EXPECT_TRUE(TJpegImage::LoadFromFile(RESOURCES_DIR "/panel/missing.jpg").isNull());
}

}  // namespace
