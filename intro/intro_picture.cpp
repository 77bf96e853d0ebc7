#include "intro_picture.h"

#include <QImage>
#include <QString>

// Resources compiled into a static library are registered only when something
// refers to them. Q_INIT_RESOURCE declares the registration function in the
// enclosing namespace, so it is used here, outside any namespace.
static void RegisterIntroResource() { Q_INIT_RESOURCE(intro); }

namespace zef {

QString IntroPicturePath()
{
    static const bool registered = (RegisterIntroResource(), true);
    (void)registered;
    return QStringLiteral(":/intro/intro.bmp");
}

QImage IntroPicture() { return QImage(IntroPicturePath()); }

IntroImage ConvertIntroPicture(const QImage& picture)
{
    return ConvertIntroPicture([&picture](int x, int y) -> std::uint32_t {
        if (!picture.valid(x, y)) {
            return 0;
        }
        const QRgb rgb = picture.pixel(x, y);
        return static_cast<std::uint32_t>(qRed(rgb)) | static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
               static_cast<std::uint32_t>(qBlue(rgb)) << 16;
    });
}

GLuint UploadIntroTexture(const QImage& picture) { return UploadIntroTexture(ConvertIntroPicture(picture)); }

}  // namespace zef
