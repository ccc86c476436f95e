#include "imagefile/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

#include "imagefile/ImageFileTexts.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

extern "C" void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// A file that ends early is refused, as a TGA or BMP cut short is: libjpeg would go on and
// paint the missing part grey. Other warnings (stray bytes between markers) leave a whole
// picture.
extern "C" void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Everything between setjmp and longjmp lives in plain C data; answers libjpeg's message
// code (0 on success). The decompressor is created and destroyed by the caller.
int ReadHeader(jpeg_decompress_struct* cinfo, ErrorManager* err, const QByteArray& data) {
    if (setjmp(err->jump)) return err->pub.msg_code ? err->pub.msg_code : -1;
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(cinfo, TRUE);
    cinfo->out_color_space = JCS_EXT_BGR;
    jpeg_calc_output_dimensions(cinfo);
    return 0;
}

int ReadPixels(jpeg_decompress_struct* cinfo, ErrorManager* err, QImage* image) {
    if (setjmp(err->jump)) return err->pub.msg_code ? err->pub.msg_code : -1;
    jpeg_start_decompress(cinfo);
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(cinfo->output_scanline));
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    return 0;
}

[[noreturn]] void Fail(int code) {
    throw platform::TessellaError(kJpegErrorMessage.arg(code));
}

// A decompressor that longjmps out of libjpeg on failure, destroyed with it.
struct Decompressor {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    Decompressor() {
        cinfo.err = jpeg_std_error(&err.pub);
        err.pub.error_exit = OnError;
        err.pub.emit_message = OnMessage;
        jpeg_create_decompress(&cinfo);
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
    // libjpeg's message code for a header DecodeJpeg refuses, else 0.
    int readHeader(const QByteArray& data) {
        if (data.isEmpty()) return JERR_INPUT_EMPTY;
        if (const int code = ReadHeader(&cinfo, &err, data)) return code;
        platform::RefuseImageBeyondLimit(cinfo.output_width, cinfo.output_height);
        if (!platform::ImageSizeAllowed(cinfo.output_width, cinfo.output_height) ||
            cinfo.output_components != 3)
            return JERR_IMAGE_TOO_BIG;
        return 0;
    }
};

}  // namespace

bool ReadJpegHeader(const QByteArray& start, PictureHeader& header) {
    Decompressor d;
    if (d.readHeader(start) != 0) return false;
    header = {static_cast<int>(d.cinfo.output_width), static_cast<int>(d.cinfo.output_height), 24};
    return true;
}

QImage DecodeJpeg(const QByteArray& data) {
    Decompressor d;
    if (const int code = d.readHeader(data)) Fail(code);
    QImage image(static_cast<int>(d.cinfo.output_width), static_cast<int>(d.cinfo.output_height),
                 QImage::Format_BGR888);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    if (const int code = ReadPixels(&d.cinfo, &d.err, &image)) Fail(code);
    return image;
}

}  // namespace tessella::imagefile
