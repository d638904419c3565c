#include "support/data_files.h"

#include "core/data_file.h"
#include "core/encoding.h"
#include "support/temp_folder.h"

namespace examsim::test {

void writeDataText(AppContext& ctx, const std::string& name, const std::string& text) {
    std::filesystem::create_directories(ctx.paths.resolve("/Database"));
    writeEnciphered(ctx, dataFilePath(ctx, name), text);
}

void writeEnciphered(AppContext& ctx, const std::filesystem::path& file, const std::string& text) {
    std::string bytes = utf8ToCp1252Lossy(text);
    ctx.dataCipher.EncryptByte({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}, kPassPhrase);
    writeFile(file, bytes);
}

}  // namespace examsim::test
