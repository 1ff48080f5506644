// libFuzzer target: any bytes through the CSV reader, and each record back out
// through the writer. The reader keeps its bounds; the writer's output is valid
// UTF-8 and reads back as the same number of records.

#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"
#include "csv/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

using namespace halvex;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// UTF-8 checked character by character: the plain reading that the library's
// quicker check must agree with.
bool validByCharacters(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = text[i] == '\0' ? 0 : utf8CharacterLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::istringstream input(std::string(reinterpret_cast<const char *>(data), size));
    CsvReader reader(input);
    std::ostringstream output;
    CsvWriter writer(output);
    CsvRecord record;
    std::size_t records = 0;
    while (reader.next(record)) {
        require(record.fieldCount >= 1);
        require(record.fields.size() == std::min(record.fieldCount, CsvRecord::kMaxFields));
        for (const std::string &field : record.fields) {
            require(field.size() <= CsvRecord::kMaxFieldBytes);
            require(isValidUtf8(field) == validByCharacters(field));
        }
        // Written back as one record of at most three fields.
        const std::string_view first = record.fields[0];
        const std::string_view second = record.fields.size() > 1 ? std::string_view(record.fields[1]) : "";
        writer.writeRecord({first, second, "x"});
        ++records;
    }
    require(!reader.failed());
    writer.flush();

    const std::string written = output.str();
    require(validByCharacters(written) && isValidUtf8(written));
    std::istringstream again(written);
    CsvReader rereader(again);
    std::size_t reread = 0;
    while (rereader.next(record)) {
        require(record.fieldCount == 3 && !record.unterminatedQuote);
        ++reread;
    }
    require(reread == records);
    return 0;
}
