#include "csv/CsvWriter.h"

#include "csv/StreamFailures.h"
#include "csv/Utf8.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace halvex {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

// What a byte asks of its field: kQuote for one that makes it quoted, kCheck
// for NUL and every byte beyond ASCII, after which the field is checked as UTF-8.
constexpr unsigned char kQuote = 1;
constexpr unsigned char kCheck = 2;
constexpr std::array<unsigned char, 256> kByteNeeds = [] {
    std::array<unsigned char, 256> needs{};
    for (const char c : {',', '"', '\r', '\n'})
        needs[static_cast<unsigned char>(c)] = kQuote;
    needs[0] = kCheck;
    for (std::size_t byte = 0x80; byte < needs.size(); ++byte)
        needs[byte] = kCheck;
    return needs;
}();

// Whether eight bytes hold one that kByteNeeds marks: beyond ASCII, NUL, or one that quotes.
bool anyMarked(std::uint64_t word)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighs = 0x8080808080808080;
    const auto hasZeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    return (word & kHighs) != 0 || hasZeroByte(word) != 0 || hasZeroByte(word ^ (kOnes * ',')) != 0
           || hasZeroByte(word ^ (kOnes * '"')) != 0 || hasZeroByte(word ^ (kOnes * '\r')) != 0
           || hasZeroByte(word ^ (kOnes * '\n')) != 0;
}

// What the field's bytes ask of it, eight at a time where none is marked.
unsigned char needsOf(std::string_view field)
{
    unsigned char needs = 0;
    std::size_t i = 0;
    for (; i + 8 <= field.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, field.data() + i, sizeof word);
        if (!anyMarked(word))
            continue;
        for (std::size_t j = i; j < i + 8; ++j)
            needs |= kByteNeeds[static_cast<unsigned char>(field[j])];
    }
    for (; i < field.size(); ++i)
        needs |= kByteNeeds[static_cast<unsigned char>(field[i])];
    return needs;
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
        appendField(field);
    }
    m_buffer.append("\r\n");
    if (m_buffer.size() >= kBlockSize)
        writeBuffer();
}

void CsvWriter::appendField(std::string_view field)
{
    // One look at each byte tells what the field needs; most need nothing.
    const unsigned char needs = needsOf(field);
    if ((needs & kCheck) && !isValidUtf8(field)) {
        m_field.clear();
        appendValidUtf8(m_field, field);
        field = m_field;
    }
    if (!(needs & kQuote)) {
        m_buffer.append(field);
        return;
    }
    // Quoted, each quote doubled: the runs between quotes copied whole.
    m_buffer.push_back('"');
    for (std::size_t quote = field.find('"'); quote != std::string_view::npos; quote = field.find('"')) {
        m_buffer.append(field.substr(0, quote + 1)).push_back('"');
        field.remove_prefix(quote + 1);
    }
    m_buffer.append(field).push_back('"');
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
