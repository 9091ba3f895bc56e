// A small tool that tests start as a real child process. Its arguments are
// steps, done from left to right:
//   write TEXT        writes TEXT in one write(); \n \r \b \t \\ \0 \xHH
//   repeat CHAR N     writes N times CHAR in one write()
//   lines N           writes "line 1" .. "line N", each ending with \n,
//                     in writes that never split a line
//   cat FILE          writes FILE, one write() per line
//   pid               writes "pid <process id>\n"
//   stderr / stdout   later writes go to that stream
//   sleep MS          sleeps
//   ignoreterm        ignores SIGTERM from now on
//   crash             ends by SIGSEGV (without a core file)
//   exit N            exits with code N
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace {

int outputFd = STDOUT_FILENO;

void writeAll(const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(outputFd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            std::exit(120);
        done += size_t(n);
    }
}

std::string unescape(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (*p != '\\' || !p[1]) {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 'b': out += '\b'; break;
        case 't': out += '\t'; break;
        case '0': out += '\0'; break;
        case 'x':
            if (p[1] && p[2]) {
                out += char(std::strtol(std::string(p + 1, 2).c_str(), nullptr, 16));
                p += 2;
            }
            break;
        default: out += *p; break;
        }
    }
    return out;
}

void writeLines(long count)
{
    std::string chunk;
    for (long i = 1; i <= count; ++i) {
        const std::string line = "line " + std::to_string(i) + "\n";
        if (chunk.size() + line.size() > 4000) {
            writeAll(chunk);
            chunk.clear();
        }
        chunk += line;
    }
    writeAll(chunk);
}

void catFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        std::exit(121);
    std::string line;
    while (std::getline(in, line)) {
        if (!in.eof())
            line += '\n';
        writeAll(line);
    }
}

void sleepMs(long ms)
{
    timespec span{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&span, &span) != 0 && errno == EINTR) {
    }
}

void crash()
{
    rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::signal(SIGSEGV, SIG_DFL);
    std::raise(SIGSEGV);
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string step = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : "";
        if (step == "write") {
            writeAll(unescape(next));
            ++i;
        } else if (step == "repeat" && i + 2 < argc) {
            writeAll(std::string(size_t(std::atol(argv[i + 2])), argv[i + 1][0]));
            i += 2;
        } else if (step == "lines") {
            writeLines(std::atol(next));
            ++i;
        } else if (step == "cat") {
            catFile(next);
            ++i;
        } else if (step == "pid") {
            writeAll("pid " + std::to_string(getpid()) + "\n");
        } else if (step == "stderr") {
            outputFd = STDERR_FILENO;
        } else if (step == "stdout") {
            outputFd = STDOUT_FILENO;
        } else if (step == "sleep") {
            sleepMs(std::atol(next));
            ++i;
        } else if (step == "ignoreterm") {
            std::signal(SIGTERM, SIG_IGN);
        } else if (step == "crash") {
            crash();
        } else if (step == "exit") {
            return std::atoi(next);
        } else {
            std::fprintf(stderr, "runnerhelper: unknown step %s\n", step.c_str());
            return 122;
        }
    }
    return 0;
}
