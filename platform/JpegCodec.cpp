#include "platform/JpegCodec.h"

#include "platform/AppError.h"
#include "platform/ExifOrientation.h"
#include "platform/PictureLimits.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it is included.
#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports fatal errors through a callback that must not return. We leave it with
// longjmp, so every call into the library happens inside one of the small "step" functions
// below: they hold no C++ objects of their own, which keeps the jump well-defined. The C++
// wrappers around them turn a failed step into an AppError.

namespace {

// A progressive file may consist of a great many tiny scans, each of which walks the
// whole coefficient buffer; real encoders write about ten.
constexpr int MaximumScans = 200;

// The same bound as work: the blocks all scans together visit, counted in passes over every
// block of the picture. The usual progressive scripts need five or six; a file of a few
// kilobytes whose hundreds of scans each walk a huge picture would need hundreds.
constexpr double MaximumPassesOverThePicture = 12.0;

// Ceiling for libjpeg's whole-image buffers (progressive and multi-scan files keep all
// coefficients): a 100-megapixel 4:2:0 picture fits, a hostile header does not.
constexpr long MaximumWorkMemory = 512L * 1024 * 1024;

// Where the frame header must have turned up when reading a size: colour profiles and Exif
// blocks take a few hundred kilobytes at most.
constexpr qint64 MaximumHeaderBytes = 16 * 1024 * 1024;

enum class Failure { None, Corrupt, Truncated, TooManyScans, TooMuchWork, TooLarge };

struct ErrorManager {
    jpeg_error_mgr base; // first member: libjpeg hands us a pointer to it
    std::jmp_buf jump;
    Failure failure;
};

ErrorManager* ErrorsOf(j_common_ptr info) {
    return reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void Fail(j_common_ptr info, Failure failure) {
    ErrorManager* errors = ErrorsOf(info);
    if (errors->failure == Failure::None)
        errors->failure = failure;
    std::longjmp(errors->jump, 1);
}

void OnError(j_common_ptr info) {
    Fail(info, Failure::Corrupt);
}

// Most warnings about damaged data are tolerated (the picture still shows), but data that
// ends early, at the end of the file or at a marker, would leave a grey area the player
// takes for part of the picture. Stopping there also keeps a tiny file that claims a large
// picture from being decoded as a whole picture of nothing.
void OnMessage(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level == -1 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        Fail(info, Failure::Truncated);
}

// The progress monitor counts the work of every scan as it starts: libjpeg calls it for
// each row of blocks it reads, with the new scan's components in place.
struct ScanWork {
    jpeg_progress_mgr base; // first member: libjpeg hands us a pointer to it
    int lastScan = 0;
    double blocks = 0;
    double budget = 0; // 0 until the picture's blocks are known
};

double BlocksOf(const jpeg_component_info& component) {
    return double(component.width_in_blocks) * double(component.height_in_blocks);
}

void OnProgress(j_common_ptr info) {
    if (!info->is_decompressor)
        return;
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > MaximumScans)
        Fail(info, Failure::TooManyScans);
    auto* work = reinterpret_cast<ScanWork*>(decompress->progress);
    if (work->budget <= 0 || decompress->input_scan_number == work->lastScan)
        return;
    work->lastScan = decompress->input_scan_number;
    for (int i = 0; i < decompress->comps_in_scan && i < MAX_COMPS_IN_SCAN; ++i)
        if (const jpeg_component_info* component = decompress->cur_comp_info[i])
            work->blocks += BlocksOf(*component);
    if (work->blocks > work->budget)
        Fail(info, Failure::TooMuchWork);
}

void InstallErrors(ErrorManager& errors) {
    jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    errors.failure = Failure::None;
}

struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    ScanWork progress{};
    bool created = false;

