#pragma once
// The fields of a protobuf message, read without its schema: the few small messages of an Anki
// package are decoded by hand.
#include <cstdint>
#include <optional>
#include <string_view>

namespace memvalo {

struct ProtoField {
    std::uint32_t number = 0;
    std::uint64_t varint = 0;  // a varint field's value
    std::string_view bytes;    // a length-delimited field's bytes
    bool delimited = false;
};

class ProtoReader {
  public:
    explicit ProtoReader(std::string_view message) : rest_(message) {}
    // The next field; nothing at the end. Fixed-width fields are skipped over as values.
    // Throws ImportRefusal on a damaged message.
    std::optional<ProtoField> next();

  private:
    std::uint64_t varint();
    std::string_view take(std::uint64_t size);
    std::string_view rest_;
};

}  // namespace memvalo
