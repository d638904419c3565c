#include "check.h"
#include "core/crypt_api.h"
#include "pack.h"
#include "qti/qti_import.h"

#include <iostream>
#include <string>

namespace {

int usage() {
    std::cerr << "usage:\n"
                 "  examsim-pack encipher <plain file> <container.wlb>\n"
                 "  examsim-pack decipher <container.wlb> <plain file>\n"
                 "  examsim-pack assemble <product folder> <application folder>\n"
                 "  examsim-pack check <product folder>\n"
                 "  examsim-pack import-qti <package.zip|folder|item.xml>... --product <product folder>\n"
                 "               [--test NAME] [--objective NAME] [--level Beginner|Intermediate|Expert]\n"
                 "               [--skip-unsupported]\n";
    return 2;
}

int check(const char* product) {
    const auto findings = examsim::pack::checkProduct(product);
    examsim::pack::printFindings(findings, std::cout);
    if (findings.empty()) {
        std::cout << "check: " << product << ": no findings\n";
        return 0;
    }
    std::cerr << "check: " << findings.size() << " finding(s)\n";
    return 1;
}

int importQti(int argc, char** argv) {
    examsim::pack::qti::ImportOptions o;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        std::string* value = a == "--product" ? nullptr
                             : a == "--test"  ? &o.test
                             : a == "--objective" ? &o.objective
                             : a == "--level" ? &o.level
                                              : nullptr;
        if (a == "--skip-unsupported") {
            o.skipUnsupported = true;
        } else if (a == "--product" || value) {
            if (++i == argc) return usage();
            if (value)
                *value = argv[i];
            else
                o.product = argv[i];
        } else if (a.rfind("--", 0) == 0) {
            return usage();
        } else {
            o.sources.emplace_back(a);
        }
    }
    if (o.sources.empty() || o.product.empty()) return usage();
    return examsim::pack::qti::importQti(o, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "import-qti") {
        try {
            return importQti(argc, argv);
        } catch (const std::exception& e) {
            std::cerr << "examsim-pack: " << e.what() << "\n";
            return examsim::pack::qti::kRefused;
        }
    }
    if (!(argc == 4 || (argc == 3 && verb == "check"))) return usage();
    try {
        if (verb == "check")
            return check(argv[2]);
        else if (verb == "encipher")
            examsim::pack::encipher(argv[2], argv[3]);
        else if (verb == "decipher")
            examsim::pack::decipher(argv[2], argv[3]);
        else if (verb == "assemble") {
            std::cout << "assembling " << argv[3] << " from " << argv[2] << "\n";
            examsim::pack::assemble(argv[2], argv[3], std::cout);
        } else
            return usage();
    } catch (const examsim::pack::PackError& e) {
        std::cerr << "examsim-pack: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "examsim-pack: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
