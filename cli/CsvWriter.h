#pragma once

// Writes RFC 4180 records to a stream: a field holding a comma, a quote or a
// line break is quoted with its quotes doubled; every record ends in CRLF.
// Records are gathered in a buffer and written in large blocks.

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace halvex::cli {

class CsvWriter {
public:
    explicit CsvWriter(std::ostream &output);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    void writeRecord(std::initializer_list<std::string_view> fields);
    // Writes what is buffered and flushes the stream.
    void flush();

private:
    std::ostream &m_output;
    std::string m_buffer;
};

} // namespace halvex::cli
