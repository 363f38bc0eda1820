#include "platform/safe_write.h"

#include <cerrno>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include "platform/native_file.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
// windows.h names its own ReplaceFile as a macro; ours is meant here.
#undef ReplaceFile
#else
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvex {

#ifdef _WIN32

bool ReplaceFile(const std::string& path, std::string_view bytes, LinkPolicy, bool durable) {
    std::wstring temp;
    int fd = -1;
    for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = Widen(path + ".tmp" + std::to_string(GetCurrentProcessId()) + "_" +
                     std::to_string(attempt));
        fd = _wopen(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = true;
    while (ok && !bytes.empty()) {
        const unsigned chunk =
            bytes.size() > (1u << 30) ? (1u << 30) : static_cast<unsigned>(bytes.size());
        const int n = _write(fd, bytes.data(), chunk);
        if (n <= 0)
            ok = false;
        else
            bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    ok = ok && (!durable || _commit(fd) == 0);
    ok = (_close(fd) == 0) && ok;
    ok = ok && MoveFileExW(temp.c_str(), Widen(path).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        _wunlink(temp.c_str());
    return ok;
}

#else

namespace {

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows a chain of symbolic links to the name that holds the data; a
// dangling link gives the name it points at, which the save then creates.
std::string FollowLinks(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1,
                           '\0');
        const ssize_t n = readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size())
            return path;
        target.resize(static_cast<std::size_t>(n));
        path = (!target.empty() && target[0] == '/') ? target : DirectoryOf(path) + "/" + target;
    }
    return path;
}

mode_t ModeForNewFile() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes, LinkPolicy links, bool durable) {
    const std::string target = links == LinkPolicy::ReplaceTarget ? FollowLinks(path) : path;

    mode_t mode = ModeForNewFile();
    struct stat old {};
    if (lstat(target.c_str(), &old) == 0) {
        if (S_ISREG(old.st_mode))
            mode = old.st_mode & 07777;
        else if (!S_ISLNK(old.st_mode))
            return false; // a directory or device by that name is not ours to replace
    }

    std::string temp = target + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = fchmod(fd, mode) == 0;
    ok = ok && WriteAll(fd, bytes);
    ok = ok && (!durable || fsync(fd) == 0);
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
        unlink(temp.c_str());
    return ok;
}

#endif

} // namespace tarvex
