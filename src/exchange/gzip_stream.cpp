#include "exchange/gzip_stream.h"

#include <zlib.h>

#include "exchange/import_refusal.h"

namespace memvalo {

namespace {

[[noreturn]] void damaged() {
    throw ImportRefusal("die gzip-Daten sind beschädigt");
}

class Inflater {
  public:
    Inflater() {
        // 16 + window bits: a gzip header and trailer around the deflate stream.
        if (inflateInit2(&z_, 16 + MAX_WBITS) != Z_OK) damaged();
    }
    ~Inflater() { inflateEnd(&z_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
    z_stream* operator->() { return &z_; }
    z_stream* get() { return &z_; }

  private:
    z_stream z_{};
};

}  // namespace

bool isGzip(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1F &&
           static_cast<unsigned char>(bytes[1]) == 0x8B;
}

std::string gunzip(std::string_view bytes, std::uint64_t limit) {
    Inflater z;
    z->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z->avail_in = static_cast<uInt>(bytes.size());
    std::string out;
    std::string chunk(1 << 16, '\0');
    for (;;) {
        z->next_out = reinterpret_cast<Bytef*>(chunk.data());
        z->avail_out = static_cast<uInt>(chunk.size());
        const int result = inflate(z.get(), Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) damaged();
        const std::size_t produced = chunk.size() - z->avail_out;
        if (out.size() + produced > limit) throw ImportRefusal(expansionLimitReason());
        out.append(chunk.data(), produced);
        if (result == Z_STREAM_END) {
            // Another member may follow; anything else after the trailer is ignored.
            if (z->avail_in < 2 || !isGzip({reinterpret_cast<char*>(z->next_in), 2})) break;
            if (inflateReset(z.get()) != Z_OK) damaged();
        } else if (produced == 0 && z->avail_in == 0) {
            damaged();  // cut short
        }
    }
    return out;
}

}  // namespace memvalo
