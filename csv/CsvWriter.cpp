#include "csv/CsvWriter.h"

#include "csv/StreamFailures.h"
#include "csv/Utf8.h"

#include <algorithm>

namespace halvex {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

void appendQuoted(std::string &out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (const char c : field) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

} // namespace

CsvWriter::CsvWriter(std::ostream &output) : m_output(output)
{
    m_buffer.reserve(kBlockSize + 1024);
}

void CsvWriter::writeRecord(std::initializer_list<std::string_view> fields)
{
    writeRecord(std::span<const std::string_view>(fields.begin(), fields.size()));
}

void CsvWriter::writeRecord(std::span<const std::string_view> fields)
{
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first)
            m_buffer.push_back(',');
        first = false;
        const bool plain = std::none_of(field.begin(), field.end(),
                                        [](char c) { return c == 0 || static_cast<unsigned char>(c) >= 0x80; });
        if (plain) {
            appendQuoted(m_buffer, field);
        } else {
            m_field.clear();
            appendValidUtf8(m_field, field);
            appendQuoted(m_buffer, m_field);
        }
    }
    m_buffer.append("\r\n");
    if (m_buffer.size() >= kBlockSize)
        writeBuffer();
}

void CsvWriter::writeBuffer()
{
    m_output.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_buffer.clear();
    if (!m_output)
        throw WriteFailure{};
}

void CsvWriter::flush()
{
    writeBuffer();
    m_output.flush();
    if (!m_output)
        throw WriteFailure{};
}

} // namespace halvex
