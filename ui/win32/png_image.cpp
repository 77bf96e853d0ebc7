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
#include <vector>

namespace zef {

namespace {

namespace Gdip = Gdiplus::DllExports;

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

std::optional<CLSID> PngEncoder()
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdip::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdip::GdipGetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) {
        return std::nullopt;
    }
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType != nullptr && std::wstring_view(encoders[i].MimeType) == L"image/png") {
            return encoders[i].Clsid;
        }
    }
    return std::nullopt;
}

std::optional<std::string> StreamBytes(IStream& stream)
{
    STATSTG status{};
    if (FAILED(stream.Stat(&status, STATFLAG_NONAME))) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(status.cbSize.QuadPart), '\0');
    const LARGE_INTEGER start{};
    ULONG read = 0;
    if (FAILED(stream.Seek(start, STREAM_SEEK_SET, nullptr)) ||
        FAILED(stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) || read != bytes.size()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<std::string> EncodePng(const std::uint8_t* pixels, int width, int height)
{
    const GdiplusSession session;
    const std::optional<CLSID> encoder = session.ok() ? PngEncoder() : std::nullopt;
    if (!encoder) {
        return std::nullopt;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdip::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppRGB, const_cast<BYTE*>(pixels),
                                        &bitmap) != Gdiplus::Ok) {
        return std::nullopt;
    }
    const std::unique_ptr<Gdiplus::GpBitmap, DisposeImage> owned(bitmap);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
        return std::nullopt;
    }
    const std::unique_ptr<IStream, ReleaseStream> ownedStream(stream);
    if (Gdip::GdipSaveImageToStream(bitmap, stream, &*encoder, nullptr) != Gdiplus::Ok) {
        return std::nullopt;
    }
    return StreamBytes(*stream);
}

}  // namespace zef
