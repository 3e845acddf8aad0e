#include "support.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace orvanta::test_support {

std::string dictionaryText(Entries entries) {
    std::string bytes;
    for (const auto &[word, code] : entries)
        bytes += std::string("0\t") + word + "\t" + code + "\n";
    return bytes;
}

PronunciationDictionary dictionaryOf(Entries entries) {
    return PronunciationDictionary::fromBytes(dictionaryText(entries));
}

std::string writeTemporaryFile(const std::string &name, std::string_view bytes) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orvanta-tests-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return path;
}

std::u16string widen(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        out += static_cast<char16_t>(static_cast<signed char>(b));
    return out;
}

std::string narrow(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

} // namespace orvanta::test_support
