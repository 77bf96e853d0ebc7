// Root reads and writes past file permissions, and CI runs as root. A test of
// what a player meets with an unreadable file or a read-only folder first
// gives that override up, for the rest of its process.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zef::testing {

// Drops the two capabilities from the effective and the permitted set: the
// permission checks of access(), which QFileInfo uses, look at the permitted
// one. Does nothing for a process that has neither.
inline void DropPermissionOverride()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) {
        return;
    }
    for (const unsigned capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        const unsigned keep = ~(1u << (capability % 32));
        data[capability / 32].effective &= keep;
        data[capability / 32].permitted &= keep;
    }
    syscall(SYS_capset, &header, data);
}

}  // namespace zef::testing
