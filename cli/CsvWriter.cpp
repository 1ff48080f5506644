#include "CsvWriter.h"

namespace halvex::cli {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

void appendField(std::string &out, std::string_view field)
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

CsvWriter::CsvWriter(std::ostream &output)
    : m_output(output)
{
    m_buffer.reserve(kBlockSize + 1024);
}

CsvWriter::~CsvWriter()
{
    flush();
}

void CsvWriter::writeRecord(std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first)
            m_buffer.push_back(',');
        first = false;
        appendField(m_buffer, field);
    }
    m_buffer.append("\r\n");
    if (m_buffer.size() >= kBlockSize) {
        m_output.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_buffer.clear();
    }
}

void CsvWriter::flush()
{
    m_output.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_buffer.clear();
    m_output.flush();
}

} // namespace halvex::cli
