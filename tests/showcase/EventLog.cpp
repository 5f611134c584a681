#include "tests/showcase/EventLog.h"

#include <cstdlib>

namespace showcase {

namespace {

// The wide text is UTF-16 on Windows and UTF-32 here; a lone surrogate becomes U+FFFD.
char32_t NextCodePoint(const std::wstring& text, std::size_t& at) {
    const auto unit = static_cast<char32_t>(text[at++]);
    if (unit < 0xD800 || unit > 0xDFFF) return unit;
    if (unit <= 0xDBFF && at < text.size()) {
        const auto low = static_cast<char32_t>(text[at]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++at;
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    return 0xFFFD;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string Utf8Of(const std::wstring& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) AppendUtf8(out, NextCodePoint(text, at));
    return out;
}

std::unique_ptr<EventLog> EventLog::Open() {
    const char* path = std::getenv(kFileVariable);
    if (!path || !*path) return std::unique_ptr<EventLog>(new EventLog(stdout, false));
    std::FILE* file = std::fopen(path, "w");
    if (!file) return nullptr;
    return std::unique_ptr<EventLog>(new EventLog(file, true));
}

EventLog::~EventLog() {
    if (owned_) std::fclose(file_);
}

void EventLog::Write(const std::string& line) {
    std::fprintf(file_, "%s\n", line.c_str());
    std::fflush(file_);
}

void EventLog::Write(const std::string& what, const std::wstring& text) { Write(what + ": " + Utf8Of(text)); }

}  // namespace showcase
