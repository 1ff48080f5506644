#include "process/StandardDescriptors.h"

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>
#endif

namespace halvex {

void occupyClosedStandardDescriptors()
{
#if defined(__unix__) || defined(__APPLE__)
    // In order: open() takes the lowest free descriptor, which is the closed one.
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = open("/dev/null", descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened != -1 && opened != descriptor) {
            dup2(opened, descriptor);
            close(opened);
        }
    }
#endif
}

} // namespace halvex
