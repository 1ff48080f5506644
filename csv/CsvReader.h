#pragma once

// Reads RFC 4180 records from a stream: fields separated by commas, optionally
// quoted (a doubled quote inside stands for one), records ending in CRLF, LF or
// a CR alone. A quoted field may span lines.
//
// Memory stays small whatever the input: a field keeps at most
// kMaxFieldBytes bytes (cut where a UTF-8 character begins) and a record at
// most kMaxFields fields; what is beyond is read and counted, not kept. A read error ends the records and is told by
// failed(); it never throws. The records read whole before the error are kept.

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace halvex {

struct CsvRecord {
    static constexpr std::size_t kMaxFieldBytes = 100;
    static constexpr std::size_t kMaxFields = 32;

    std::vector<std::string> fields; // the first kMaxFields, each cut to kMaxFieldBytes
    std::size_t fieldCount = 0;      // all the fields of the record
    bool fieldCutShort = false;      // some field was longer than kMaxFieldBytes
    bool unterminatedQuote = false;  // the stream ended inside a quoted field

    // A line with nothing on it but blanks.
    bool isBlank() const;
};

class CsvReader {
public:
    explicit CsvReader(std::istream &input);

    // The next record, or false at the end of the stream or after a read error.
    bool next(CsvRecord &record);
    // The stream could not be read to its end.
    bool failed() const { return m_failed; }

private:
    static constexpr int kEnd = -1;
    // What a record ended with: nothing read, a line break, or the end of what could be read.
    enum class Read { Nothing, Line, Rest };

    Read readRecord(CsvRecord &record);
    int peek();
    int get();
    bool refill();
    // Keeps a run of the field's bytes, as much of it as the field has room for.
    void append(CsvRecord &record, std::string_view run);
    // Keeps what the field has room for of a run too long for it, and cuts the field there.
    void appendCut(CsvRecord &record, std::string_view run);
    // The byte just read and those after it in the block up to the next one
    // that ends or quotes a field (inside quotes: up to the next quote), now read.
    std::string_view takeRun(bool quoted);
    void startField(CsvRecord &record);

    std::istream &m_input;
    std::vector<char> m_block;
    std::size_t m_position = 0;
    std::size_t m_size = 0;
    bool m_ended = false;
    bool m_failed = false;
    bool m_atStart = true;
    bool m_fieldFull = false; // the field being read was cut: nothing more is kept of it
};

} // namespace halvex
