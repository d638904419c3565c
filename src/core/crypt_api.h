#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace examsim {

// Raised by the file operations of clsCryptAPI; carries the automation error
// number and description that stored logs and callers compare against.
class CryptError : public std::runtime_error {
public:
    CryptError(std::int32_t number, const std::string& description);
    std::int32_t number() const { return number_; }
    const std::string& description() const { return description_; }

private:
    std::int32_t number_;
    std::string description_;
};

inline constexpr std::int32_t kSourceMissingError = -2147221504;  // 0x80040000
inline constexpr const char* kSourceMissingText =
    "Error in Skipjack EncryptFile procedure (Source file does not exist).";
inline constexpr const char* kPassPhrase = "pelkoram";

// The source-missing error; its description names the missing file after the
// fixed text, so the user learns which file to restore.
CryptError sourceMissingError(const std::filesystem::path& source);

// The ".wlb" container cipher: a repeating-key XOR over the whole file, so
// enciphering and deciphering are one operation. Texts are UTF-8 in the
// program; key and file texts are Windows-1252 bytes.
class clsCryptAPI {
public:
    using Bytes = std::vector<std::uint8_t>;
    using Path = std::filesystem::path;

    void EncryptFile(const Path& source, const Path& destination, const std::string& key = {});
    std::string DecryptFile(const Path& source, const Path& destination, const std::string& key = {});
    void DecryptByte(std::span<std::uint8_t> bytes, const std::string& key = {});
    void EncryptByte(std::span<std::uint8_t> bytes, const std::string& key = {});
    std::string EncryptString(const std::string& text, const std::string& key = {});
    std::string DecryptString(const std::string& text, const std::string& key = {});
    void Key(const std::string& text);
    std::string DecryptFile2(const Path& source, const Path& destination, const std::string& key = {});

    // Deciphered bytes of a container, not yet converted to text.
    Bytes decipherFile(const Path& source, const std::string& key = {});

    const std::string& keyText() const { return keyText_; }
    std::int32_t keyLength() const { return static_cast<std::int32_t>(keyBytes_.size()); }

private:
    void useKey(const std::string& key);
    void xorInPlace(std::span<std::uint8_t> bytes) const;

    std::string keyText_;
    Bytes keyBytes_;
};

}  // namespace examsim
