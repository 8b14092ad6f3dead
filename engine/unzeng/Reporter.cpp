#include "engine/unzeng/Reporter.h"

#include "engine/zipformat/Utf8.h"

#include <string>
#include <string_view>

namespace unzeng {

namespace {

std::string messageText(std::string_view text)
{
    return zipformat::printableText(text, "\\0");
}

std::string nameText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        if (c == '\0')
            shown += "\\0";
        else
            shown += c;
    }
    return shown;
}

}  // namespace

Reporter::Options reporterOptions()
{
    Reporter::Options options;
    options.nameText = nameText;
    options.messageText = messageText;
    options.keepCallbackExceptions = true;
    return options;
}

}  // namespace unzeng
