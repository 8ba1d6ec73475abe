/* Preloaded into the test programs of a cross build while they run under
 * qemu-arm (user-mode emulation), never into anything installed on a unit.
 *
 * QProcess starts a child with clone(CLONE_VM | CLONE_VFORK | CLONE_PIDFD)
 * once a probe, waitid(P_PIDFD, ...), says the kernel knows pidfds. Under
 * qemu-user the probe reaches the build machine's kernel and succeeds, but
 * qemu's own clone refuses CLONE_PIDFD (EINVAL), so no child could ever be
 * started. Answering the probe with EINVAL makes Qt use its plain fork()
 * path, which qemu emulates. Every other system call passes through.
 *
 * The library also takes LD_PRELOAD out of the environment at load time, so
 * that programs of the build machine started by a test (lupdate, the wrapper
 * scripts) do not try to preload a library of the wrong architecture; ARM
 * programs started by a test get it again from QEMU_SET_ENV. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdarg.h>
#include <stdlib.h>
#include <sys/syscall.h>
#include <sys/wait.h>

#ifndef P_PIDFD
#define P_PIDFD 3
#endif

__attribute__((constructor)) static void forgetPreload(void)
{
    unsetenv("LD_PRELOAD");
}

long syscall(long number, ...)
{
    /* Arguments are taken and handed on as the seven machine words the ABI
     * passes them in, so 64-bit arguments keep their register pairs. */
    va_list ap;
    va_start(ap, number);
    long a[7];
    for (int i = 0; i < 7; ++i)
        a[i] = va_arg(ap, long);
    va_end(ap);

    if (number == SYS_waitid && a[0] == P_PIDFD) {
        errno = EINVAL;
        return -1;
    }
    static long (*next)(long, ...);
    if (!next)
        next = (long (*)(long, ...))dlsym(RTLD_NEXT, "syscall");
    return next(number, a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
}
