#pragma once

// A network of the test's own: port 2004 is fixed, so a test that has its
// own loopback meets no other test run on this machine, and it can pull
// its own cable. Call before anything starts a thread.

#ifdef __linux__
#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#endif

// Set once the test is in a network of its own: the machine's own loopback
// is never touched.
inline bool g_bPrivateNetwork = false;

// Brings the loopback up or takes it down, as a cable plugged in or pulled.
inline bool SetLoopback(bool up)
{
#ifdef __linux__
    if (!g_bPrivateNetwork)
        return false;
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    ifreq ifr{};
    std::strncpy(ifr.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ioctl(fd, SIOCGIFFLAGS, &ifr) == 0;
    ifr.ifr_flags = static_cast<short>(up ? (ifr.ifr_flags | IFF_UP) : (ifr.ifr_flags & ~IFF_UP));
    ok = ok && ioctl(fd, SIOCSIFFLAGS, &ifr) == 0;
    close(fd);
    return ok;
#else
    (void)up;
    return false;
#endif
}

#ifdef __linux__
inline bool WriteProcFile(const char* path, const char* text)
{
    const int fd = open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = write(fd, text, std::strlen(text)) == static_cast<ssize_t>(std::strlen(text));
    close(fd);
    return ok;
}
#endif

// Root may make a network namespace at once; anyone else through a user
// namespace of its own, where it keeps its identity.
inline bool EnterPrivateNetwork()
{
#ifdef __linux__
    if (unshare(CLONE_NEWNET) != 0) {
        const unsigned uid = getuid(), gid = getgid();
        if (unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0)
            return false;
        char map[64];
        std::snprintf(map, sizeof map, "%u %u 1", uid, uid);
        WriteProcFile("/proc/self/setgroups", "deny");
        if (!WriteProcFile("/proc/self/uid_map", map))
            return false;
        std::snprintf(map, sizeof map, "%u %u 1", gid, gid);
        WriteProcFile("/proc/self/gid_map", map);
    }
    g_bPrivateNetwork = true;
    return SetLoopback(true);
#else
    return false;
#endif
}