    Decompressor() {
        InstallErrors(errors);
        info.err = &errors.base;
        progress.base.progress_monitor = OnProgress;
    }
    ~Decompressor() {
        if (created)
            jpeg_destroy_decompress(&info);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

// ---- steps (no C++ objects with destructors in here) -------------------------------------

bool StepReadHeader(Decompressor* d, const unsigned char* data, unsigned long size,
                    bool keepComments = false) {
    if (setjmp(d->errors.jump))
        return false;
    jpeg_create_decompress(&d->info);
    d->created = true;
    d->info.mem->max_memory_to_use = MaximumWorkMemory;
    d->info.progress = &d->progress.base;
    if (keepComments)
        jpeg_save_markers(&d->info, JPEG_COM, 0xFFFF);
    // The Exif block, for the orientation (APP1 also carries other blocks).
    jpeg_save_markers(&d->info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_mem_src(&d->info, data, size);
    jpeg_read_header(&d->info, TRUE);
    return true;
}

bool StepStart(Decompressor* d, int minimumWidth, int minimumHeight) {
    if (setjmp(d->errors.jump))
        return false;
    jpeg_decompress_struct& info = d->info;
    if (!PictureLimits::IsAcceptable(info.image_width, info.image_height))
        Fail(reinterpret_cast<j_common_ptr>(&info), Failure::TooLarge);

    double pictureBlocks = 0;
    for (int i = 0; i < info.num_components; ++i)
        pictureBlocks += BlocksOf(info.comp_info[i]);
    d->progress.budget = std::max(1.0, pictureBlocks * MaximumPassesOverThePicture);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGB;

    // The smallest n/8 whose output still covers the wanted size; the scaled inverse DCT
    // skips most of the work, and n = 1 decodes little more than the DC coefficients.
    info.scale_denom = 8;
    info.scale_num = 8;
    if (minimumWidth > 0 || minimumHeight > 0) {
        for (unsigned int n = 1; n <= 8; ++n) {
            info.scale_num = n;
            jpeg_calc_output_dimensions(&info);
            if (static_cast<int>(info.output_width) >= minimumWidth &&
                static_cast<int>(info.output_height) >= minimumHeight)
                break;
        }
    }
    jpeg_start_decompress(&info);
    return true;
}

bool StepReadRgbRows(Decompressor* d, unsigned char* bits, long bytesPerLine) {
    if (setjmp(d->errors.jump))
        return false;
    jpeg_decompress_struct& info = d->info;
    JSAMPROW rows[16];
    while (info.output_scanline < info.output_height) {
        const unsigned int first = info.output_scanline;
        const unsigned int count = std::min(16u, info.output_height - first);
        for (unsigned int i = 0; i < count; ++i)
            rows[i] = bits + static_cast<long>(first + i) * bytesPerLine;
        jpeg_read_scanlines(&info, rows, count);
    }
    jpeg_finish_decompress(&info);
    return true;
}

// Adobe's encoders store CMYK inverted (255 = no ink), and they are the ones that mark
// their files; unmarked files hold plain ink values.
void CmykToRgb(const unsigned char* cmyk, unsigned char* rgb, unsigned int width, bool inverted) {
    for (unsigned int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const unsigned int k = inverted ? cmyk[3] : 255u - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned int value = inverted ? cmyk[c] : 255u - cmyk[c];
            rgb[c] = static_cast<unsigned char>((value * k + 127) / 255);
        }
    }
}

bool StepReadCmykRows(Decompressor* d, unsigned char* bits, long bytesPerLine,
                      unsigned char* rowBuffer) {
    if (setjmp(d->errors.jump))
        return false;
    jpeg_decompress_struct& info = d->info;
    JSAMPROW row = rowBuffer;
    while (info.output_scanline < info.output_height) {
        const unsigned int y = info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
        CmykToRgb(rowBuffer, bits + static_cast<long>(y) * bytesPerLine, info.output_width,
                  info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    return true;
}

// ---- messages ---------------------------------------------------------------------------

[[noreturn]] void ThrowFor(const Decompressor& d) {
    switch (d.errors.failure) {
    case Failure::Truncated:
        throw AppError(QStringLiteral("Die JPEG-Daten sind unvollständig."));
    case Failure::TooManyScans:
        throw AppError(QStringLiteral("Die JPEG-Daten bestehen aus zu vielen Teilbildern."));
    case Failure::TooMuchWork:
        throw AppError(QStringLiteral("Die JPEG-Daten verlangen zu viel Rechenarbeit: Ihre "
                                      "Teilbilder durchlaufen das ganze Bild zu oft."));
    case Failure::TooLarge:
        throw AppError(PictureLimits::TooLargeMessage(d.info.image_width, d.info.image_height));
    case Failure::None:
    case Failure::Corrupt:
        break;
    }
    if (d.errors.base.msg_code == JERR_OUT_OF_MEMORY ||
        d.errors.base.msg_code == JERR_NO_BACKING_STORE)
        throw AppError(QStringLiteral("Für das JPEG-Bild reicht der Arbeitsspeicher nicht."));
    throw AppError(QStringLiteral("Die Daten sind kein gültiges JPEG-Bild."));
}

void ReadHeader(Decompressor& d, const QByteArray& data) {
    if (data.isEmpty())
        throw AppError(QStringLiteral("Die JPEG-Daten sind leer."));
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    if (!StepReadHeader(&d, bytes, static_cast<unsigned long>(data.size())))
        ThrowFor(d);
}

// The orientation of the first Exif block among the saved markers.
int OrientationOf(const Decompressor& d) {
    for (jpeg_saved_marker_ptr marker = d.info.marker_list; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1)
            continue;
        const QByteArray data =
            QByteArray::fromRawData(reinterpret_cast<const char*>(marker->data),
                                    static_cast<qsizetype>(marker->data_length));
        if (data.startsWith(QByteArray("Exif\0\0", 6)))
            return ExifOrientation::Read(data);
    }
    return ExifOrientation::AsStored;
}

QSize ShownSize(const Decompressor& d) {
    return ExifOrientation::Oriented(
        QSize(static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height)),
        OrientationOf(d));
}

} // namespace

namespace JpegCodec {

QSize ReadSize(const QByteArray& data) {
    Decompressor d;
    ReadHeader(d, data);
    return ShownSize(d);
}

} // namespace JpegCodec

namespace {

// Reads the header from a growing prefix of the device and hands the decompressor, with
// the header read, to `use`: most headers end within 64 KB, but large Exif or colour
// profile blocks can push the frame header further back.
template <typename Use> auto WithDeviceHeader(QIODevice& device, bool keepComments, Use&& use) {
    QByteArray prefix;
    qint64 wanted = 64 * 1024;
    for (;;) {
        prefix += device.read(wanted - prefix.size());
        const bool atEnd = prefix.size() < wanted;
        Decompressor d;
        if (prefix.isEmpty())
            throw AppError(QStringLiteral("Die JPEG-Daten sind leer."));
        const auto* bytes = reinterpret_cast<const unsigned char*>(prefix.constData());
        if (StepReadHeader(&d, bytes, static_cast<unsigned long>(prefix.size()), keepComments))
            return use(d);
        if (atEnd || d.errors.failure != Failure::Truncated || wanted >= MaximumHeaderBytes)
            ThrowFor(d);
        wanted *= 4;
    }
}

} // namespace

namespace JpegCodec {

QSize ReadSize(QIODevice& device) {
    return WithDeviceHeader(device, false, [](const Decompressor& d) { return ShownSize(d); });
}

QByteArray ReadComment(QIODevice& device) {
    return WithDeviceHeader(device, true, [](const Decompressor& d) {
        for (jpeg_saved_marker_ptr marker = d.info.marker_list; marker; marker = marker->next)
            if (marker->marker == JPEG_COM)
                return QByteArray(reinterpret_cast<const char*>(marker->data),
                                  static_cast<qsizetype>(marker->data_length));
        return QByteArray();
    });
}

QImage Decode(const QByteArray& data, QSize minimumSize) {
    Decompressor d;
    ReadHeader(d, data);
    // The scale is chosen for the stored pixels, which a quarter turn shows the other way.
    const int orientation = OrientationOf(d);
    const QSize storedMinimum =
        ExifOrientation::SwapsSides(orientation) ? minimumSize.transposed() : minimumSize;
    if (!StepStart(&d, storedMinimum.width(), storedMinimum.height()))
        ThrowFor(d);

    const int width = static_cast<int>(d.info.output_width);
    const int height = static_cast<int>(d.info.output_height);
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull())
        throw AppError(QStringLiteral("Für das JPEG-Bild reicht der Arbeitsspeicher nicht."));

