// libFuzzer target: the command line with any arguments and any input. The
// bytes up to the first blank line are the arguments, one a line; the rest is
// standard input. Every run ends with a known exit status and says why on
// standard error whenever it is 2. The sheet and large counts are left out:
// they are slow, not fragile.

#include "cli/ArgumentText.h"
#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool isQuick(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("sheet"))
            return false;
        if (arguments[i].startsWith(QLatin1String("--count"))) {
            const QString value = arguments[i].contains(u'=') ? arguments[i].section(u'=', 1) : arguments.value(i + 1);
            bool ok = false;
            const long long count = value.toLongLong(&ok);
            if (ok && count > 1000)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::size_t split = bytes.find("\n\n");
    const std::string_view head = bytes.substr(0, split);
    const std::string input(split == std::string_view::npos ? std::string_view() : bytes.substr(split + 2));

    QStringList arguments{QStringLiteral("halvex-cli")};
    std::size_t start = 0;
    while (start <= head.size() && arguments.size() < 12) {
        const std::size_t end = std::min(head.find('\n', start), head.size());
        arguments << halvex::cli::argumentText(std::string(head.substr(start, end - start)).c_str());
        start = end + 1;
    }
    if (!isQuick(arguments))
        return 0;

    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = halvex::cli::runCommandLine(arguments, in, out, err);
    require(status == halvex::cli::ExitOk || status == halvex::cli::ExitInvalidRows
            || status == halvex::cli::ExitFailure);
    require((status == halvex::cli::ExitFailure) == !err.str().empty());
    return 0;
}
