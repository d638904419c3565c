#include "core/crypt_api.h"

#include "core/atomic_file.h"
#include "core/encoding.h"
#include "core/file_io.h"

#include <cstring>

namespace examsim {

CryptError::CryptError(std::int32_t number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

CryptError sourceMissingError(const std::filesystem::path& source) {
    return CryptError(kSourceMissingError, std::string(kSourceMissingText) + " Missing file: " + source.string());
}

void clsCryptAPI::Key(const std::string& text) {
    if (text == keyText_) return;
    keyText_ = text;
    std::string ansi = utf8ToCp1252Lossy(text);
    keyBytes_.assign(ansi.begin(), ansi.end());
}

void clsCryptAPI::useKey(const std::string& key) {
    if (!key.empty()) Key(key);
}

void clsCryptAPI::xorInPlace(std::span<std::uint8_t> bytes) const {
    if (bytes.empty()) return;
    if (keyBytes_.empty()) throw std::domain_error("clsCryptAPI: no key set (division by zero)");
    const std::size_t period = keyBytes_.size();
    // Widen the key to a whole number of 64-bit words so the bulk runs word by word.
    std::uint8_t pattern[64];
    const std::size_t patternLen = (sizeof pattern / period) * period;
    for (std::size_t i = 0; i < patternLen; ++i) pattern[i] = keyBytes_[i % period];

    std::size_t i = 0;
    std::uint8_t* data = bytes.data();
    const std::size_t n = bytes.size();
    if (patternLen >= 8 && patternLen % 8 == 0) {
        std::uint64_t words[8];
        std::memcpy(words, pattern, patternLen);
        const std::size_t wordsPerPattern = patternLen / 8;
        for (; i + patternLen <= n; i += patternLen) {
            for (std::size_t w = 0; w < wordsPerPattern; ++w) {
                std::uint64_t v;
                std::memcpy(&v, data + i + w * 8, 8);
                v ^= words[w];
                std::memcpy(data + i + w * 8, &v, 8);
            }
        }
    }
    for (; i < n; ++i) data[i] ^= keyBytes_[i % period];
}

void clsCryptAPI::EncryptByte(std::span<std::uint8_t> bytes, const std::string& key) {
    useKey(key);
    xorInPlace(bytes);
}

void clsCryptAPI::DecryptByte(std::span<std::uint8_t> bytes, const std::string& key) {
    EncryptByte(bytes, key);
}

std::string clsCryptAPI::EncryptString(const std::string& text, const std::string& key) {
    useKey(key);
    std::string ansi = utf8ToCp1252Lossy(text);
    xorInPlace({reinterpret_cast<std::uint8_t*>(ansi.data()), ansi.size()});
    return cp1252ToUtf8(ansi);
}

std::string clsCryptAPI::DecryptString(const std::string& text, const std::string& key) {
    return EncryptString(text, key);
}

clsCryptAPI::Bytes clsCryptAPI::decipherFile(const Path& source, const std::string& key) {
    useKey(key);
    Bytes bytes;
    if (!readWholeFile(source, bytes)) throw sourceMissingError(source);
    xorInPlace(bytes);
    return bytes;
}

void clsCryptAPI::EncryptFile(const Path& source, const Path& destination, const std::string& key) {
    Bytes bytes = decipherFile(source, key);
    // Replacing by rename leaves either the old container or the new one.
    writeFileAtomically(destination, bytes);
}

std::string clsCryptAPI::DecryptFile(const Path& source, const Path&, const std::string& key) {
    Bytes bytes = decipherFile(source, key);
    return cp1252ToUtf8({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

std::string clsCryptAPI::DecryptFile2(const Path& source, const Path& destination, const std::string& key) {
    Bytes bytes = decipherFile(source, key);
    writeFileAtomically(destination, bytes);
    return cp1252ToUtf8({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

}  // namespace examsim
