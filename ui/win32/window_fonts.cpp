#include "window_fonts.h"

#include "dpi.h"

namespace zef {

FontHandle PixelFont(std::wstring_view face, int pixels, UINT dpi, BYTE pitch)
{
    LOGFONTW font{};
    font.lfHeight = -Scaled(pixels, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = pitch;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&font));
}

FontHandle MessageFont(int pixels, UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = -Scaled(pixels, dpi);
    return FontHandle(CreateFontIndirectW(&metrics.lfMessageFont));
}

void SetFont(std::initializer_list<HWND> controls, const FontHandle& font)
{
    for (const HWND control : controls) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
}

}  // namespace zef
