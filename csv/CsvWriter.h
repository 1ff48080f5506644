#pragma once

// Writes RFC 4180 records to a stream: a field holding a comma, a quote or a
// line break is quoted with its quotes doubled; every record ends in CRLF.
// The output is valid UTF-8 whatever the fields hold: a byte that is no part
// of a UTF-8 character, and NUL, are written as U+FFFD. Records are gathered in
// a buffer and written in large blocks; a block the stream does not take
// throws WriteFailure.

#include <initializer_list>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace halvex {

class CsvWriter {
public:
    explicit CsvWriter(std::ostream &output);
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    void writeRecord(std::initializer_list<std::string_view> fields);
    void writeRecord(std::span<const std::string_view> fields);
    // Writes what is buffered and flushes the stream; throws WriteFailure when it fails.
    void flush();

private:
    // A field whose bytes ask for more than a copy (`needs`): made valid UTF-8,
    // quoted when it must be.
    void appendNeedy(std::string_view field, unsigned char needs);
    // Room for `bytes` more bytes after what is buffered.
    char *room(std::size_t bytes);
    void writeBuffer();

    std::ostream &m_output;
    // Buffered output: the first m_used bytes of m_buffer, whose size is its room.
    std::string m_buffer;
    std::size_t m_used = 0;
    std::string m_field; // a field made valid UTF-8
};

} // namespace halvex
