#include "real_program.h"

#include "core/crypt_api.h"
#include "support/temp_folder.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>

namespace examsim::test {

bool assembleSampleApp(const std::filesystem::path& app) {
    const QString source = qEnvironmentVariable("EXAMSIM_SOURCE_DIR") + "/product";
    if (QProcess::execute(EXAMSIM_PACK, {"assemble", source, QString::fromStdString(app.string())}) != 0) return false;
    std::error_code ec;
    std::filesystem::copy_file(EXAMSIM_PROGRAM, app / "examsim", std::filesystem::copy_options::overwrite_existing, ec);
    return !ec;
}

void patchEnciphered(const std::filesystem::path& file, const std::string& from, const std::string& to) {
    clsCryptAPI cipher;
    std::string text = readFile(file);
    cipher.EncryptByte({reinterpret_cast<std::uint8_t*>(text.data()), text.size()}, kPassPhrase);
    const auto at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    cipher.EncryptByte({reinterpret_cast<std::uint8_t*>(text.data()), text.size()}, kPassPhrase);
    writeFile(file, text);
}

void startProgram(QProcess& program, const std::filesystem::path& app, const std::filesystem::path& runtime) {
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("EXAMSIM_WINDOW_LOG", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QString::fromStdString((app / "examsim").string()), {});
}

bool waitForLine(QProcess& program, const QString& line, int timeoutMs) {
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        program.waitForReadyRead(50);
        out += program.readAllStandardOutput();
        if (out.contains(line.toUtf8())) return true;
        if (program.state() == QProcess::NotRunning) return false;
    }
    return false;
}

}  // namespace examsim::test
