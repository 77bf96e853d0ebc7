#include "png_image.h"

#include <objidl.h>
// GDI+'s C++ headers use the min and max macros that win32_api.h turns off.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <memory>

namespace zef {

namespace {

namespace Gdip = Gdiplus::DllExports;

// GDI+'s PNG encoder, under the same identifier on every Windows.
constexpr CLSID kPngEncoder{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// GDI+ for as long as one encoding takes.
class GdiplusSession {
public:
    GdiplusSession()
    {
        const Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (ok_) {
            Gdiplus::GdiplusShutdown(token_);
        }
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

struct DisposeImage {
    void operator()(Gdiplus::GpBitmap* bitmap) const { Gdip::GdipDisposeImage(bitmap); }
};
struct ReleaseStream {
    void operator()(IStream* stream) const { stream->Release(); }
};

}  // namespace

std::optional<std::string> EncodePng(const std::uint8_t* pixels, int width, int height)
{
    const GdiplusSession session;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (!session.ok() || Gdip::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppRGB,
                                                         const_cast<BYTE*>(pixels), &bitmap) != Gdiplus::Ok) {
        return std::nullopt;
    }
    const std::unique_ptr<Gdiplus::GpBitmap, DisposeImage> owned(bitmap);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
        return std::nullopt;
    }
    const std::unique_ptr<IStream, ReleaseStream> ownedStream(stream);
    // The stream's memory may be larger than what was written into it.
    STATSTG written{};
    HGLOBAL memory = nullptr;
    if (Gdip::GdipSaveImageToStream(bitmap, stream, &kPngEncoder, nullptr) != Gdiplus::Ok ||
        FAILED(stream->Stat(&written, STATFLAG_NONAME)) || FAILED(GetHGlobalFromStream(stream, &memory))) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const char*>(GlobalLock(memory));
    std::string png(bytes, bytes != nullptr ? static_cast<std::size_t>(written.cbSize.QuadPart) : 0);
    GlobalUnlock(memory);
    return bytes != nullptr ? std::optional(png) : std::nullopt;
}

}  // namespace zef
