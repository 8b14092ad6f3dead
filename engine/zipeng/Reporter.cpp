#include "engine/zipeng/Reporter.h"

#include "engine/zipformat/Utf8.h"

namespace zipeng {

namespace {

std::string printable(std::string_view text)
{
    return zipformat::printableText(text);
}

}  // namespace

Reporter::Options reporterOptions(bool verbose, bool trace)
{
    Reporter::Options options;
    options.verbose = verbose;
    options.trace = trace;
    options.nameText = printable;
    options.messageText = printable;
    return options;
}

}  // namespace zipeng
