#include "ui/splashpicture.h"

#include "game/resources.h"
#include "ui/pictures.h"

#include <QResource>

#include <png.h>

#include <thread>

namespace {

struct SEarlyPicture {
    std::thread reader;
    QImage picture;

    ~SEarlyPicture()
    {
        // Never taken (the program ended before its splash): the thread
        // must still be joined.
        if (reader.joinable())
            reader.join();
    }
};

SEarlyPicture& Early()
{
    static SEarlyPicture early;
    return early;
}

// libpng alone, with no Qt on this thread: the application object is being
// built on the other one meanwhile.
QImage DecodePng(const uchar* data, qint64 size)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, static_cast<size_t>(size)))
        return QImage();
    // The byte order of QImage's 32-bit pixels, 0xAARRGGBB in a native word.
    image.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage picture(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_RGB32);
    if (picture.isNull()
        || !png_image_finish_read(&image, nullptr, picture.bits(), static_cast<png_int_32>(picture.bytesPerLine()), nullptr)) {
        png_image_free(&image);
        return QImage();
    }
    return picture;
}

} // namespace

void BeginSplashPicture()
{
    SEarlyPicture& early = Early();
    if (early.reader.joinable())
        return;
    // Compiled into the program and registered before main: readable now.
    const QResource resource(PicturePath(IDB_SPLASH));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return;
    early.reader = std::thread([&early, data = resource.data(), size = resource.size()] {
        early.picture = DecodePng(data, size);
    });
}

QImage TakeSplashPicture()
{
    SEarlyPicture& early = Early();
    if (early.reader.joinable())
        early.reader.join();
    return std::move(early.picture);
}
