#include "engine/SqlLexer.h"

#include "core/Utf16.h"
#include "engine/EngineError.h"
#include "engine/SqlError.h"

namespace engine {
namespace {

bool IsNameStart(char32_t cp) {
    return (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') || cp == '_' || (cp >= 0x0400 && cp <= 0x04FF);
}

bool IsDigit(char32_t cp) { return cp >= '0' && cp <= '9'; }

bool IsSpace(char32_t cp) { return cp == ' ' || cp == '\t' || cp == '\r' || cp == '\n' || cp == 0xA0; }

// Reads a quoted text starting at the opening quote; a doubled quote stands for one.
std::string ReadQuoted(std::string_view sql, std::size_t& pos, char quote) {
    std::string text;
    ++pos;
    while (true) {
        std::size_t close = sql.find(quote, pos);
        if (close == std::string_view::npos) {
            throw SqlError(quote == '\'' ? "не закрыта кавычка строки (')" : "не закрыта кавычка имени (\")");
        }
        text.append(sql.substr(pos, close - pos));
        pos = close + 1;
        if (pos < sql.size() && sql[pos] == quote) {
            text.push_back(quote);
            ++pos;
        } else {
            return text;
        }
    }
}

}  // namespace

std::vector<SqlToken> TokenizeSql(std::string_view sql) {
    if (!IsValidUtf8(sql)) throw SqlError("текст запроса не в кодировке UTF-8");
    std::vector<SqlToken> tokens;
    std::size_t pos = 0;
    while (pos < sql.size()) {
        std::size_t start = pos;
        char32_t cp;
        DecodeUtf8(sql, pos, cp);  // valid: checked above
        if (IsSpace(cp)) continue;
        if (IsNameStart(cp)) {
            std::size_t end = pos;
            while (end < sql.size()) {
                std::size_t next = end;
                char32_t c;
                DecodeUtf8(sql, next, c);
                if (!IsNameStart(c) && !IsDigit(c)) break;
                end = next;
            }
            tokens.push_back({SqlTokenKind::Name, std::string(sql.substr(start, end - start))});
            pos = end;
        } else if (IsDigit(cp)) {
            std::size_t end = pos;
            while (end < sql.size() && IsDigit(static_cast<unsigned char>(sql[end]))) ++end;
            SqlTokenKind kind = SqlTokenKind::Integer;
            if (end < sql.size() && sql[end] == '.') {
                kind = SqlTokenKind::Number;
                ++end;
                while (end < sql.size() && IsDigit(static_cast<unsigned char>(sql[end]))) ++end;
            }
            tokens.push_back({kind, std::string(sql.substr(start, end - start))});
            pos = end;
        } else if (cp == '\'' || cp == '"') {
            pos = start;
            char quote = static_cast<char>(cp);
            std::string text = ReadQuoted(sql, pos, quote);
            tokens.push_back({quote == '\'' ? SqlTokenKind::String : SqlTokenKind::QuotedName, std::move(text)});
        } else {
            tokens.push_back({SqlTokenKind::Symbol, std::string(sql.substr(start, pos - start))});
        }
    }
    tokens.push_back({SqlTokenKind::End, ""});
    return tokens;
}

std::string DescribeToken(const SqlToken& token) {
    switch (token.kind) {
    case SqlTokenKind::QuotedName: return "«\"" + token.text + "\"»";
    case SqlTokenKind::String: return "«'" + token.text + "'»";
    case SqlTokenKind::End: return "конец запроса";
    default: return "«" + token.text + "»";
    }
}

}  // namespace engine
