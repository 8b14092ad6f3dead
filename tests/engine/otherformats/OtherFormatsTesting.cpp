#include "OtherFormatsTesting.h"

#include "support/Files.h"
#include "support/Run.h"

#include <openssl/evp.h>

namespace otherformats_test {

bool make(const std::string &command, const std::string &directory)
{
    return ziptest::sh("(" + command + ") >/dev/null 2>&1", directory) == 0;
}

std::optional<otherformats::ProblemKind> problemFor(const std::vector<otherformats::Problem> &problems,
                                                    const std::string &entry)
{
    for (const otherformats::Problem &problem : problems)
        if (problem.entry == entry)
            return problem.kind;
    return std::nullopt;
}

std::vector<std::string> temporaryFiles(const std::string &root)
{
    std::vector<std::string> found;
    for (const std::string &name : ziptest::listTree(root))
        if (name.find(".orvex-") != std::string::npos)
            found.push_back(name);
    return found;
}

std::string sha256Of(const std::string &path)
{
    const std::string data = ziptest::readFile(path);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    EVP_Digest(data.data(), data.size(), digest, &length, EVP_sha256(), nullptr);
    std::string hex;
    static const char digits[] = "0123456789abcdef";
    for (unsigned i = 0; i < length; ++i) {
        hex += digits[digest[i] >> 4];
        hex += digits[digest[i] & 15];
    }
    return hex;
}

}  // namespace otherformats_test
