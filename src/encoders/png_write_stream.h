#pragma once
// Encodes one bitmap as a PNG into a byte buffer. Lives for one save.

#include <cstdint>
#include <vector>

#include "bitmap/bitmap.h"
#include "encoders/custom_write_stream.h"
#include "encoders/png_format.h"
#include "encoders/png_options.h"

namespace zorvane {

class IdatDeflater;

class TZNBPNGWriteStream : public TZNBCustomWriteStream {
public:
    // alphaPlane may be null; clock supplies the time stamp when UseCurrentTime is set.
    TZNBPNGWriteStream(std::vector<std::uint8_t>& destination, const TZNBPNGOptions& options, const Bitmap& image,
                       const Bitmap* alphaPlane, PngClock clock);

    // Raises EZNBPNG for a bad IdatSize (before writing anything) or a deflate failure.
    void WriteImage();

private:
    void WriteChunk(const char type[4], std::span<const std::uint8_t> data);
    void WriteHeader();
    void WriteTime();
    void WriteText(const std::string& keyword, const std::string& text);
    void WritePrivateChunks();
    void WriteGamma();
    void WriteChromaticities();
    void WriteSignificantBits();
    void WritePalette();
    void WriteBackground();
    void WriteTransparency();
    void WritePhysicalSize();
    void ReserveImageData(IdatDeflater& deflater);
    void WriteImageData();

    TZNBPNGOptions options_;
    const Bitmap& image_;
    const Bitmap* alphaPlane_;
    PngClock clock_;
    PngFormat format_;
};

}  // namespace zorvane
