#include "csv/CsvReader.h"

#include <algorithm>
#include <string_view>

namespace halvex {
namespace {
constexpr std::size_t kBlockSize = 1 << 16;
// The bytes 0x80 to 0xBF, which continue a UTF-8 character.
const std::string kContinuationBytes = [] {
    std::string bytes;
    for (int b = 0x80; b <= 0xBF; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}();

// How many bytes the UTF-8 character that starts with this byte has; 1 for any other byte.
std::size_t utf8LeadLength(char lead)
{
    const auto b = static_cast<unsigned char>(lead);
    if (b >= 0xF0 && b <= 0xF4)
        return 4;
    if (b >= 0xE0 && b <= 0xEF)
        return 3;
    return b >= 0xC2 && b <= 0xDF ? 2 : 1;
}
} // namespace

bool CsvRecord::isBlank() const
{
    return fieldCount == 1 && !unterminatedQuote && !fieldCutShort
           && std::all_of(fields.front().begin(), fields.front().end(), [](char c) { return c == ' ' || c == '\t'; });
}

CsvReader::CsvReader(std::istream &input) : m_input(input), m_block(kBlockSize) {}

bool CsvReader::refill()
{
    m_position = 0;
    m_size = 0;
    std::streambuf *buffer = m_input.rdbuf();
    if (m_ended || !buffer)
        return false;
    using Traits = std::streambuf::traits_type;
    // What the stream buffer already holds is taken in bulk: that cannot fail.
    // A byte beyond it makes the buffer read, which may throw: that one is
    // taken alone, so that a read error keeps every byte read before it.
    try {
        while (m_size < m_block.size()) {
            const std::streamsize held =
                std::min<std::streamsize>(buffer->in_avail(), static_cast<std::streamsize>(m_block.size() - m_size));
            if (held > 0) {
                m_size += static_cast<std::size_t>(buffer->sgetn(m_block.data() + m_size, held));
                continue;
            }
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
    m_fieldFull = false;
    if (record.fieldCount++ < CsvRecord::kMaxFields)
        record.fields.emplace_back();
}

void CsvReader::append(CsvRecord &record, std::string_view run)
{
    if (record.fieldCount > CsvRecord::kMaxFields || m_fieldFull)
        return;
    std::string &field = record.fields.back();
    if (run.size() <= CsvRecord::kMaxFieldBytes - field.size())
        field.append(run);
    else
        appendCut(record, run);
}

void CsvReader::appendCut(CsvRecord &record, std::string_view run)
{
    std::string &field = record.fields.back();
    field.append(run.substr(0, CsvRecord::kMaxFieldBytes - field.size()));
    m_fieldFull = true;
    record.fieldCutShort = true;
    // Cut on a character's boundary: a UTF-8 character the cut would split is left out whole.
    const std::size_t start = field.find_last_not_of(kContinuationBytes);
    if (start != std::string::npos && field.size() - start < utf8LeadLength(field[start]))
        field.erase(start);
}

std::string_view CsvReader::takeRun(bool quoted)
{
    // The bytes that follow in the block and mean nothing to the record's shape.
    const char *begin = m_block.data() + m_position - 1;
    const char *end = m_block.data() + m_size;
    const char *stop = begin + 1;
    if (quoted) {
        while (stop != end && *stop != '"')
            ++stop;
    } else {
        while (stop != end && *stop != ',' && *stop != '"' && *stop != '\n' && *stop != '\r')
            ++stop;
    }
    m_position += static_cast<std::size_t>(stop - begin - 1);
    return {begin, static_cast<std::size_t>(stop - begin)};
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
                append(record, takeRun(true));
            } else if (peek() == '"') {
                append(record, "\"");
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
        } else if (ch == '\r') {
            // CRLF, or a CR alone as older Macintosh files end their lines.
            if (peek() == '\n')
                get();
            return Read::Line;
        } else {
            append(record, takeRun(false));
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
