// Root reads and writes past file permissions, and CI runs as root. A test of
// what a player meets with an unreadable file or a read-only folder drops that
// override from the process's effective capabilities while it runs.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zef::testing {

class WithoutPermissionOverride {
public:
    WithoutPermissionOverride() { setOverride(false); }
    ~WithoutPermissionOverride() { setOverride(true); }
    WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
    WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

private:
    // Only the effective set changes; the permitted set keeps both, so the
    // destructor can take them back. An unprivileged process has neither.
    static void setOverride(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0) {
            return;
        }
        for (const unsigned capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
            const unsigned bit = 1u << (capability % 32);
            __user_cap_data_struct& word = data[capability / 32];
            word.effective = on ? (word.effective | (word.permitted & bit)) : (word.effective & ~bit);
        }
        syscall(SYS_capset, &header, data);
    }
};

}  // namespace zef::testing
