#include "engine/SqlParser.h"

#include <limits>

#include "core/TextCase.h"
#include "engine/SqlError.h"
#include "engine/SqlLexer.h"

namespace engine {
namespace {

const char* const kKeywords[] = {"select", "from",  "where",  "order", "by", "asc", "desc",     "and",  "or",
                                 "not",    "group", "having", "join",  "on", "as",  "distinct", "union"};

bool IsKeyword(const SqlToken& t) {
    if (t.kind != SqlTokenKind::Name) return false;
    for (const char* k : kKeywords) {
        if (EqualsIgnoreCase(t.text, k)) return true;
    }
    return false;
}

class Parser {
public:
    explicit Parser(std::string_view sql) : tokens_(TokenizeSql(sql)) {}

    SelectStatement Parse() {
        SelectStatement st;
        if (!IsWord("select")) {
            if (Peek().kind == SqlTokenKind::End) throw SqlError("пустой запрос");
            if (Peek().kind == SqlTokenKind::Name) {
                throw SqlError("поддерживается только SELECT, а запрос начинается с " + DescribeToken(Peek()));
            }
            throw SqlError("ожидалось SELECT в начале запроса" + Found());
        }
        Next();
        ParseSelectList(st);
        ExpectWord("from", "FROM после списка столбцов");
        st.table = ParseName("имя таблицы после FROM");
        if (IsSymbol(",")) throw SqlError("запрос к нескольким таблицам сразу не поддерживается");
        if (IsWord("where")) {
            Next();
            ParseWhere(st);
        }
        if (IsWord("order")) {
            Next();
            ExpectWord("by", "BY после ORDER");
            ParseOrderBy(st);
        }
        if (IsSymbol(";")) Next();
        if (Peek().kind != SqlTokenKind::End) {
            throw SqlError("ожидался конец запроса, а найдено " + DescribeToken(Peek()) + Context());
        }
        return st;
    }

private:
    const SqlToken& Peek(std::size_t ahead = 0) const {
        std::size_t i = std::min(pos_ + ahead, tokens_.size() - 1);
        return tokens_[i];
    }
    const SqlToken& Next() {
        const SqlToken& t = Peek();
        if (pos_ + 1 < tokens_.size()) ++pos_;
        return t;
    }
    bool IsWord(const char* word, std::size_t ahead = 0) const {
        const SqlToken& t = Peek(ahead);
        return t.kind == SqlTokenKind::Name && EqualsIgnoreCase(t.text, word);
    }
    bool IsSymbol(const char* symbol, std::size_t ahead = 0) const {
        const SqlToken& t = Peek(ahead);
        return t.kind == SqlTokenKind::Symbol && t.text == symbol;
    }
    // " после «x»": the token before the current one, to place a message.
    std::string Context() const {
        if (pos_ == 0) return "";
        return " после " + DescribeToken(tokens_[pos_ - 1]);
    }
    // ", а найдено «x»", or ", а запрос закончился" at the end.
    std::string Found() const {
        if (Peek().kind == SqlTokenKind::End) return ", а запрос закончился";
        return ", а найдено " + DescribeToken(Peek());
    }
    [[noreturn]] void Expected(const std::string& what) const { throw SqlError("ожидалось " + what + Found()); }
    void ExpectWord(const char* word, const std::string& what) {
        if (!IsWord(word)) Expected(what);
        Next();
    }
    void ExpectSymbol(const char* symbol, const std::string& what) {
        if (!IsSymbol(symbol)) Expected(what);
        Next();
    }

    std::string ParseName(const std::string& what) {
        const SqlToken& t = Peek();
        if (t.kind == SqlTokenKind::QuotedName) {
            if (t.text.empty()) throw SqlError("пустое имя в кавычках");
            return Next().text;
        }
        if (t.kind != SqlTokenKind::Name || IsKeyword(t)) Expected(what);
        std::string name = Next().text;
        if (IsSymbol(".")) {
            throw SqlError(
                "имя «" + name +
                ".…» нужно взять в двойные кавычки (например, \"Food.DB\"); имена столбцов пишутся без имени таблицы");
        }
        return name;
    }

