#include "csv/CsvWriter.h"

#include "csv/StreamFailures.h"
#include "csv/Utf8.h"

#include <algorithm>
#include <array>
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

// Sixteen or eight bytes looked at together (GCC's and Clang's vector
// extensions, one instruction a comparison where the machine has them).
template <std::size_t N>
using Bytes [[gnu::vector_size(N)]] = unsigned char;

// Copies `size` bytes, at least N, N at a time (the last N overlapping the
// ones before), and tells what they ask of their field.
template <std::size_t N>
unsigned char copyNotingBlocks(const char *from, std::size_t size, char *to)
{
    Bytes<N> quotes{};
    Bytes<N> checks{};
    const auto take = [&](std::size_t at) {
        Bytes<N> bytes;
        std::memcpy(&bytes, from + at, N);
        std::memcpy(to + at, &bytes, N);
        quotes |= (bytes == ',') | (bytes == '"') | (bytes == '\r') | (bytes == '\n');
        checks |= (bytes == 0) | (bytes & 0x80);
    };
    std::size_t at = 0;
    for (; at + N <= size; at += N)
        take(at);
    if (at < size)
        take(size - N);
    const auto any = [](const Bytes<N> &bytes) {
        std::array<std::uint64_t, N / 8> words;
        std::memcpy(words.data(), &bytes, N);
        return std::any_of(words.begin(), words.end(), [](std::uint64_t word) { return word != 0; });
    };
    return (any(quotes) ? kQuote : 0) | (any(checks) ? kCheck : 0);
}

// Copies the field and tells what its bytes ask of it; most ask nothing.
unsigned char copyNoting(std::string_view field, char *to)
{
    if (field.size() >= 16)
        return copyNotingBlocks<16>(field.data(), field.size(), to);
    if (field.size() >= 8)
        return copyNotingBlocks<8>(field.data(), field.size(), to);
    unsigned char needs = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        to[i] = field[i];
        needs |= kByteNeeds[static_cast<unsigned char>(field[i])];
    }
    return needs;
}

} // namespace

CsvWriter::CsvWriter(std::ostream &output) : m_output(output)
{
    m_buffer.resize(kBlockSize + 1024);
}

void CsvWriter::writeRecord(std::initializer_list<std::string_view> fields)
{
    writeRecord(std::span<const std::string_view>(fields.begin(), fields.size()));
}

void CsvWriter::writeRecord(std::span<const std::string_view> fields)
{
    // Room for the record as most are written, taken once: every field as it
    // stands, the commas and the line end.
    const auto roomForRest = [&](std::size_t from) {
        std::size_t bytes = fields.size() - from + 2;
        for (std::size_t i = from; i < fields.size(); ++i)
            bytes += fields[i].size();
        return room(bytes);
    };
    char *to = roomForRest(0);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            *to++ = ',';
        const std::string_view field = fields[i];
        const unsigned char needs = copyNoting(field, to);
        // Beyond ASCII and valid, as the French texts are: the copy stands.
        if (needs == 0 || (needs == kCheck && isValidUtf8(field))) {
            to += field.size();
            continue;
        }
        m_used = static_cast<std::size_t>(to - m_buffer.data());
        appendNeedy(field, needs);
        to = roomForRest(i + 1);
    }
    std::memcpy(to, "\r\n", 2);
    m_used = static_cast<std::size_t>(to + 2 - m_buffer.data());
    if (m_used >= kBlockSize)
        writeBuffer();
}

char *CsvWriter::room(std::size_t bytes)
{
    if (m_buffer.size() - m_used < bytes)
        m_buffer.resize(std::max(2 * m_buffer.size(), m_used + bytes));
    return m_buffer.data() + m_used;
}

void CsvWriter::appendNeedy(std::string_view field, unsigned char needs)
{
    if ((needs & kCheck) && !isValidUtf8(field)) {
        m_field.clear();
        appendValidUtf8(m_field, field);
        field = m_field;
    }
    if (!(needs & kQuote)) {
        std::memcpy(room(field.size()), field.data(), field.size());
        m_used += field.size();
        return;
    }
    // Quoted, each quote doubled: the runs up to each quote copied whole.
    char *to = room(2 * field.size() + 2);
    *to++ = '"';
    for (std::size_t quote = field.find('"'); quote != std::string_view::npos; quote = field.find('"')) {
        to = std::copy_n(field.data(), quote + 1, to);
        *to++ = '"';
        field.remove_prefix(quote + 1);
    }
    to = std::copy_n(field.data(), field.size(), to);
    *to++ = '"';
    m_used = static_cast<std::size_t>(to - m_buffer.data());
}

void CsvWriter::writeBuffer()
{
    m_output.write(m_buffer.data(), static_cast<std::streamsize>(m_used));
    m_used = 0;
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
