#pragma once

// Reads RFC 4180 records from a stream: fields separated by commas, optionally
// quoted (a doubled quote inside stands for one), records ending in CRLF or LF.
// A quoted field may span lines.

#include <istream>
#include <string>
#include <vector>

namespace halvex::cli {

struct CsvRecord {
    std::vector<std::string> fields;
    bool unterminatedQuote = false; // the stream ended inside a quoted field

    // A line with nothing on it but blanks.
    bool isBlank() const;
};

class CsvReader {
public:
    explicit CsvReader(std::istream &input);

    // The next record, or false at the end of the stream.
    bool next(CsvRecord &record);

private:
    bool readRecord(CsvRecord &record);

    std::istream &m_input;
    bool m_atStart = true;
};

} // namespace halvex::cli
