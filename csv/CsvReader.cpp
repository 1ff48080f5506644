#include "CsvReader.h"

#include <algorithm>
#include <string_view>

namespace halvex {
namespace {
constexpr std::size_t kBlockSize = 1 << 16;
}

bool CsvRecord::isBlank() const
{
    return fieldCount == 1 && !unterminatedQuote && !fieldCutShort
           && std::all_of(fields.front().begin(), fields.front().end(), [](char c) { return c == ' ' || c == '\t'; });
}

CsvReader::CsvReader(std::istream &input)
    : m_input(input)
    , m_block(kBlockSize)
{
}

bool CsvReader::refill()
{
    m_position = 0;
    m_size = 0;
    std::streambuf *buffer = m_input.rdbuf();
    if (m_ended || !buffer)
        return false;
    using Traits = std::streambuf::traits_type;
    // Byte by byte from the stream buffer (inline while it holds data), so that a
    // read error, which the buffer throws, keeps every byte read before it.
    try {
        while (m_size < m_block.size()) {
            const Traits::int_type c = buffer->sbumpc();
            if (Traits::eq_int_type(c, Traits::eof())) {
                m_ended = true;
                break;
            }
            m_block[m_size++] = Traits::to_char_type(c);
        }
    } catch (...) {
        m_failed = true;
        m_ended = true;
        m_input.setstate(std::ios::badbit);
    }
    return m_size > 0;
}

int CsvReader::peek()
{
    if (m_position == m_size && !refill())
        return kEnd;
    return static_cast<unsigned char>(m_block[m_position]);
}

int CsvReader::get()
{
    const int c = peek();
    if (c != kEnd)
        ++m_position;
    return c;
}

void CsvReader::startField(CsvRecord &record)
{
    if (record.fieldCount++ < CsvRecord::kMaxFields)
        record.fields.emplace_back();
}

void CsvReader::append(CsvRecord &record, char c)
{
    if (record.fieldCount > CsvRecord::kMaxFields)
        return;
    std::string &field = record.fields.back();
    if (field.size() < CsvRecord::kMaxFieldBytes)
        field.push_back(c);
    else
        record.fieldCutShort = true;
}

CsvReader::Read CsvReader::readRecord(CsvRecord &record)
{
    if (peek() == kEnd)
        return Read::Nothing;

    record.fields.clear();
    record.fieldCount = 0;
    record.fieldCutShort = false;
    record.unterminatedQuote = false;
    startField(record);
    bool quoted = false;
    for (int c = get(); c != kEnd; c = get()) {
        const char ch = static_cast<char>(c);
        if (quoted) {
            if (ch != '"') {
                append(record, ch);
            } else if (peek() == '"') {
                append(record, '"');
                get();
            } else {
                quoted = false;
            }
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            startField(record);
        } else if (ch == '\n') {
            return Read::Line;
        } else if (ch == '\r' && peek() == '\n') {
            get();
            return Read::Line;
        } else {
            append(record, ch);
        }
    }
    record.unterminatedQuote = quoted;
    return Read::Rest;
}

bool CsvReader::next(CsvRecord &record)
{
    const Read read = readRecord(record);
    // The last record before a read error may be cut short: it is no record.
    if (read == Read::Nothing || (read == Read::Rest && m_failed))
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

} // namespace halvex
