#include "jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared

#include <jpeglib.h>

namespace parlavo {

namespace {

// libjpeg reports an error by calling error_exit, which must not return: it jumps
// back to where the decoding started.
struct JumpingErrors {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

[[noreturn]] void JumpBack(j_common_ptr info) { std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->back, 1); }
void KeepQuiet(j_common_ptr) {}  // warnings about damaged data go nowhere

// Only C calls and writes through `image` follow the setjmp, and nothing of this
// frame is read after the jump, so the jump skips no C++ destructor.
bool Decode(jpeg_decompress_struct& info, JumpingErrors& errors, QByteArrayView bytes, int eighths, QImage& image) {
  if (setjmp(errors.back)) return false;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.scale_num = static_cast<unsigned>(std::clamp(eighths, 1, 8));
  info.scale_denom = 8;
  info.out_color_space = JCS_EXT_BGRA;  // RGB32's bytes on a little-endian machine, alpha 0xFF
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
  if (image.isNull()) return false;  // no memory for it
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpeg(QByteArrayView bytes, int eighths) {
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "BGRA is RGB32 only on a little-endian machine");
  jpeg_decompress_struct info{};
  JumpingErrors errors{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JumpBack;
  errors.manager.output_message = KeepQuiet;
  jpeg_create_decompress(&info);
  QImage image;
  const bool decoded = !bytes.isEmpty() && Decode(info, errors, bytes, eighths, image);
  jpeg_destroy_decompress(&info);
  return decoded ? image : QImage();
}

}  // namespace parlavo
