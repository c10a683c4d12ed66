// The codec on the input both as stored bytes and as typed text: every text comes back from
// its stored form exactly as it was, and stored bytes decode to text that stores stably.
#include "core/codec.h"
#include "core/utf8.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace memvalo;
    using namespace memvalo::fuzz;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (References references : {References::Decode, References::Literal}) {
        const std::string text = cp1252ToUtf8(input, references);
        require(utf8::encode(utf8::decode(text)) == text, "keine gültige UTF-8-Ausgabe");
        require(cp1252ToUtf8(utf8ToCp1252(text)) == text, "gelesener Text kommt anders zurück");
    }
    if (utf8::encode(utf8::decode(input)) == input) {
        require(cp1252ToUtf8(utf8ToCp1252(input)) == input, "getippter Text kommt anders zurück");
    }
    return 0;
}
