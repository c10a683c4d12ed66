#include "exchange/zstd_frame.h"

#include <zstd.h>

#include <memory>

#include "exchange/import_refusal.h"

namespace memvalo {

namespace {

constexpr std::string_view kZstdMagic = "\x28\xB5\x2F\xFD";

struct StreamDeleter {
    void operator()(ZSTD_DStream* s) const { ZSTD_freeDStream(s); }
};

}  // namespace

bool isZstdFrame(std::string_view bytes) {
    return bytes.substr(0, kZstdMagic.size()) == kZstdMagic;
}

std::string zstdDecompress(std::string_view bytes, std::uint64_t limit) {
    std::unique_ptr<ZSTD_DStream, StreamDeleter> stream(ZSTD_createDStream());
    if (!stream) throw ImportRefusal("es fehlt Arbeitsspeicher");
    ZSTD_initDStream(stream.get());
    // The frame's declared size is a hint only: the stream decides, bounded by the limit.
    std::string out;
    ZSTD_inBuffer in{bytes.data(), bytes.size(), 0};
    std::size_t last = 1;
    std::string chunk(ZSTD_DStreamOutSize(), '\0');
    while (in.pos < in.size || last != 0) {
        ZSTD_outBuffer piece{chunk.data(), chunk.size(), 0};
        const std::size_t before = in.pos;
        last = ZSTD_decompressStream(stream.get(), &piece, &in);
        if (ZSTD_isError(last)) throw ImportRefusal("ein komprimierter Teil ist beschädigt");
        if (out.size() + piece.pos > limit) throw ImportRefusal(expansionLimitReason());
        out.append(chunk.data(), piece.pos);
        // A frame cut short asks for input that is not there.
        if (piece.pos == 0 && in.pos == before && last != 0) {
            throw ImportRefusal("ein komprimierter Teil ist unvollständig");
        }
    }
    return out;
}

}  // namespace memvalo
