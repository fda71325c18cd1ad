#include "platform/gdi/SJpegReader.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/base/SInputStream.h"


namespace {

struct SJpegError {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

void OnError(j_common_ptr info) {
    longjmp(reinterpret_cast<SJpegError*>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr) {}

// A file whose scans never end would keep the decoder busy: stop after kMaxScans.
void OnProgress(j_common_ptr info) {
    if (info->is_decompressor) {
        auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
        if (decompress->input_scan_number > SJpegReader::kMaxScans) longjmp(reinterpret_cast<SJpegError*>(info->err)->jump, 1);
    }
}

// The memory libjpeg may take: the coefficients of a whole picture within the limit, which a
// progressive file keeps (up to four components of two bytes a sample), and as much again for the
// padding of the blocks and the decoder's own buffers.
constexpr int64_t kMaxDecoderMemory = SImagePixels::kMaxPixels * 4 * 2 * 2;

// A decompressor whose errors jump back to the step that called libjpeg, and which gives up after
// kMaxScans scans.
struct SJpegDecompressor {
    SJpegDecompressor() {
        info.err = jpeg_std_error(&error.manager);
        error.manager.error_exit = OnError;
        error.manager.output_message = OnMessage;
        progress.progress_monitor = OnProgress;
        jpeg_create_decompress(&info);
        info.progress = &progress;
    }
    ~SJpegDecompressor() { jpeg_destroy_decompress(&info); }
    SJpegDecompressor(const SJpegDecompressor&) = delete;
    SJpegDecompressor& operator=(const SJpegDecompressor&) = delete;

    jpeg_decompress_struct info;
    SJpegError error;
    jpeg_progress_mgr progress;
};

// The bytes of a file already read, then the rest of it from a stream, handed to libjpeg as its
// own sources hand a file: past the end, a warning and the marker that ends an image. A stream
// that fails ends the reading as an error of libjpeg's.
struct SJpegStreamSource {
    SJpegStreamSource(const uint8_t* head, size_t headSize, SInputStream& rest);

    jpeg_source_mgr manager;  // first: libjpeg's pointer to it is the source's
    SInputStream* stream;
    JOCTET buffer[4096];
};

boolean FillInputBuffer(j_decompress_ptr info) {
    auto* source = reinterpret_cast<SJpegStreamSource*>(info->src);
    size_t count = 0;
    bool failed = false;
    try {
        count = source->stream->Read(source->buffer, sizeof source->buffer);
    } catch (const SEIOException&) {
        failed = true;
    }
    if (failed) ERREXIT(info, JERR_FILE_READ);
    if (count == 0) {
        static const JOCTET kEnd[] = {0xFF, JPEG_EOI};
        WARNMS(info, JWRN_JPEG_EOF);
        source->manager.next_input_byte = kEnd;
        source->manager.bytes_in_buffer = sizeof kEnd;
        return TRUE;
    }
    source->manager.next_input_byte = source->buffer;
    source->manager.bytes_in_buffer = count;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
    jpeg_source_mgr* manager = info->src;
    if (count <= 0) return;
    while (count > static_cast<long>(manager->bytes_in_buffer)) {
        count -= static_cast<long>(manager->bytes_in_buffer);
        FillInputBuffer(info);
    }
    manager->next_input_byte += count;
    manager->bytes_in_buffer -= static_cast<size_t>(count);
}

void InitSource(j_decompress_ptr) {}

void TermSource(j_decompress_ptr) {}

SJpegStreamSource::SJpegStreamSource(const uint8_t* head, size_t headSize, SInputStream& rest) : stream(&rest) {
    manager.next_input_byte = head;
    manager.bytes_in_buffer = headSize;
    manager.init_source = InitSource;
    manager.fill_input_buffer = FillInputBuffer;
    manager.skip_input_data = SkipInputData;
    manager.resync_to_restart = jpeg_resync_to_restart;
    manager.term_source = TermSource;
}

// The steps that may jump back: no object with a destructor lives in them. The header is read
// from `source`, or from `data` in memory when there is none.
bool ReadHeader(SJpegDecompressor* decompressor, const uint8_t* data, size_t size, SJpegStreamSource* source) {
    if (setjmp(decompressor->error.jump)) return false;
    if (source) decompressor->info.src = &source->manager;
    else jpeg_mem_src(&decompressor->info, data, static_cast<unsigned long>(size));
    return jpeg_read_header(&decompressor->info, TRUE) == JPEG_HEADER_OK;
}

bool DecodeRows(SJpegDecompressor* decompressor, SImagePixels* out, std::vector<uint8_t>* row) {
    jpeg_decompress_struct* info = &decompressor->info;
    if (setjmp(decompressor->error.jump)) return false;
    if (!SImagePixels::IsReadableSize(info->image_width, info->image_height)) return false;
    info->out_color_space = JCS_RGB;
    info->mem->max_memory_to_use = static_cast<long>(kMaxDecoderMemory);
    jpeg_start_decompress(info);
    if (info->output_components != 3) return false;
    if (!out->Allocate(static_cast<int32_t>(info->output_width), static_cast<int32_t>(info->output_height))) return false;
    row->resize(static_cast<size_t>(info->output_width) * 3);
    while (info->output_scanline < info->output_height) {
        const auto y = static_cast<size_t>(info->output_scanline);
        JSAMPROW rows[1] = {row->data()};
        if (jpeg_read_scanlines(info, rows, 1) != 1) return false;
        uint32_t* target = out->pixels.data() + y * info->output_width;
        for (size_t x = 0; x < info->output_width; ++x)
            target[x] = static_cast<uint32_t>((*row)[x * 3]) << 16 | static_cast<uint32_t>((*row)[x * 3 + 1]) << 8 | (*row)[x * 3 + 2];
    }
    jpeg_finish_decompress(info);
    return true;
}

}  // namespace

bool SJpegReader::Decode(const uint8_t* data, size_t size, SImagePixels* out) {
    if (!data || !out || !IsJpeg(data, size)) return false;
    SJpegDecompressor decompressor;
    SImagePixels pixels;
    std::vector<uint8_t> row;
    if (!ReadHeader(&decompressor, data, size, nullptr) || !DecodeRows(&decompressor, &pixels, &row)) return false;
    *out = std::move(pixels);
    return true;
}

bool SJpegReader::ReadSize(const uint8_t* head, size_t headSize, SInputStream& rest, int64_t* width, int64_t* height) {
    if (!head || !width || !height || !IsJpeg(head, headSize)) return false;
    SJpegDecompressor decompressor;
    SJpegStreamSource source(head, headSize, rest);
    if (!ReadHeader(&decompressor, nullptr, 0, &source)) return false;
    *width = decompressor.info.image_width;
    *height = decompressor.info.image_height;
    return true;
}