    void ParseSelectList(SelectStatement& st) {
        if (IsSymbol("*")) {
            Next();
            st.kind = SelectKind::AllColumns;
            return;
        }
        bool sums = false, columns = false;
        do {
            if (columns || sums) Next();  // the comma
            if (Peek().kind == SqlTokenKind::Name && IsSymbol("(", 1)) {
                if (!IsWord("sum")) {
                    throw SqlError("функция " + DescribeToken(Peek()) +
                                   " не поддерживается: из функций есть только SUM");
                }
                Next();
                Next();
                if (IsSymbol("*")) throw SqlError("SUM(*) не поддерживается: укажите столбец");
                st.columns.push_back(ParseName("имя столбца в SUM(…)"));
                ExpectSymbol(")", "«)» после столбца в SUM(…)");
                sums = true;
            } else {
                if (IsSymbol("*")) throw SqlError("«*» нельзя сочетать с другими столбцами");
                st.columns.push_back(ParseName("имя столбца или SUM(…) после SELECT"));
                columns = true;
            }
            if (sums && columns) {
                throw SqlError("нельзя сочетать SUM(…) с обычными столбцами: GROUP BY не поддерживается");
            }
        } while (IsSymbol(","));
        st.kind = sums ? SelectKind::Sums : SelectKind::Columns;
    }

    void ParseWhere(SelectStatement& st) {
        WhereEquals where;
        where.column = ParseName("имя столбца после WHERE");
        if (!IsSymbol("=")) {
            if (Peek().kind == SqlTokenKind::Symbol) {
                throw SqlError("в условии WHERE поддерживается только сравнение «=», а найдено " +
                               DescribeToken(Peek()));
            }
            Expected("«=» после «" + where.column + "»");
        }
        Next();
        bool negative = false;
        bool signed_ = false;
        if (IsSymbol("-") || IsSymbol("+")) {
            negative = IsSymbol("-");
            signed_ = true;
            Next();
        }
        const SqlToken& t = Peek();
        if (t.kind == SqlTokenKind::Integer) {
            where.literal = ParseInteger(t.text, negative);
        } else if (t.kind == SqlTokenKind::String && !signed_) {
            where.literal = t.text;
        } else if (t.kind == SqlTokenKind::Number) {
            throw SqlError("в условии WHERE поддерживаются только целые числа и строки в кавычках, а найдено " +
                           DescribeToken(t));
        } else {
            Expected("целое число или строка в одинарных кавычках после «=»");
        }
        Next();
        if (IsWord("and") || IsWord("or")) {
            throw SqlError("в условии WHERE поддерживается только одно сравнение «столбец = значение»");
        }
        st.where = std::move(where);
    }

    static int64_t ParseInteger(const std::string& digits, bool negative) {
        // Magnitude up to 2^63 (the most negative value is allowed).
        uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
        uint64_t value = 0;
        for (char c : digits) {
            uint64_t d = static_cast<uint64_t>(c - '0');
            if (value > (limit - d) / 10)
                throw SqlError("число " + std::string(negative ? "-" : "") + digits + " слишком велико");
            value = value * 10 + d;
        }
        if (negative) return value == 0 ? 0 : static_cast<int64_t>(~(value - 1));
        return static_cast<int64_t>(value);
    }

    void ParseOrderBy(SelectStatement& st) {
        while (true) {
            OrderItem item;
            item.column = ParseName("имя столбца после ORDER BY");
            if (IsWord("asc")) {
                Next();
            } else if (IsWord("desc")) {
                Next();
                item.descending = true;
            }
            st.orderBy.push_back(std::move(item));
            if (!IsSymbol(",")) break;
            Next();
        }
    }

    std::vector<SqlToken> tokens_;
    std::size_t pos_ = 0;
};

}  // namespace

SelectStatement ParseSql(std::string_view sql) { return Parser(sql).Parse(); }

}  // namespace engine
