#include "CsvReader.h"

#include <algorithm>
#include <string_view>

namespace halvex::cli {

bool CsvRecord::isBlank() const
{
    return fields.size() == 1 && !unterminatedQuote
           && std::all_of(fields.front().begin(), fields.front().end(), [](char c) { return c == ' ' || c == '\t'; });
}

CsvReader::CsvReader(std::istream &input)
    : m_input(input)
{
}

bool CsvReader::readRecord(CsvRecord &record)
{
    std::streambuf &in = *m_input.rdbuf();
    using Traits = std::streambuf::traits_type;

    if (Traits::eq_int_type(in.sgetc(), Traits::eof()))
        return false;

    record.fields.assign(1, std::string{});
    record.unterminatedQuote = false;
    bool quoted = false;
    for (auto c = in.sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = in.sbumpc()) {
        const char ch = Traits::to_char_type(c);
        std::string &field = record.fields.back();
        if (quoted) {
            if (ch != '"') {
                field.push_back(ch);
            } else if (Traits::eq_int_type(in.sgetc(), Traits::to_int_type('"'))) {
                field.push_back('"');
                in.sbumpc();
            } else {
                quoted = false;
            }
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            record.fields.emplace_back();
        } else if (ch == '\n') {
            return true;
        } else if (ch == '\r' && Traits::eq_int_type(in.sgetc(), Traits::to_int_type('\n'))) {
            in.sbumpc();
            return true;
        } else {
            field.push_back(ch);
        }
    }
    record.unterminatedQuote = quoted;
    return true;
}

bool CsvReader::next(CsvRecord &record)
{
    if (!readRecord(record))
        return false;
    if (m_atStart) {
        m_atStart = false;
        // A UTF-8 byte-order mark, as some spreadsheets write, is not part of the first field.
        constexpr std::string_view kBom = "\xEF\xBB\xBF";
        std::string &first = record.fields.front();
        if (std::string_view(first).starts_with(kBom))
            first.erase(0, kBom.size());
    }
    return true;
}

} // namespace halvex::cli
