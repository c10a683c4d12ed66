#include "exchange/protobuf_fields.h"

#include "exchange/import_refusal.h"

namespace memvalo {

namespace {

enum WireType : std::uint64_t { Varint = 0, Fixed64 = 1, Delimited = 2, Fixed32 = 5 };

[[noreturn]] void damaged() {
    throw ImportRefusal("eine Verzeichnisangabe des Pakets ist beschädigt");
}

}  // namespace

std::uint64_t ProtoReader::varint() {
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (rest_.empty()) damaged();
        const auto byte = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        value |= std::uint64_t{byte & 0x7Fu} << shift;
        if ((byte & 0x80) == 0) return value;
    }
    damaged();
}

std::string_view ProtoReader::take(std::uint64_t size) {
    if (size > rest_.size()) damaged();
    const std::string_view out = rest_.substr(0, static_cast<std::size_t>(size));
    rest_.remove_prefix(static_cast<std::size_t>(size));
    return out;
}

std::optional<ProtoField> ProtoReader::next() {
    if (rest_.empty()) return std::nullopt;
    const std::uint64_t key = varint();
    ProtoField field;
    field.number = static_cast<std::uint32_t>(key >> 3);
    switch (key & 7) {
        case Varint:
            field.varint = varint();
            break;
        case Fixed64:
            take(8);
            break;
        case Delimited:
            field.bytes = take(varint());
            field.delimited = true;
            break;
        case Fixed32:
            take(4);
            break;
        default:
            damaged();
    }
    return field;
}

}  // namespace memvalo
