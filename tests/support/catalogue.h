#pragma once
// The core's and the editor's tests read the real catalogues without Qt: this reads the
// messages of i18n/warehaus4_CODE.ts and installs them as the core's text lookup for as long as
// the object lives, so a test can check a text exactly as a player of that language reads it.

#include "core/text.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace w4::testing {

// The text between <tag> and </tag>, entities and <byte value="xNN"/> decoded.
inline std::string CatalogueText(const std::string& xml)
{
    std::string out;
    for (std::size_t i = 0; i < xml.size();) {
        if (xml.compare(i, 13, "<byte value=\"") == 0) {
            const std::size_t end = xml.find("\"/>", i);
            out += static_cast<char>(std::stoi(xml.substr(i + 14, end - i - 14), nullptr, 16));
            i = end + 3;
        } else if (xml[i] == '&') {
            const std::size_t end = xml.find(';', i);
            const std::string name = xml.substr(i + 1, end - i - 1);
            out += name == "amp" ? '&' : name == "lt" ? '<' : name == "gt" ? '>' : name == "apos" ? '\'' : '"';
            i = end + 1;
        } else {
            out += xml[i++];
        }
    }
    return out;
}

// (English, disambiguation) -> translation, of every message of the catalogue.
inline std::map<std::pair<std::string, std::string>, std::string> ReadCatalogue(const std::string& code)
{
    std::ifstream in(std::string(W4_SOURCE_DIR) + "/i18n/warehaus4_" + code + ".ts", std::ios::binary);
    if (!in)
        throw std::runtime_error("no catalogue for " + code);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();
    const auto element = [](const std::string& message, const std::string& tag) -> std::string {
        const std::size_t open = message.find("<" + tag);
        if (open == std::string::npos)
            return {};
        const std::size_t start = message.find('>', open) + 1;
        if (message[start - 2] == '/')
            return {};
        return CatalogueText(message.substr(start, message.find("</" + tag + ">", start) - start));
    };
    std::map<std::pair<std::string, std::string>, std::string> texts;
    for (std::size_t at = xml.find("<message>"); at != std::string::npos; at = xml.find("<message>", at + 1)) {
        const std::string message = xml.substr(at, xml.find("</message>", at) - at);
        texts[{element(message, "source"), element(message, "comment")}] = element(message, "translation");
    }
    return texts;
}

class CatalogueInForce {
public:
    explicit CatalogueInForce(const std::string& code)
    {
        Texts() = ReadCatalogue(code);
        SetTextLookup(&Find);
    }
    ~CatalogueInForce()
    {
        SetTextLookup(nullptr);
        Texts().clear();
    }
    CatalogueInForce(const CatalogueInForce&) = delete;
    CatalogueInForce& operator=(const CatalogueInForce&) = delete;

private:
    static std::map<std::pair<std::string, std::string>, std::string>& Texts()
    {
        static std::map<std::pair<std::string, std::string>, std::string> texts;
        return texts;
    }
    static std::string Find(const char* english, const char* disambiguation)
    {
        const auto found = Texts().find({english, disambiguation ? disambiguation : ""});
        return found == Texts().end() ? std::string() : found->second;
    }
};

} // namespace w4::testing