    bool complete;
    if (d.info.out_color_space == JCS_CMYK) {
        std::vector<unsigned char> row(static_cast<size_t>(width) * 4);
        complete = StepReadCmykRows(&d, image.bits(), image.bytesPerLine(), row.data());
    } else {
        complete = StepReadRgbRows(&d, image.bits(), image.bytesPerLine());
    }
    if (!complete)
        ThrowFor(d);
    return ExifOrientation::Apply(image, orientation);
}

} // namespace JpegCodec

// ---- encoding ---------------------------------------------------------------------------

namespace {

struct Compressor {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    unsigned char* output = nullptr; // malloc'd by libjpeg's memory destination
    unsigned long outputSize = 0;
    bool created = false;

    Compressor() {
        InstallErrors(errors);
        info.err = &errors.base;
    }
    ~Compressor() {
        if (created)
            jpeg_destroy_compress(&info);
        std::free(output);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

bool StepCompress(Compressor* c, const unsigned char* bits, long bytesPerLine, int width,
                  int height, int quality, const unsigned char* comment, unsigned int commentSize) {
    if (setjmp(c->errors.jump))
        return false;
    jpeg_compress_struct& info = c->info;
    jpeg_create_compress(&info);
    c->created = true;
    jpeg_mem_dest(&info, &c->output, &c->outputSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_EXT_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    if (commentSize > 0)
        jpeg_write_marker(&info, JPEG_COM, comment, commentSize);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<unsigned char*>(bits) + static_cast<long>(info.next_scanline) * bytesPerLine;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

namespace JpegCodec {

QByteArray Encode(const QImage& image, int quality, const QByteArray& comment) {
    if (image.isNull())
        throw AppError(QStringLiteral("Ein leeres Bild kann nicht als JPEG gespeichert werden."));
    // A segment holds at most 65533 bytes of data.
    const QByteArray kept = comment.left(65533);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Compressor c;
    if (!StepCompress(&c, rgb.constBits(), rgb.bytesPerLine(), rgb.width(), rgb.height(),
                      std::clamp(quality, 0, 100),
                      reinterpret_cast<const unsigned char*>(kept.constData()),
                      static_cast<unsigned int>(kept.size())))
        throw AppError(QStringLiteral("Das Bild kann nicht als JPEG gespeichert werden."));
    return QByteArray(reinterpret_cast<const char*>(c.output),
                      static_cast<qsizetype>(c.outputSize));
}

} // namespace JpegCodec
