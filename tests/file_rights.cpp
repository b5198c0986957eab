#include "file_rights.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr quint32 kBypassRights = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool setEffective(bool bypass, QString* reason)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) {
        *reason = QStringLiteral("capget: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (bypass)
        data[0].effective |= data[0].permitted & kBypassRights;
    else
        data[0].effective &= ~kBypassRights;
    if (syscall(SYS_capset, &header, data) != 0) {
        *reason = QStringLiteral("capset: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

}  // namespace

WithoutFileRights::WithoutFileRights()
{
    m_dropped = setEffective(false, &m_reason);
    if (!m_dropped && geteuid() != 0)
        m_reason.clear();  // an ordinary user has no rights to drop
}

WithoutFileRights::~WithoutFileRights()
{
    QString ignored;
    if (m_dropped)
        setEffective(true, &ignored);
}
