// The intro picture embedded in the program (resources/intro.bmp), and its
// conversion into the intro texture from a QImage.
#pragma once

#include "intro_texture.h"

class QImage;
class QString;

namespace zef {

// The resource path of the picture, ":/intro/intro.bmp". Calling it makes
// sure the resource is registered, so use it before loading the path.
QString IntroPicturePath();

// The embedded 256 x 256 picture.
QImage IntroPicture();

// Reads the picture through QImage::pixel. Pixels outside a smaller picture
// read as black.
IntroImage ConvertIntroPicture(const QImage& picture);

// ConvertIntroPicture followed by UploadIntroTexture; returns the texture's name.
GLuint UploadIntroTexture(const QImage& picture);

}  // namespace zef
